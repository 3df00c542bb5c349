#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wg {

// Paths stay in the program's Windows form ("..\Daten\x.ysd") throughout the
// logic; only these functions turn them into native ones.
std::string nativePath(const std::string& programPath);

// The C runtime's file functions on native paths. On Windows the name may
// hold any character of code page 1252, whatever the system's code page.
std::FILE* openNativeFile(const std::string& nativeName, const char* mode);
bool removeNativeFile(const std::string& nativeName);
// Moves a file over another one, replacing it. False when it fails.
bool moveReplacing(const std::string& nativeFrom, const std::string& nativeTo);

// The name a new file is written under beside `name` before it takes its
// place: "<name>.<process id>.wg-new". Two copies of the program that write
// the same file at once (the settings, when both end together) then never
// write into each other's new file; the last one to finish wins whole.
std::string replacementName(const std::string& name);

// Reads a whole file. Returns false when it cannot be opened. Reading stops
// once more than `limit` bytes are in, so a file too large is told without
// holding all of it.
bool readWholeFile(const std::string& programPath, std::string& bytes, std::uint64_t limit = UINT64_MAX);

// Writes a complete new file beside the old one and only then puts it in the
// old one's place, so a failed write never leaves a half file behind.
// Returns false when the file cannot be written; the old file is untouched.
bool replaceFile(const std::string& programPath, const std::string& bytes);

// The same for files that belong together: every new file is written
// completely beside its old one before any takes its place, then they take
// their places in order. How many did: all, or 0 with every old file as it
// was, or fewer when one could not take its place (the later ones as they
// were, too).
std::size_t replaceFiles(const std::vector<std::pair<std::string, std::string_view>>& files);

// Appends bytes to a file, creating it when missing. False when it cannot
// be opened.
bool appendToFile(const std::string& programPath, const std::string& bytes);

bool fileExists(const std::string& programPath);

// Whether a file can be created, written and removed in a directory
// ("..\Daten\"): tries exactly that with a small file of its own.
bool canWriteIn(const std::string& programDir);

// The directory's full path as the user knows it, for messages; `programDir`
// itself when it cannot be told.
std::string fullDirectoryPath(const std::string& programDir);

// One entry of a directory: a plain file with its size, or something else.
struct DirectoryEntry {
    std::string name;
    std::uint64_t size = 0;
    bool isFile = false;
};

// The entries of a directory ("..\Daten\" or "..\Daten"; "" is the working
// directory), without "." and "..", in no particular order. On Windows a
// name code page 1252 cannot hold is left out: no file of the program has one. False when the
// directory does not exist or cannot be read.
bool listDirectory(const std::string& programDir, std::vector<DirectoryEntry>& entries);

} // namespace wg
