#include "platform/file_system.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace wg {

std::string nativePath(const std::string& programPath) {
#ifdef _WIN32
    return programPath;
#else
    std::string native = programPath;
    for (char& c : native)
        if (c == '\\') c = '/';
    return native;
#endif
}

bool readWholeFile(const std::string& programPath, std::string& bytes) {
    std::FILE* f = std::fopen(nativePath(programPath).c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    char chunk[8192];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
    std::fclose(f);
    return true;
}

static bool writeAll(const std::string& nativeName, const char* mode, const std::string& bytes) {
    std::FILE* f = std::fopen(nativeName.c_str(), mode);
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

bool replaceFile(const std::string& programPath, const std::string& bytes) {
    const std::string target = nativePath(programPath);
    const std::string temp = target + ".wg-new";
    if (!writeAll(temp, "wb", bytes)) {
        std::remove(temp.c_str());
        return false;
    }
#ifdef _WIN32
    if (!MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
#else
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
#endif
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool appendToFile(const std::string& programPath, const std::string& bytes) {
    return writeAll(nativePath(programPath), "ab", bytes);
}

bool fileExists(const std::string& programPath) {
    std::FILE* f = std::fopen(nativePath(programPath).c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

} // namespace wg
