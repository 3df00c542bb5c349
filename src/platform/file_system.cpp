#include "platform/file_system.h"

#include <cstdio>

#ifdef _WIN32
#include <process.h>
#include <windows.h>

#include "win32/wide_text.h"
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
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

std::string replacementName(const std::string& name) {
#ifdef _WIN32
    const long process = _getpid();
#else
    const long process = getpid();
#endif
    return name + "." + std::to_string(process) + ".wg-new";
}

std::FILE* openNativeFile(const std::string& nativeName, const char* mode) {
#ifdef _WIN32
    return _wfopen(wide(nativeName).c_str(), wide(mode).c_str());
#else
    return std::fopen(nativeName.c_str(), mode);
#endif
}

bool removeNativeFile(const std::string& nativeName) {
#ifdef _WIN32
    return DeleteFileW(wide(nativeName).c_str()) != 0;
#else
    return std::remove(nativeName.c_str()) == 0;
#endif
}

bool moveReplacing(const std::string& nativeFrom, const std::string& nativeTo) {
#ifdef _WIN32
    return MoveFileExW(wide(nativeFrom).c_str(), wide(nativeTo).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(nativeFrom.c_str(), nativeTo.c_str()) == 0;
#endif
}

bool readWholeFile(const std::string& programPath, std::string& bytes, std::uint64_t limit) {
    std::FILE* f = openNativeFile(nativePath(programPath), "rb");
    if (!f) return false;
    bytes.clear();
    char chunk[8192];
    std::size_t n;
    while (bytes.size() <= limit && (n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
    std::fclose(f);
    return true;
}

static bool writeAll(const std::string& nativeName, const char* mode, std::string_view bytes) {
    std::FILE* f = openNativeFile(nativeName, mode);
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

std::size_t replaceFiles(const std::vector<std::pair<std::string, std::string_view>>& files) {
    std::vector<std::string> targets;
    bool written = true;
    for (const auto& [path, bytes] : files) {
        targets.push_back(nativePath(path));
        if (!(written = writeAll(replacementName(targets.back()), "wb", bytes))) break;
    }
    std::size_t moved = 0;
    if (written)
        while (moved < targets.size() && moveReplacing(replacementName(targets[moved]), targets[moved])) ++moved;
    for (std::size_t i = moved; i < targets.size(); ++i) removeNativeFile(replacementName(targets[i]));
    return moved;
}

bool replaceFile(const std::string& programPath, const std::string& bytes) {
    return replaceFiles({{programPath, bytes}}) == 1;
}

bool appendToFile(const std::string& programPath, const std::string& bytes) {
    return writeAll(nativePath(programPath), "ab", bytes);
}

bool fileExists(const std::string& programPath) {
    std::FILE* f = openNativeFile(nativePath(programPath), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool canWriteIn(const std::string& programDir) {
    const std::string probe = nativePath(programDir + "Wakeguard-Schreibprobe.tmp");
    const bool written = writeAll(probe, "wb", "Wakeguard\r\n");
    return removeNativeFile(probe) && written;
}

std::string fullDirectoryPath(const std::string& programDir) {
#ifdef _WIN32
    wchar_t full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameW(wide(programDir).c_str(), MAX_PATH * 4, full, nullptr);
    std::string shown;
    if (n == 0 || n >= MAX_PATH * 4) return programDir;
    narrow(std::wstring(full, n), shown);  // a name beyond code page 1252 shows "?" there
    return shown;
#else
    char full[PATH_MAX];
    return realpath(nativePath(programDir).c_str(), full) ? std::string(full) + "/" : programDir;
#endif
}

bool listDirectory(const std::string& programDir, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    const std::string dir = programDir.empty() ? "." : programDir;
#ifdef _WIN32
    const bool separated = dir.back() == '\\' || dir.back() == '/';
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(wide(dir + (separated ? "*" : "\\*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        std::string name;
        if (!narrow(found.cFileName, name) || name == "." || name == "..") continue;
        const bool isFile = !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
        entries.push_back({name, (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow, isFile});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
#else
    const std::string native = nativePath(dir);
    DIR* d = opendir(native.c_str());
    if (!d) return false;
    while (const dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st {};
        const bool known = stat((native + "/" + name).c_str(), &st) == 0;
        entries.push_back({name, known ? std::uint64_t(st.st_size) : 0, known && S_ISREG(st.st_mode)});
    }
    closedir(d);
    return true;
#endif
}

} // namespace wg
