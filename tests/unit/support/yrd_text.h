#pragma once
#include <string>
#include <vector>

namespace wg::test {

// One line of the program's key files: "$key", blanks up to `column`, the value, CR LF.
inline std::string entry(const std::string& key, const std::string& value, std::size_t column = 40) {
    return ("$" + key).append(column - 1 - key.size(), ' ') + value + "\r\n";
}

// Pieces of a yacht regatta data file as the readout and the finish-time save write them.
inline const std::string kYrdHeader = entry("Dateikennung", "Yachtdaten") + entry("Yachtname", "Blue Star") +
                                      entry("Yacht-ID", "GER12") + entry("ERLG-Seriennummer", "4711") +
                                      entry("Betriebsart", "3") + entry("Siegel-Anzahl", "2");

// One logger line: ev("Generator Ein", "09:50:00") is "$Generator Ein : 03.06.04 Do 09:50:00".
inline std::string ev(const std::string& head, const std::string& time, const std::string& date = "03.06.04") {
    return "$" + head + " : " + date + " Do " + time + "\r\n";
}

inline std::string finishBlock(int hour, int minute, int second, int day, int month, int year) {
    std::string block;
    const std::pair<const char*, int> entries[] = {{"Stunde", hour}, {"Minute", minute}, {"Sekunde", second},
                                                   {"Tag", day},     {"Monat", month},   {"Jahr", year}};
    for (const auto& [name, value] : entries) block += entry(std::string("Zielzeit_") + name, std::to_string(value));
    return block;
}

// A whole file: header, event block, end line, finish at 14:00:00 on 3.6.04.
inline std::string yrdFile(const std::vector<std::string>& events,
                           const std::string& finish = finishBlock(14, 0, 0, 3, 6, 4)) {
    std::string file = kYrdHeader + "$ERLG Ereignisspeicher Auslesen\r\n";
    for (const std::string& e : events) file += e;
    return file + "$Ereigniss Ende\r\n" + finish;
}

} // namespace wg::test
