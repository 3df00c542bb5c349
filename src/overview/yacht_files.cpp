#include "overview/yacht_files.h"

#include <algorithm>

#include "files/entry_list.h"
#include "files/file_names.h"
#include "files/text.h"
#include "files/yacht_record.h"
#include "overview/output_text.h"
#include "yacht/readout.h"

namespace wg {
namespace {

enum class Kind { Master, Regatta, Incomplete, Preparation };

struct Suffix {
    std::string folded;
    Kind kind;
};

// What a yacht's file names end in. Fingerprints (".yrd.sha256"), coarse
// minutes (".yrd.grobminuten"), the temporary file of a write in progress
// (".wg-new") and the overview's own outputs end in none of them.
const std::vector<Suffix>& suffixes() {
    static const std::vector<Suffix> all = {
        {foldCase(std::string(".yrd") + kIncompleteSuffix), Kind::Incomplete},
        {".YSD", Kind::Master},
        {".YRD", Kind::Regatta},
        {".YVD", Kind::Preparation},
    };
    return all;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// The key yacht IDs are sorted by: folded, every run of digits padded to
// one width, so "GER2" comes before "GER10".
std::string sortKey(const std::string& id) {
    std::string key;
    for (std::size_t i = 0; i < id.size();) {
        const std::size_t digits = std::min(id.find_first_not_of("0123456789", i), id.size()) - i;
        if (digits == 0) key += id[i++];
        else key += std::string(kYachtIdLimit - std::min(digits, kYachtIdLimit), '0') + id.substr(i, digits);
        i += digits;
    }
    return foldCase(key);
}

} // namespace

bool yachtIdBefore(const std::string& a, const std::string& b) { return sortKey(a) < sortKey(b); }

std::vector<std::string> regattaFileNames(const std::vector<DirectoryEntry>& listing) {
    std::vector<std::string> names;
    for (const DirectoryEntry& e : listing)
        if (e.isFile && e.name.size() > 4 && endsWith(foldCase(e.name), ".RSD")) names.push_back(e.name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string foldedA = foldCase(a), foldedB = foldCase(b);
        return foldedA != foldedB ? foldedA < foldedB : a < b;
    });
    return names;
}

std::vector<YachtFiles> findYachts(const std::string& regatta, const std::vector<DirectoryEntry>& listing) {
    const std::string prefix = foldCase(regatta + "-");
    std::vector<std::string> longerPrefixes;
    for (const std::string& other : regattaFileNames(listing)) {
        const std::string folded = foldCase(dropExtension(other)) + "-";
        if (folded.size() > prefix.size() && startsWith(folded, prefix)) longerPrefixes.push_back(folded);
    }

    std::vector<YachtFiles> yachts;
    std::vector<std::string> foldedIds;  // beside `yachts`
    for (const DirectoryEntry& e : listing) {
        const std::string folded = foldCase(e.name);
        if (!e.isFile || e.foreignName || !startsWith(folded, prefix)) continue;
        if (std::any_of(longerPrefixes.begin(), longerPrefixes.end(),
                        [&](const std::string& p) { return startsWith(folded, p); }))
            continue;
        const auto suffix = std::find_if(suffixes().begin(), suffixes().end(),
                                         [&](const Suffix& s) { return endsWith(folded, s.folded); });
        if (suffix == suffixes().end()) continue;
        const std::size_t suffixSize = suffix->folded.size();
        if (folded.size() < prefix.size() + suffixSize) continue;
        const std::string id = e.name.substr(prefix.size(), e.name.size() - prefix.size() - suffixSize);
        const std::string foldedId = foldCase(id);

        // One entry per yacht ID without regard to case; a second file of the
        // same kind (only a case-sensitive file system can hold one) is a
        // yacht of its own.
        const auto slotTaken = [&](const YachtFiles& y) {
            return suffix->kind == Kind::Master        ? !y.masterName.empty()
                   : suffix->kind == Kind::Regatta     ? !y.regattaName.empty()
                   : suffix->kind == Kind::Preparation ? !y.preparationName.empty()
                                                       : y.incomplete;
        };
        std::size_t at = 0;
        while (at < yachts.size() && (foldedIds[at] != foldedId || slotTaken(yachts[at]))) ++at;
        if (at == yachts.size()) {
            yachts.push_back({});
            yachts.back().yachtId = id;
            foldedIds.push_back(foldedId);
        }
        YachtFiles* yacht = &yachts[at];
        switch (suffix->kind) {
        case Kind::Master: yacht->masterName = e.name; break;
        case Kind::Regatta:
            yacht->regattaName = e.name;
            yacht->regattaSize = e.size;
            break;
        case Kind::Incomplete: yacht->incomplete = true; break;
        case Kind::Preparation: yacht->preparationName = e.name; break;
        }
        yacht->nameRefused = yacht->nameRefused || id.empty() || id.size() > kYachtIdLimit || !isSafeFileName(e.name);
    }
    std::stable_sort(yachts.begin(), yachts.end(),
                     [](const YachtFiles& a, const YachtFiles& b) { return yachtIdBefore(a.yachtId, b.yachtId); });
    return yachts;
}

void addEntryListYachts(std::vector<YachtFiles>& yachts, const EntryList& list) {
    for (const EntryListYacht& listed : list.yachts) {
        const auto same = [&](const YachtFiles& y) { return foldCase(y.yachtId) == foldCase(listed.yachtId); };
        bool found = false;
        for (YachtFiles& y : yachts)
            if (same(y)) y.entryListed = found = true;
        if (!found) {
            yachts.push_back({});
            yachts.back().yachtId = listed.yachtId;
            yachts.back().entryListed = true;
        }
    }
    std::stable_sort(yachts.begin(), yachts.end(),
                     [](const YachtFiles& a, const YachtFiles& b) { return yachtIdBefore(a.yachtId, b.yachtId); });
}

std::vector<std::string> foreignNamedFiles(const std::string& regatta, const std::vector<DirectoryEntry>& listing) {
    const std::string prefix = foldCase(regatta + "-");
    std::vector<std::string> names;
    for (const DirectoryEntry& e : listing)
        if (e.isFile && e.foreignName && startsWith(foldCase(e.name), prefix)) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace wg
