#include "overview/yacht_files.h"

#include <algorithm>

#include "files/file_names.h"
#include "files/text.h"
#include "files/yacht_record.h"
#include "overview/output_text.h"
#include "yacht/readout.h"

namespace wg {
namespace {

enum class Kind { Master, Regatta, Incomplete };

struct Suffix {
    std::string folded;
    Kind kind;
};

// What a yacht's file names end in. Fingerprints (".yrd.sha256"), the
// temporary file of a write in progress (".wg-new") and the overview's own
// outputs end in none of them.
const std::vector<Suffix>& suffixes() {
    static const std::vector<Suffix> all = {
        {foldCase(std::string(".yrd") + kIncompleteSuffix), Kind::Incomplete},
        {".YSD", Kind::Master},
        {".YRD", Kind::Regatta},
    };
    return all;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "GER2" before "GER10": runs of digits compare by their value.
bool idBefore(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::size_t ia = i, jb = j;
            while (i < a.size() && isDigit(a[i])) ++i;
            while (j < b.size() && isDigit(b[j])) ++j;
            const std::string x = a.substr(ia, i - ia), y = b.substr(jb, j - jb);
            const std::string xs = x.substr(std::min(x.find_first_not_of('0'), x.size()));
            const std::string ys = y.substr(std::min(y.find_first_not_of('0'), y.size()));
            if (xs.size() != ys.size()) return xs.size() < ys.size();
            if (xs != ys) return xs < ys;
        } else {
            if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::vector<std::string> regattaFileNames(const std::vector<DirectoryEntry>& listing) {
    std::vector<std::string> names;
    for (const DirectoryEntry& e : listing)
        if (e.isFile && e.name.size() > 4 && endsWith(foldCase(e.name), ".RSD")) names.push_back(e.name);
    std::sort(names.begin(), names.end());
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
        if (!e.isFile || !startsWith(folded, prefix)) continue;
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
            switch (suffix->kind) {
            case Kind::Master: return !y.masterName.empty();
            case Kind::Regatta: return !y.regattaName.empty();
            case Kind::Incomplete: return y.incomplete;
            }
            return true;
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
        }
        yacht->nameRefused = yacht->nameRefused || id.empty() || id.size() > kYachtIdLimit || !isSafeFileName(e.name);
    }
    std::stable_sort(yachts.begin(), yachts.end(), [](const YachtFiles& a, const YachtFiles& b) {
        return idBefore(foldCase(a.yachtId), foldCase(b.yachtId));
    });
    return yachts;
}

} // namespace wg
