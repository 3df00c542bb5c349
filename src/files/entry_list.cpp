#include "files/entry_list.h"

#include <algorithm>
#include <map>

#include "files/code_page.h"
#include "files/file_names.h"
#include "files/list_reader.h"
#include "files/text.h"
#include "files/yacht_record.h"

namespace wg {
namespace {

const char* const kNameTitles[] = {"Yachtname", "Yacht", "Boot", "Bootsname", "Boat", "Boat Name"};
const char* const kSealTitles[] = {"Siegel", "Siegel-Anzahl", "Siegelfolien"};
const char* const kModeTitles[] = {"Betriebsart"};

bool isNumber(std::string_view text, std::size_t maxDigits) {
    return !text.empty() && text.size() <= maxDigits && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string readEntryList(std::string_view bytes, EntryList& list) {
    const ListTable table = readList(bytes);
    const long idColumn = table.column(kYachtIdTitles), nameColumn = table.column(kNameTitles);
    const long sealColumn = table.column(kSealTitles), modeColumn = table.column(kModeTitles);
    const std::string missing = "In der Kopfzeile fehlt die Spalte für ";
    if (idColumn < 0) return missing + "die Yacht-ID (" + titleListText(kYachtIdTitles) + ").";
    if (nameColumn < 0) return missing + "den Yachtnamen (" + titleListText(kNameTitles) + ").";
    std::map<std::string, std::size_t> lineOfId;
    for (const ListRecord& record : table.records) {
        if (!record.unreadable.empty()) {
            list.unreadLines.push_back(record.unreadable);
            continue;
        }
        // A sail number "GER 12" is the yacht ID GER12, as the finish list matches it: file
        // headers take the yacht ID as one word.
        std::string id(fieldOf(record, idColumn));
        id.erase(std::remove_if(id.begin(), id.end(), [](char c) { return c == ' ' || c == '\t'; }), id.end());
        const std::string_view seals = fieldOf(record, sealColumn), mode = fieldOf(record, modeColumn);
        std::string problem;
        if (id.empty()) problem = "Yacht-ID fehlt";
        else if (id.size() > kEntryYachtIdLimit)
            problem = "Yacht-ID " + quotedListValue(id) + format(" ist länger als %zu Zeichen", kEntryYachtIdLimit);
        else if (!isSafeFileName(id + ".ysd"))
            problem = "Yacht-ID " + quotedListValue(id) + " taugt nicht für einen Dateinamen";
        else if (!seals.empty() && !isNumber(seals, 4)) problem = "Siegel " + quotedListValue(seals) + " ist keine Anzahl";
        else if (!mode.empty() && (mode.size() != 1 || mode[0] < '1' || mode[0] > '4'))
            problem = "Betriebsart " + quotedListValue(mode) + " liegt nicht zwischen 1 und 4";
        else if (const auto [at, added] = lineOfId.emplace(foldCase(id), record.line); !added)
            problem = id + format(" steht schon in Zeile %zu", at->second);
        if (!problem.empty()) {
            list.unreadLines.push_back(format("Zeile %zu: ", record.line) + problem);
            continue;
        }
        list.yachts.push_back({id, cutTo(std::string(fieldOf(record, nameColumn)), kYachtNameLimit),
                               leadingInt(seals), leadingInt(mode), record.line});
    }
    return "";
}

} // namespace wg
