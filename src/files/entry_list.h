#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wg {

// One yacht of the race office's entry list.
struct EntryListYacht {
    std::string yachtId;    // as the list writes it, blanks at either end dropped
    std::string yachtName;  // at most the yacht record's 63 characters
    std::int32_t sealCount = 0;
    std::int32_t operatingMode = 0;  // 1 to 4; 0 when the list gives none
    std::size_t line = 0;            // in the file, the header being line 1
};

// The entry list ("Meldeliste") a results program exports: a header line
// naming the columns, then one yacht a line.
struct EntryList {
    std::vector<EntryListYacht> yachts;
    std::vector<std::string> unreadLines;  // German, "Zeile 7: ...", in file order
};

// The titles a yacht ID goes under in the lists of other programs (the
// finish list's as well), compared as the list reader compares titles.
inline constexpr const char* kYachtIdTitles[] = {"Yacht-ID", "Segelnummer", "Segel-Nr.", "Sail No", "Sail Number"};

// "<regatta>-Meldeliste.csv" beside the regatta file.
inline constexpr const char* kEntryListSuffix = "-Meldeliste.csv";
// The yacht ID the yacht configuration takes, as its field says.
inline constexpr std::size_t kEntryYachtIdLimit = 7;
// A regatta's list has a few hundred lines.
inline constexpr std::size_t kEntryListByteLimit = 4u << 20;

// Reads a list's bytes with the program's list reader (files/list_reader.h:
// any encoding and separator results programs and spreadsheets write). The
// columns are found by their titles: the yacht ID under kYachtIdTitles, the
// yacht name under "Yachtname", "Yacht", "Boot", "Bootsname", "Boat" or
// "Boat Name", optionally the seals under "Siegel", "Siegel-Anzahl" or
// "Siegelfolien" and the operating mode under "Betriebsart". Blanks in a
// yacht ID are dropped ("GER 12" is GER12). A line that
// cannot be used (unreadable, no yacht ID, one longer than 7 characters or
// unfit for a file name, a yacht ID named twice without regard to case,
// seals that are no number up to 9999, a mode other than 1 to 4) is named
// in `unreadLines` and left out. Empty when the list was read, else why not
// (German).
std::string readEntryList(std::string_view bytes, EntryList& list);

} // namespace wg
