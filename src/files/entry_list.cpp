#include "files/entry_list.h"

#include <algorithm>
#include <map>

#include "files/file_names.h"
#include "files/text.h"
#include "files/yacht_record.h"
// The decoding and case folding the finish list uses, until both lists go
// through one reader in this folder.
#include "overview/output_text.h"

namespace wg {
namespace {

using Titles = std::vector<const char*>;
const Titles kIdTitles = {"YACHT-ID", "SEGELNUMMER", "SAIL NO", "SAILNO"};
const Titles kNameTitles = {"YACHTNAME", "YACHT", "BOOT", "BOOTSNAME", "BOAT", "BOAT NAME"};
const Titles kSealTitles = {"SIEGEL", "SIEGEL-ANZAHL", "SIEGELFOLIEN"};
const Titles kModeTitles = {"BETRIEBSART"};
constexpr std::size_t kShownValueLimit = 30;

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The lines of the list, each as its fields; a quoted field may hold the
// separator, doubled quotes and line ends.
std::vector<std::vector<std::string>> records(const std::string& text, char separator) {
    std::vector<std::vector<std::string>> lines(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' && quoted && i + 1 < text.size() && text[i + 1] == '"') lines.back().back() += text[i++];
        else if (c == '"') quoted = !quoted;
        else if (c == separator && !quoted) lines.back().emplace_back();
        else if ((c == '\n' || c == '\r') && !quoted) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back(1);
        } else lines.back().back() += c;
    }
    return lines;
}

long columnOf(const std::vector<std::string>& header, const Titles& titles) {
    for (std::size_t c = 0; c < header.size(); ++c)
        if (std::find(titles.begin(), titles.end(), foldCase(trimmed(header[c]))) != titles.end())
            return static_cast<long>(c);
    return -1;
}

// „GER12345“: a value as the line names it.
std::string quotedValue(const std::string& value) {
    return "\x84" + value.substr(0, kShownValueLimit) + (value.size() > kShownValueLimit ? "\x85" : "") + "\x93";
}

bool isNumber(const std::string& text, std::size_t maxDigits) {
    return !text.empty() && text.size() <= maxDigits && text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

std::string readEntryList(std::string_view bytes, EntryList& list) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::optional<std::string> utf8 = cp1252FromUtf8(bytes);
    const std::string text = utf8 ? *utf8 : std::string(bytes);
    const std::string headerLine = text.substr(0, text.find_first_of("\r\n"));
    const char separator = headerLine.find(';') != std::string::npos ? ';' : ',';
    const std::vector<std::vector<std::string>> lines = records(text, separator);
    const auto blank = [](const std::vector<std::string>& fields) {
        return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return trimmed(f).empty(); });
    };
    std::size_t headerAt = 0;
    while (headerAt < lines.size() && blank(lines[headerAt])) ++headerAt;
    const std::vector<std::string> header = headerAt < lines.size() ? lines[headerAt] : std::vector<std::string>();
    const long idColumn = columnOf(header, kIdTitles), nameColumn = columnOf(header, kNameTitles);
    const long sealColumn = columnOf(header, kSealTitles), modeColumn = columnOf(header, kModeTitles);
    if (idColumn < 0) return "In der Kopfzeile fehlt die Spalte für die Yacht-ID („Yacht-ID“, „Segelnummer“, „Sail No“ "
                             "oder „SailNo“).";
    if (nameColumn < 0) return "In der Kopfzeile fehlt die Spalte für den Yachtnamen („Yachtname“, „Yacht“, „Boot“, "
                               "„Bootsname“, „Boat“ oder „Boat Name“).";

    std::map<std::string, std::size_t> lineOfId;
    for (std::size_t i = headerAt + 1; i < lines.size(); ++i) {
        if (blank(lines[i])) continue;
        const auto field = [&](long column) {
            return column >= 0 && static_cast<std::size_t>(column) < lines[i].size() ? trimmed(lines[i][column])
                                                                                     : std::string();
        };
        EntryListYacht yacht{field(idColumn), cutTo(field(nameColumn), kYachtNameLimit), 0, 0, i + 1};
        const std::string seals = field(sealColumn), mode = field(modeColumn);
        std::string problem;
        if (yacht.yachtId.empty()) problem = "Yacht-ID fehlt";
        else if (yacht.yachtId.size() > kEntryYachtIdLimit)
            problem = "Yacht-ID " + quotedValue(yacht.yachtId) + format(" ist länger als %zu Zeichen", kEntryYachtIdLimit);
        else if (!isSafeFileName(yacht.yachtId + ".ysd"))
            problem = "Yacht-ID " + quotedValue(yacht.yachtId) + " taugt nicht für einen Dateinamen";
        else if (!seals.empty() && !isNumber(seals, 4)) problem = "Siegel " + quotedValue(seals) + " ist keine Anzahl";
        else if (!mode.empty() && (mode.size() != 1 || mode[0] < '1' || mode[0] > '4'))
            problem = "Betriebsart " + quotedValue(mode) + " liegt nicht zwischen 1 und 4";
        else if (const auto [at, added] = lineOfId.emplace(foldCase(yacht.yachtId), yacht.line); !added)
            problem = yacht.yachtId + format(" steht schon in Zeile %zu", at->second);
        if (!problem.empty()) {
            list.unreadLines.push_back(format("Zeile %zu: ", yacht.line) + problem);
            continue;
        }
        yacht.sealCount = leadingInt(seals);
        yacht.operatingMode = leadingInt(mode);
        list.yachts.push_back(yacht);
    }
    return "";
}

} // namespace wg
