#pragma once
#include <string>

namespace wg {

// Where every regatta and yacht file lives, relative to the working directory.
inline constexpr const char* kDataDirectory = "..\\Daten\\";

// Shown when a typed or composed file name would leave the data directory or
// could not be a file name there.
inline constexpr const char* kUnsafeFileNameMessage =
    "Der Dateiname ist ungültig: Er darf weder \\ / : * ? \" < > | noch Steuerzeichen "
    "enthalten und kein Gerätename (CON, PRN, AUX, NUL, COM1..9, LPT1..9) sein. "
    "Bitte anderen Namen eingeben!";

// True when `name` can stand as one file name inside the data directory:
// not empty, no directory separators, drive colons, wildcards or control
// characters, and not a device name that would open a device instead of a
// file. Every writer checks the name it joins to its directory here.
bool isSafeFileName(const std::string& name);

// The base name of a regatta master data file: the part of its path after the
// last "\" (after the last ":" when there is none), less its last four
// characters. A part of four characters or fewer has nothing before its
// extension and gives the empty name.
std::string regattaBaseName(const std::string& path);

// The same for yacht files, which only look for "\".
std::string yachtBaseName(const std::string& path);

// "%s-%s.ysd" and "%s-%s.yrd" from the regatta file name and the yacht ID.
// Empty when the name would not fit the yacht record's 255-character field.
std::string yachtMasterFileName(const std::string& regattaFileName, const std::string& yachtId);
std::string yachtRegattaFileName(const std::string& regattaFileName, const std::string& yachtId);

} // namespace wg
