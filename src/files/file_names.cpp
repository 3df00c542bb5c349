#include "files/file_names.h"

#include <cctype>

#include "files/text.h"
#include "files/yacht_record.h"

namespace wg {

namespace {

bool isDeviceName(const std::string& name) {
    // Windows opens these devices whatever extension follows the name.
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
        stem == "CONOUT$")
        return true;
    if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0)) {
        const unsigned char n = static_cast<unsigned char>(stem[3]);
        // Digits 1 to 9, and the superscripts 1, 2 and 3 of the code page.
        return (n >= '1' && n <= '9') || n == 0xB9 || n == 0xB2 || n == 0xB3;
    }
    return false;
}

std::string yachtFileName(const std::string& regattaFileName, const std::string& yachtId,
                          const char* extension) {
    std::string name = format("%s-%s%s", regattaFileName.c_str(), yachtId.c_str(), extension);
    return name.size() <= kYachtFileNameLimit ? name : std::string();
}

} // namespace

bool isSafeFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name) {
        if (c < 32 || c == 127) return false;
        switch (c) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
            return false;
        default:
            break;
        }
    }
    return !isDeviceName(name);
}

std::string regattaBaseName(const std::string& path) {
    std::string::size_type cut = path.rfind('\\');
    if (cut == std::string::npos) cut = path.rfind(':');
    const std::string part = cut == std::string::npos ? path : path.substr(cut + 1);
    return dropExtension(part);
}

std::string yachtBaseName(const std::string& path) { return dropExtension(afterLastBackslash(path)); }

std::string yachtMasterFileName(const std::string& regattaFileName, const std::string& yachtId) {
    return yachtFileName(regattaFileName, yachtId, ".ysd");
}

std::string yachtRegattaFileName(const std::string& regattaFileName, const std::string& yachtId) {
    return yachtFileName(regattaFileName, yachtId, ".yrd");
}

} // namespace wg
