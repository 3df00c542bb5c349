#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_fault.h"

namespace wg {

// Paths stay in the program's Windows form ("..\Daten\x.ysd") throughout the
// logic; only these functions turn them into native ones.
std::string nativePath(const std::string& programPath);

// Files are the program's database, shared by copies of the program and by
// PCs on one network folder. A file is only ever replaced whole: the new one
// is written beside it under a name no other copy or PC can choose, flushed
// to the device, checked for its size, and only then moved over the old one.

// Who wrote a temporary file: a PC and a process on it.
struct TemporaryOwner {
    std::string computer;
    long process = 0;
};

// The names of temporary files: "<name>.<computer>-<process>-<count>.wg-new".
inline constexpr const char* kTemporarySuffix = ".wg-new";
// This copy's next own tag "<computer>-<process>-<count>"; never the same twice.
std::string nextTemporaryTag();
std::string temporaryName(const std::string& name, const std::string& tag);
// The owner a temporary file's name gives; none for any other name.
std::optional<TemporaryOwner> temporaryOwner(const std::string& fileName);
// This PC's name as temporary names carry it: letters and digits, anything
// else as "_", "PC" when the system does not tell.
std::string temporaryComputerName(const std::string& systemName);

// Of the names in a folder, the temporary files this PC left behind from a
// copy of the program that no longer runs; another PC's stay, as do those of
// copies still running.
std::vector<std::string> staleTemporaryFiles(const std::vector<std::string>& names, const std::string& computer,
                                             const std::function<bool(long)>& running);
// Removes them from `programDir`; how many went.
std::size_t removeStaleTemporaryFiles(const std::string& programDir);

// Reads a whole file, shared with writers and with other copies' replacements.
// False when it cannot be opened. Reading stops once more than `limit` bytes
// are in, so a file too large is told without holding all of it.
bool readWholeFile(const std::string& programPath, std::string& bytes, std::uint64_t limit = UINT64_MAX);

// One file of a replacement: where it goes and its complete new bytes.
struct NewContent {
    std::string programPath;
    std::string_view bytes;
};

// How a replacement went.
struct Replacement {
    std::size_t landed = 0;             // files that took their place, from the first on
    FileFault fault = FileFault::None;  // why the next one did not
    std::string keptAs;                 // program path of its new content kept beside it, if any
    // The first `files` of them landed.
    bool complete(std::size_t files) const { return landed >= files; }
};

// Replaces files that belong together: every new file is written completely
// beside its old one before any takes its place, then they take their places
// in order. All land, or none with every old file as it was, or fewer when
// one could not take its place (the later ones as they were too). When a
// file cannot take its place because another program holds it open, its new
// content is kept beside it under keptBesideName. Nothing temporary is left.
Replacement replaceFiles(const std::vector<NewContent>& files);
// The same for one file.
Replacement replaceFile(const std::string& programPath, std::string_view bytes);

// Where new content goes that cannot replace a file held open by another
// program: pages and lists a user opens in other programs keep their
// extension ("Kiel-Uebersicht.neu.csv"), the program's own files get ".neu"
// behind theirs, so that no reader takes them for one of its files.
std::string keptBesideName(const std::string& name);

bool removeFile(const std::string& programPath);
bool fileExists(const std::string& programPath);

// Whether a file can be created, written and removed in a directory
// ("..\Daten\"): tries exactly that with a file of this copy's own.
bool canWriteIn(const std::string& programDir);

// The directory's full path as the user knows it, for messages; `programDir`
// itself when it cannot be told.
std::string fullDirectoryPath(const std::string& programDir);

// One entry of a directory: a plain file with its size, or something else.
struct DirectoryEntry {
    std::string name;
    std::uint64_t size = 0;
    bool isFile = false;
    // The name holds a character code page 1252 has no byte for: `name`
    // shows "?" there and cannot open the file.
    bool foreignName = false;
};

// The entries of a directory ("..\Daten\" or "..\Daten"; "" is the working
// directory), without "." and "..", in no particular order. False when the
// directory does not exist or cannot be read.
bool listDirectory(const std::string& programDir, std::vector<DirectoryEntry>& entries);

} // namespace wg
