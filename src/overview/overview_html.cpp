#include <algorithm>
#include <string>

#include "files/text.h"
#include "overview/output_text.h"
#include "overview/regatta_overview.h"

namespace wg {
namespace {

const char* const kStyle =
    "@page{size:A4 landscape;margin:10mm}"
    "body{font:13px/1.35 Arial,Helvetica,sans-serif;color:#111;margin:16px;"
    "-webkit-print-color-adjust:exact;print-color-adjust:exact}"
    "h1{font-size:20px;margin:0 0 4px}h2{font-size:16px;margin:20px 0 6px}h3{font-size:14px;margin:16px 0 4px}"
    "table{border-collapse:collapse}th,td{border:1px solid #bbb;padding:2px 6px;text-align:left;vertical-align:top}"
    "th{background:#eee}td{white-space:nowrap}td.n{text-align:right;white-space:pre}td.st{white-space:normal;min-width:12em}"
    "tr.b td{background:#fff3cd}tr.x td{background:#f8d7da}"
    "tr.o td{color:#666}.kopf span{margin-right:18px}.hinweis{color:#555}"
    ".warnung{background:#f8d7da;padding:4px 8px;font-weight:bold}"
    ".zeitleiste{width:100%;height:auto;font:11px Arial,Helvetica,sans-serif}"
    ".g{stroke:#b5b5b5;stroke-width:8}.c{stroke:#c0392b;stroke-width:8}.p{stroke:#1a5fb4;stroke-width:5}"
    ".r{stroke:#7d3c98;stroke-width:18;opacity:.75}.z{stroke:#000;stroke-width:2}.t{stroke:#ddd}.s{fill:#f3f3f3}"
    ".h{fill:#666;font-style:italic}"
    ".legende span{display:inline-block;width:22px;height:10px;margin:0 5px 0 14px;vertical-align:middle}"
    "@media print{a{color:inherit;text-decoration:none}h2{break-after:avoid}section,.zeitleiste{break-inside:avoid}"
    "#zeitleiste,.zeitleiste+.zeitleiste{break-before:page}}";

// Red for rows that must not be taken as they stand, yellow for rows that
// need a look; a finish from the list or a missing checksum alone needs neither.
const char* rowClass(const YachtRow& row) {
    if (row.findings.empty()) return "";
    switch (row.findings.front()) {
    case Finding::Failed:
    case Finding::NameRefused:
    case Finding::Damaged:
    case Finding::Changed:
    case Finding::OtherLogger: return " class=\"x\"";
    case Finding::FinishFromList:
    case Finding::NoChecksum: return "";
    default: return " class=\"b\"";
    }
}

void appendUnreadLines(std::string& html, const FinishList& list) {
    if (list.unreadLines.empty()) return;
    html += "<p class=\"hinweis\">Nicht gelesene Zeilen der Zielzeitenliste:</p>\n<ul class=\"hinweis\">";
    for (std::size_t i = 0; i < std::min(list.unreadLines.size(), kUnreadLinesShown); ++i)
        html += "<li>" + htmlText(list.unreadLines[i]);
    if (list.unreadLines.size() > kUnreadLinesShown)
        html += format("<li>und %zu weitere", list.unreadLines.size() - kUnreadLinesShown);
    html += "</ul>\n";
}

std::string lineText(const EventJudgement& j) {
    std::string text(j.key);
    if (j.kind == kEventOn) text += j.key == "Stecker" ? " abgezogen" : " Ein";
    if (j.kind == kEventOff) text += j.key == "Stecker" ? " angesteckt" : " Aus";
    return text;
}

std::string judgementText(const EventJudgement& j) {
    const std::string counted = shortDuration(j.to - j.from);
    switch (j.effect) {
    case EventEffect::OnKept: return "Beginn gemerkt";
    case EventEffect::OnWhileRunning: return "lief schon: ohne Wirkung";
    case EventEffect::OnOutsideWindow: return "nicht zwischen Start und Ziel: nicht gemerkt";
    case EventEffect::OffCounted: return "gezählt: " + counted;
    case EventEffect::OffCountedFromStart: return "ohne Beginn, ab Start gezählt: " + counted;
    case EventEffect::OffCutAtFinish: return "bis zum Ziel gezählt: " + counted;
    case EventEffect::OffBeforeStart: return "vor dem Start: nichts gezählt";
    case EventEffect::OffAfterFinish: return "nach dem Ziel: ohne Wirkung";
    case EventEffect::ResetTotal: return "Summe neu = Start bis Reset: " + counted;
    case EventEffect::ResetBeforeStart: return "vor dem Start: ohne Wirkung";
    case EventEffect::PowerOnCounted: return "Power-On gezählt";
    case EventEffect::PowerOnOutside: return "nicht zwischen Start und Ziel: nicht gezählt";
    }
    return "";
}

std::string timeCell(const FinishTime& time) {
    const std::string text = dateTimeText(time);
    return text.empty() ? "ungültige Zeit" : text;
}

void appendDetail(std::string& html, const YachtRow& row, std::size_t number) {
    const YachtTimeline& t = row.timeline;
    const std::string file = htmlText(row.files.regattaName);
    html += format("<section id=\"y%zu\"><h3>", number) + htmlText(row.files.yachtId);
    if (!row.yachtName.empty()) html += " &middot; " + htmlText(row.yachtName);
    html += "</h3><p>Status: " + htmlText(statusText(row));
    if (row.hasEngineTime) html += " &middot; Motorlaufzeit bis Zieldurchgang " + shortDuration(row.engineSeconds);
    if (row.listFinish) html += " &middot; Zieldurchgang laut Liste " + timeCell(*row.listFinish);
    if (!file.empty())
        html += " &middot; Datei <a href=\"" + urlOfFileName(row.files.regattaName) + "\">" + file + "</a>";
    html += "</p>\n";
    if (!t.detail.empty()) {
        html += "<table><tr><th>Zeit<th>Ereigniszeile<th>Bewertung\n";
        for (const DetailEntry& e : t.detail) {
            if (e.runLength == 1) {
                html += withoutEffect(e.line.effect) ? "<tr class=\"o\"><td>" : "<tr><td>";
                html += timeCell(e.line.time) + "<td>" + lineText(e.line) + "<td>" + judgementText(e.line) + "\n";
            } else {
                html += "<tr class=\"o\"><td>" + timeCell(e.line.time) + " bis " + timeCell(e.lastTime) +
                        "<td colspan=\"2\">" + std::to_string(e.runLength) +
                        " Zeilen ohne Wirkung auf die Motorlaufzeit\n";
            }
        }
        html += "</table>\n";
    }
    if (t.linesNotShown)
        html += format("<p class=\"hinweis\">Weitere %zu Ereigniszeilen sind hier nicht aufgeführt; alle stehen "
                       "in der Datei oben.</p>\n", t.linesNotShown);
    if (t.openAtEnd)
        html += "<p class=\"hinweis\">Nach der Ein-Zeile von " + timeCell(t.openSinceTime) +
                " folgt keine Aus-Zeile: diese Laufzeit zählt nicht.</p>\n";
    html += "</section>\n";
}

} // namespace

std::string overviewHtml(const RegattaOverview& ov) {
    const std::string title = "Regatta-Übersicht " + htmlText(ov.regatta.designation.empty()
                                                                   ? ov.regattaFile : ov.regatta.designation);
    std::string html = "<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\"><title>" + title +
                       "</title>\n<style>" + kStyle + "</style></head><body>\n<h1>" + title + "</h1>\n";
    html += "<p class=\"kopf\">";
    for (const auto& [label, value] : headItems(ov))
        html += "<span>" + label + ": <b>" + htmlText(value) + "</b></span>";
    html += "</p>\n";
    if (ov.listHoursOff) html += "<p class=\"warnung\">" + htmlText(timeBaseWarning(ov)) + "</p>\n";
    if (!ov.foreignNamedFiles.empty()) html += "<p class=\"warnung\">" + htmlText(foreignNamesText(ov)) + "</p>\n";
    const bool withList = ov.finishList.has_value();
    if (withList) appendUnreadLines(html, *ov.finishList);
    html += "<table class=\"liste\"><thead><tr>";
    for (const std::string& t : columnTitles(withList)) html += "<th>" + t;
    html += "</thead><tbody>\n";
    for (std::size_t i = 0; i < ov.rows.size(); ++i) {
        const std::vector<std::string> cells = rowCells(ov.rows[i], withList);
        html += std::string("<tr") + rowClass(ov.rows[i]) + ">";
        for (std::size_t c = 0; c < cells.size(); ++c) {
            // The status, the last column but the preparation, may take two lines.
            const bool status = c + 2 == cells.size();
            html += isNumberColumn(c, withList) ? "<td class=\"n\">" : status ? "<td class=\"st\">" : "<td>";
            if (c == 0) html += format("<a href=\"#y%zu\">", i + 1) + htmlText(cells[c]) + "</a>";
            else html += htmlText(cells[c]);
        }
        html += "\n";
    }
    html += "</tbody></table>\n<p class=\"hinweis\">";
    if (withList)
        html += "Zieldurchgang: der gespeicherte der Yacht, ohne ihn der laut Liste; weichen beide ab, zählt der "
                "gespeicherte. ";
    html += "Grobminuten: vom ERLG beim Auslesen gemeldet; leer, wenn die Yacht "
            "nicht oder mit einer älteren Programmversion ausgelesen wurde. "
            "Vorbereitet: wann und welcher ERLG laut Vorbereitungsprotokoll (.yvd) der Serienvorbereitung. "
            "\x84" "anderer ERLG als vorbereitet\x93: ausgelesen wurde ein anderer ERLG als der für die Yacht "
            "vorbereitete; \x84nicht vorbereitet\x93: in der Meldeliste, aber kein Vorbereitungsprotokoll; "
            "\x84vorbereitet, nicht ausgelesen\x93: vorbereitet, aber noch nicht ausgelesen.</p>\n"
            "<h2 id=\"zeitleiste\">Zeitleiste</h2>\n<p class=\"legende\">"
            "<span style=\"background:#c0392b\"></span>gezählte Motorlaufzeit"
            "<span style=\"background:#b5b5b5\"></span>Motor an, nicht gezählt"
            "<span style=\"background:#1a5fb4;height:5px;width:6px\"></span>Power-On"
            "<span style=\"background:#7d3c98\"></span>Reset"
            "<span style=\"background:#000;width:2px\"></span>Zieldurchgang</p>\n" +
            timelineSvg(ov) + "\n<h2>Ereigniszeilen je Yacht</h2>\n";
    for (std::size_t i = 0; i < ov.rows.size(); ++i) appendDetail(html, ov.rows[i], i + 1);
    html += "</body></html>\n";
    return utf8FromCp1252(html);
}

} // namespace wg
