#include "regatta_generator.h"

#include <algorithm>

#include "evaluation/time_arithmetic.h"
#include "files/coarse_minutes_file.h"
#include "files/kv_writer.h"
#include "files/file_names.h"
#include "files/fingerprint.h"
#include "files/regatta_file.h"
#include "files/text.h"
#include "files/yacht_header.h"
#include "files/yacht_master_file.h"
#include "files/yacht_regatta_file.h"
#include "overview/output_text.h"
#include "platform/file_system.h"
#include "yacht/readout.h"

namespace wg::gen {
namespace {

// splitmix64: the same numbers on every platform and compiler.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from `low` to `high`.
    long between(long low, long high) { return low + static_cast<long>(next() % std::uint64_t(high - low + 1)); }

private:
    std::uint64_t state_;
};

// Seconds from 00:00 on 14.06.08, a Saturday.
constexpr long kDay = 86400;
const char* const kNations[] = {"GER", "DEN", "SWE", "NED", "POL", "FRA", "GBR", "NOR"};
const char* const kNames[] = {"Blue Star", "Seeadler", "Wind Rose", "Kormoran", "Nordlicht",
                              "Möwe", "Albatros", "Sturmvogel", "Levante", "Passat"};

YachtKind kindOf(int i) {
    if (i % 10 == 7) return YachtKind::NotReadOut;
    if (i % 10 == 9) return YachtKind::NoFinish;
    if (i % 20 == 11) return YachtKind::BrokenOff;
    if (i % 10 == 3) return YachtKind::Changed;
    if (i % 10 == 5) return YachtKind::NoFingerprint;
    return YachtKind::Evaluated;
}

std::string clockText(long second) {
    return format("%02ld:%02ld:%02ld", second / 3600, second / 60 % 60, second % 60);
}

std::string loggerLine(const char* what, long second) {
    static const char* const kWeekdays[] = {"Sa", "So", "Mo", "Di", "Mi", "Do", "Fr"};
    return format("%s : %02ld.06.08 %s ", what, 14 + second / 86400, kWeekdays[second / 86400 % 7]) +
           clockText(second % 86400);
}

FinishTime finishTimeOf(long second) {
    return {static_cast<std::int32_t>(second % 86400 / 3600), static_cast<std::int32_t>(second / 60 % 60),
            static_cast<std::int32_t>(second % 60), static_cast<std::int32_t>(14 + second / 86400), 6, 8};
}

// `lines` logger lines from 08:30 to half an hour after the finish: engine
// runs of about a fifth of the time from one of three sources (now and then
// a second source on top), power-ons, and a reset after the start. Adds to
// `runSeconds` how long the engine ran between regatta start and `end`, the
// logger's own rough total.
std::vector<std::string> eventLines(Random& random, int lines, long start, long finish, long end, bool reset,
                                    long& runSeconds) {
    static const char* const kOn[] = {"Generator Ein", "Getriebe Ein", "Stecker abgezogen"};
    static const char* const kOff[] = {"Generator Aus", "Getriebe Aus", "Stecker angesteckt"};
    const long first = start - 5400;
    const double pairSeconds = 2.0 * double(finish + 1800 - first) / std::max(lines, 1);
    std::vector<std::string> out;
    long t = first;
    int source = -1;
    long onSince = 0;
    bool resetDone = !reset;
    out.push_back(loggerLine("Start", t));
    while (static_cast<int>(out.size()) < lines) {
        const double share = source < 0 ? 0.8 : 0.2;
        t += std::max(1L, static_cast<long>(pairSeconds * share * random.between(50, 150) / 100));
        const long lastSecond = (end / 86400 + 1) * 86400 - 1;
        if (t >= lastSecond) t = lastSecond;
        if (!resetDone && t > start + 3600) {
            out.push_back(loggerLine("Reset", t));
            resetDone = true;
        } else if (source < 0 && (random.between(0, 19) == 0 || static_cast<int>(out.size()) + 1 == lines)) {
            out.push_back(loggerLine("Start", t));  // also last: no engine run without its end
        } else if (source < 0) {
            source = static_cast<int>(random.between(0, 2));
            onSince = t;
            out.push_back(loggerLine(kOn[source], t));
        } else if (random.between(0, 9) == 0 && static_cast<int>(out.size()) + 2 < lines) {
            out.push_back(loggerLine(kOn[(source + 1) % 3], t));  // a second source while running
        } else {
            out.push_back(loggerLine(kOff[source], t));
            runSeconds += std::max(0L, std::min(t, end) - std::max(onSince, start));
            source = -1;
        }
    }
    return out;
}

// An edit after the readout: the first line that ends an engine run is gone.
bool dropFirstOffLine(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) return false;
    const std::size_t at = std::min({bytes.find("\n$Generator Aus"), bytes.find("\n$Getriebe Aus"),
                                     bytes.find("\n$Stecker angesteckt")});
    if (at == std::string::npos) return false;
    bytes.erase(at + 1, bytes.find('\n', at + 1) - at);
    return replaceFile(path, bytes).complete(1);
}

