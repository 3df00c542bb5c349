// The timeline picture: one row per yacht on a common axis from the regatta
// start to the latest finish crossing, in pictures of kRowsPerPicture rows. Time is cut into kCells columns and
// each layer of a row is drawn as runs of marked columns, so a row costs at
// most a few kilobytes however many event lines its file holds.
#include <algorithm>
#include <array>
#include <cmath>

#include "evaluation/time_arithmetic.h"
#include "files/text.h"
#include "overview/output_text.h"
#include "overview/regatta_overview.h"

namespace wg {
namespace {

constexpr int kCells = 320;
constexpr int kCellWidth = 3;
constexpr int kLeft = 130;  // room for the yacht IDs
constexpr int kWidth = kLeft + kCells * kCellWidth + 10;
constexpr int kTop = 30;    // room for the axis labels
constexpr int kRowHeight = 18;
// Rows per picture: each picture repeats the axis and fills one printed
// A4 landscape page.
constexpr std::size_t kRowsPerPicture = 35;
// A finish this long after the regatta end is a typing error, not a reason
// to squeeze every other yacht into a corner of the picture.
constexpr double kAxisSlackSeconds = 2 * 86400;

struct Axis {
    double start;
    double end;
    double columnsPerSecond = kCells / (end - start);
    double column(double t) const { return (t - start) * columnsPerSecond; }
    int cell(double t) const { return std::clamp(static_cast<int>(std::floor(column(t))), 0, kCells - 1); }
    // The last cell an interval ending at `t` reaches into.
    int lastCell(double t) const { return std::clamp(static_cast<int>(std::ceil(column(t))) - 1, 0, kCells - 1); }
    int x(double t) const { return kLeft + static_cast<int>(std::lround(column(t) * kCellWidth)); }
    bool covers(double t) const { return t >= start && t <= end; }
};

double regattaSeconds(const TimeOfRegatta& t) { return secondCount(t.hour, t.minute, 0, t.day, t.month, t.year); }

Axis axisOf(const RegattaOverview& ov) {
    const double start = regattaSeconds(ov.regatta.start);
    const double limit = std::max(start, regattaSeconds(ov.regatta.end)) + kAxisSlackSeconds;
    double end = 0;
    for (const YachtRow& row : ov.rows)
        if (row.hasFinish && row.finishSeconds > start && row.finishSeconds <= limit)
            end = std::max(end, row.finishSeconds);
    if (end <= start) end = regattaSeconds(ov.regatta.end);
    if (end <= start) end = start + 3600;
    return {start, end};
}

using Cells = std::array<bool, kCells>;

void markIntervals(Cells& cells, const Axis& axis, const std::vector<Interval>& intervals) {
    for (const Interval& i : intervals) {
        if (!(i.to > i.from) || i.to < axis.start || i.from > axis.end) continue;
        const int first = axis.cell(std::max(i.from, axis.start));
        for (int c = first, last = std::max(first, axis.lastCell(std::min(i.to, axis.end))); c <= last; ++c)
            cells[c] = true;
    }
}

void markTimes(Cells& cells, const Axis& axis, const std::vector<double>& times) {
    for (const double t : times)
        if (axis.covers(t)) cells[axis.cell(t)] = true;
}

// One path of horizontal strokes, one per run of marked cells.
void appendRuns(std::string& svg, const char* cls, int y, const Cells& cells) {
    std::string d;
    for (int c = 0; c < kCells;) {
        if (!cells[c]) {
            ++c;
            continue;
        }
        int end = c;
        while (end < kCells && cells[end]) ++end;
        d += 'M' + std::to_string(kLeft + c * kCellWidth) + ' ' + std::to_string(y) + 'h' +
             std::to_string((end - c) * kCellWidth);
        c = end;
    }
    if (!d.empty()) svg += format("<path class=\"%s\" d=\"%s\"/>", cls, d.c_str());
}

// The date of a second count, as the evaluation counts (every year 365
// days, February 28): day, month and two-digit year.
FinishTime dateOf(double t) {
    const double days = std::floor(t / 86400);
    const double years = std::floor(days / 365);
    const int inYear = static_cast<int>(days - years * 365);
    int month = 12;
    while (month > 1 && monthOffsetSeconds(month) > inYear * 86400.0) --month;
    return {0, 0, 0, inYear - static_cast<int>(monthOffsetSeconds(month) / 86400) + 1, month,
            static_cast<std::int32_t>(years) + 1};
}

// "Sa", "So", ...: the weekday of a date in 2000 to 2099.
const char* weekdayName(const FinishTime& date) {
    static const char* const kNames[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    static constexpr int kMonthShift[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int year = 2000 + date.year - (date.month < 3 ? 1 : 0);
    const int day = year + year / 4 - year / 100 + year / 400 + kMonthShift[date.month - 1] + date.day;
    return kNames[(day % 7 + 7) % 7];
}

// "10:00": the time of day a tick stands for; "So 13.09. 06:00" on an axis
// over more than one day.
std::string tickLabel(double t, bool dated) {
    const long long inDay = (static_cast<long long>(std::floor(t)) % 86400 + 86400) % 86400;
    std::string label = format("%02lld:%02lld", inDay / 3600, inDay / 60 % 60);
    if (!dated) return label;
    const FinishTime date = dateOf(t);
    return format("%s %02d.%02d. ", weekdayName(date), static_cast<int>(date.day), static_cast<int>(date.month)) +
           label;
}

// The grid's step: the shortest that leaves at most `ticks` lines, whole
// weeks beyond the table.
double gridStep(double span, double ticks) {
    static constexpr double kSteps[] = {300, 600, 900, 1800, 3600, 7200, 10800, 21600, 43200, 86400, 2 * 86400,
                                        7 * 86400};
    for (const double step : kSteps)
        if (span / step <= ticks) return step;
    return std::ceil(span / ticks / (7 * 86400)) * 7 * 86400;
}

void appendAxis(std::string& svg, const Axis& axis, int height) {
    // Dated labels are wider, so fewer of them fit.
    const bool dated = std::floor(axis.start / 86400) != std::floor(axis.end / 86400);
    const double step = gridStep(axis.end - axis.start, dated ? 8 : 12);
    std::string grid;
    for (double t = std::ceil(axis.start / step) * step; t <= axis.end; t += step) {
        const int x = axis.x(t);
        grid += format("M%d %dV%d", x, kTop - 6, height);
        // A label at the right end ends there rather than beyond the picture.
        const bool atEnd = x + (dated ? 48 : 16) > kWidth;
        svg += format("<text x=\"%d\" y=\"%d\" text-anchor=\"%s\">%s</text>", x, kTop - 10,
                      atEnd ? "end" : "middle", tickLabel(t, dated).c_str());
    }
    if (!grid.empty()) svg += "<path class=\"t\" d=\"" + grid + "\"/>";
}

} // namespace

std::string timelineSvg(const RegattaOverview& ov) {
    const Axis axis = axisOf(ov);
    std::string svg;
    for (std::size_t i = 0; i < ov.rows.size(); ++i) {
        const std::size_t inBlock = i % kRowsPerPicture;
        if (inBlock == 0) {
            const std::size_t rows = std::min(kRowsPerPicture, ov.rows.size() - i);
            const int height = kTop + static_cast<int>(rows) * kRowHeight + 4;
            if (i) svg += "</svg>\n";
            svg += format("<svg class=\"zeitleiste\" viewBox=\"0 0 %d %d\" width=\"%d\" height=\"%d\" "
                          "role=\"img\" aria-label=\"Zeitleiste\">",
                          kWidth, height, kWidth, height);
            appendAxis(svg, axis, height);
        }
        const YachtRow& row = ov.rows[i];
        svg += format("<g transform=\"translate(0,%d)\">", kTop + static_cast<int>(inBlock) * kRowHeight);
        if (i % 2) svg += format("<rect class=\"s\" width=\"%d\" height=\"%d\"/>", kWidth, kRowHeight);
        svg += format("<a href=\"#y%zu\"><text x=\"4\" y=\"13\">", i + 1) + htmlText(row.files.yachtId) +
               "</text></a>";
        const YachtTimeline& t = row.timeline;
        Cells running{}, counted{}, powerOns{}, resets{};
        markIntervals(running, axis, t.running);
        markIntervals(counted, axis, t.counted);
        markTimes(powerOns, axis, t.powerOns);
        markTimes(resets, axis, t.resets);
        appendRuns(svg, "g", 10, running);
        appendRuns(svg, "c", 10, counted);
        appendRuns(svg, "p", 2, powerOns);
        appendRuns(svg, "r", 9, resets);
        if (row.hasFinish && axis.covers(row.finishSeconds))
            svg += format("<path class=\"z\" d=\"M%d 0v%d\"/>", axis.x(row.finishSeconds), kRowHeight);
        if (t.running.empty() && t.counted.empty())
            svg += format("<text class=\"h\" x=\"%d\" y=\"13\">", kLeft + 6) + htmlText(statusText(row)) + "</text>";
        svg += "</g>";
    }
    return svg.empty() ? svg : svg + "</svg>";
}

} // namespace wg
