#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace wg {

// The files of one yacht of a regatta, as the data folder holds them.
struct YachtFiles {
    std::string yachtId;        // as the file names carry it
    std::string masterName;     // "<regatta>-<yacht ID>.ysd" as found, or empty
    std::string regattaName;    // the .yrd as found, or empty
    std::uint64_t regattaSize = 0;
    bool incomplete = false;    // a readout broke off: "<name>.yrd.unvollstaendig"
    bool nameRefused = false;   // no yacht ID the program could have named a file with
    std::string preparationName;  // its preparation record ".yvd" as found, or empty
    bool entryListed = false;   // the race office's entry list names it
};

// The order of yacht IDs: without regard to case, numbers by their value
// ("GER2" before "GER10").
bool yachtIdBefore(const std::string& a, const std::string& b);

// The regatta files (".rsd" in any case) of a folder, sorted by name
// without regard to case.
std::vector<std::string> regattaFileNames(const std::vector<DirectoryEntry>& listing);

// The yachts of the regatta whose base name is `regatta`, by the program's
// file-name rule "<regatta>-<yacht ID>.ysd" / ".yrd", names compared without
// regard to case. A name that begins with another regatta of the folder
// whose name is this one's plus "-" and more belongs to that regatta.
// Sorted by yacht ID.
std::vector<YachtFiles> findYachts(const std::string& regatta, const std::vector<DirectoryEntry>& listing);

struct EntryList;
// Marks the yachts the entry list names, IDs compared without regard to
// case, and adds those it names without any file; sorted by yacht ID again.
void addEntryListYachts(std::vector<YachtFiles>& yachts, const EntryList& list);
// Files of the regatta (by the start of their names) whose names hold a
// character code page 1252 has none for: the program cannot open them, so
// it names them ("Kiel-?ód.yrd") rather than pass over them without a word.
std::vector<std::string> foreignNamedFiles(const std::string& regatta, const std::vector<DirectoryEntry>& listing);

} // namespace wg