// What the finish list says of the yacht at place `i`; in another time base none is 75 s off besides.
Listed listedOf(int i, YachtKind kind, const RegattaOptions& options) {
    if (kind == YachtKind::NoFingerprint) return Listed::Missing;
    return i % 10 == 1 && options.listHoursOff == 0 ? Listed::Differs : Listed::Same;
}

// A finish as the list gives it: in its time base, without seconds as a time of day.
FinishTime listTime(long second, const RegattaOptions& options) {
    second += options.listHoursOff * 3600L;
    return finishTimeOf(options.listShape == ListShape::Import ? second / 60 * 60 : second);
}

// The list in the shape asked for, by place.
std::string finishList(const std::vector<GeneratedYacht>& yachts, const std::vector<std::string>& names,
                       ListShape shape, long start) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < yachts.size(); ++i)
        if (yachts[i].listed != Listed::Missing) order.push_back(i);
    const auto seconds = [&](std::size_t i) { return secondCount(yachts[i].listFinish); };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return seconds(a) < seconds(b); });
    const std::string startText = format("%02ld:%02ld", start / 3600, start / 60 % 60);
    std::string text = shape == ListShape::Export   ? "\xEF\xBB\xBFPlatz;Segelnummer;Yacht;Zielzeit\r\n"
                       : shape == ListShape::Import ? "raceno, class, sailno, start, finish\r\n"
                                                    : "Segel-Nr.\tYacht\tDatum\tZielzeit (Uhrzeit)\r\n";
    for (std::size_t place = 0; place < order.size(); ++place) {
        const GeneratedYacht& y = yachts[order[place]];
        const int f[] = {y.listFinish.day, y.listFinish.month, y.listFinish.year, y.listFinish.hour,
                         y.listFinish.minute, y.listFinish.second};
        const char* id = y.id.c_str();
        if (shape == ListShape::Export)
            text += format("%zu;%s;", place + 1, id) + utf8FromCp1252(names[order[place]]) +
                    format(";%02d.%02d.20%02d %02d:%02d:%02d\r\n", f[0], f[1], f[2], f[3], f[4], f[5]);
        else if (shape == ListShape::Import)  // an inch mark in a class name now and then
            text += format("%zu, %s, %s, %s, %02d:%02d\r\n", place + 1, place % 7 == 3 ? "J 24\"" : "ORC", id,
                           startText.c_str(), f[3], f[4]);
        else  // Alt+Enter in one name: Excel quotes that field
            text += y.id + (place == 1 ? "\t\"" + names[order[place]] + "\nSC Kiel\"" : "\t" + names[order[place]]) +
                    format("\t%02d.%02d.20%02d\t%02d:%02d:%02d\r\n", f[0], f[1], f[2], f[3], f[4], f[5]);
    }
    const std::size_t last = order.size() + 1;
    if (shape == ListShape::Export) return text + format("%zu;ZZZ0;Geisterschiff;DNF\r\n", last);
    if (shape == ListShape::Import) return text + format("%zu, ORC, ZZZ0, %s, DNF\r\n", last, startText.c_str());
    // UTF-16 LE: the list's texts lie in Latin-1, where code page 1252 and UTF-16 agree.
    std::string utf16 = "\xFF\xFE";
    for (const char c : text + "ZZZ0\tGeisterschiff\t\tDNF\r\n") utf16 += {c, '\0'};
    return utf16;
}

} // namespace

const char* kindName(YachtKind kind) {
    switch (kind) {
    case YachtKind::Evaluated: return "evaluated";
    case YachtKind::Changed: return "changed";
    case YachtKind::NoFingerprint: return "no-fingerprint";
    case YachtKind::NoFinish: return "no-finish";
    case YachtKind::NotReadOut: return "not-read-out";
    case YachtKind::BrokenOff: return "broken-off";
    case YachtKind::Absent: return "absent";
    }
    return "";
}

std::string generateRegatta(const std::string& dir, const RegattaOptions& options,
                            std::vector<GeneratedYacht>* yachts) {
    const int days = std::clamp(options.days, 1, 7);
    const long start = (options.night ? 20 : 10) * 3600L;
    const long end = options.night ? 8 * 3600L + days * kDay : 18 * 3600L + (days - 1) * kDay;
    RegattaRecord regatta;
    regatta.designation = "Testregatta " + options.name;
    regatta.starters = options.yachts;
    regatta.start = {0, static_cast<std::int32_t>(start / 3600), 0, 14, 6, 8};
    regatta.end = {0, static_cast<std::int32_t>(end % kDay / 3600), 0, static_cast<std::int32_t>(14 + end / kDay), 6, 8};
    if (writeRegattaData(regatta, options.name + ".rsd", dir) != kStatusOk)
        return "cannot write " + options.name + ".rsd";

    std::vector<GeneratedYacht> made;
    std::vector<std::string> names;
    Random random(options.seed);
    for (int i = 0; i < options.yachts; ++i) {
        const YachtKind kind = kindOf(i);
        const bool reset = i % 8 == 6 && kind != YachtKind::NotReadOut;
        YachtRecord yacht;
        yacht.yachtId = format("%s%d", kNations[i % 8], i + 1);
        yacht.yachtName = format("%s %d", kNames[i % 10], i / 10 + 1);
        yacht.serialNumber = format("%lu", 100000ul + static_cast<unsigned long>(random.between(0, 899999)));
        yacht.operatingMode = static_cast<std::int32_t>(1 + i % 5);
        yacht.sealCount = static_cast<std::int32_t>(random.between(1, 6));
        yacht.masterFileName = yachtMasterFileName(options.name, yacht.yachtId);
        yacht.regattaFileName = yachtRegattaFileName(options.name, yacht.yachtId);
        made.push_back({yacht.yachtId, kind, reset, listedOf(i, kind, options), listTime(end - 3600 - i, options), {}});
        names.push_back(yacht.yachtName);
        if (i % 20 == 13) {
            made.push_back({format("ITA%d", i + 1), YachtKind::Absent, false, Listed::OnlyInList,
                            listTime(end - 1800 - i, options), {}});
            names.push_back("Gast");
        }
        if (writeYachtMasterData(yacht, dir) != kStatusOk) return "cannot write " + yacht.masterFileName;
        if (kind == YachtKind::NotReadOut) continue;

        const long finish = end - random.between(1800, 3 * 3600);
        GeneratedYacht& listed = made[made.size() - (i % 20 == 13 ? 2 : 1)];
        listed.listFinish = listTime(finish + (listed.listed == Listed::Differs ? 75 : 0), options);
        std::string block = eventLine("");
        long runSeconds = 0;
        for (const std::string& line : eventLines(random, options.lines, start, finish, end, reset, runSeconds))
            block += eventLine(line);
        if (kind == YachtKind::BrokenOff) {
            // What a readout keeps of a logger that fell silent midway.
            const std::string part = yachtHeaderBytes(yacht) + block.substr(0, block.size() / 2);
            if (!replaceFile(dir + yacht.regattaFileName + kIncompleteSuffix, part).complete(1))
                return "cannot write " + yacht.regattaFileName + kIncompleteSuffix;
            continue;
        }
        if (writeYachtRegattaFile(yacht, dir, block + endLine()) != kStatusOk)
            return "cannot write " + yacht.regattaFileName;
        if (kind != YachtKind::NoFinish) {
            yacht.finish = finishTimeOf(finish);
            listed.typedFinish = yacht.finish;
            if (appendFinishTime(yacht, dir, false).status != kStatusOk) return "cannot append to " + yacht.regattaFileName;
        }
        // As the readout and the finish-time save leave it; one read out before
        // either was kept has neither fingerprint nor coarse minutes.
        if (kind != YachtKind::NoFingerprint &&
            (writeFingerprint(dir, yacht.regattaFileName) != kStatusOk ||
             writeComplete(dir + yacht.regattaFileName + kCoarseMinutesSuffix,
                           coarseMinutesBytes(static_cast<std::int32_t>(runSeconds / 60))) != kStatusOk))
            return "cannot write the fingerprint or coarse minutes of " + yacht.regattaFileName;
        if (kind == YachtKind::Changed && !dropFirstOffLine(dir + yacht.regattaFileName))
            return "cannot edit " + yacht.regattaFileName;
    }
    if (options.finishList &&
        !replaceFile(dir + options.name + "-Zielzeiten.csv", finishList(made, names, options.listShape, start)).complete(1))
        return "cannot write " + options.name + "-Zielzeiten.csv";
    if (!options.finishList)
        for (GeneratedYacht& y : made) y.listed = Listed::Missing;
    if (yachts)
        for (const GeneratedYacht& y : made)
            if (y.kind != YachtKind::Absent || options.finishList) yachts->push_back(y);
    return "";
}

} // namespace wg::gen
