#include "platform/native_file.h"

#include <windows.h>

#include "platform/wide_text.h"

// A share's quota for the user; older headers lack the name.
#ifndef ERROR_DISK_QUOTA_EXCEEDED
#define ERROR_DISK_QUOTA_EXCEEDED 1295L
#endif

namespace wg {
namespace {

const HANDLE kNoHandle = INVALID_HANDLE_VALUE;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

FileFault faultOf(DWORD error) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_QUOTA_EXCEEDED: return FileFault::DriveFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return FileFault::InUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return FileFault::Denied;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return FileFault::Exists;
    default: return FileFault::Failed;
    }
}

bool exists(const std::wstring& name) { return GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool isFile(const std::wstring& name) {
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}

// The name a file goes by on disk: a name typed or listed here is composed
// (an "é" is one character), but a Mac writes it decomposed ("e" and the
// accent), and the file system does not take one for the other.
std::wstring onDisk(const std::string& nativeName) {
    const std::wstring name = wide(nativeName);
    if (exists(name)) return name;
    const std::size_t folder = name.find_last_of(L"\\/");
    const std::size_t start = folder == std::wstring::npos ? 0 : folder + 1;
    const std::wstring other = name.substr(0, start) + decomposed(name.substr(start));
    return other != name && exists(other) ? other : name;
}

// Why `target` cannot be replaced by a rename that failed with `error`.
FileFault replacementFault(const std::wstring& target, DWORD error) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return faultOf(error);
    if (attributes & FILE_ATTRIBUTE_READONLY) return FileFault::Denied;
    // A program that holds the file without delete sharing (a spreadsheet,
    // an editor) lets nobody else open it for deleting either.
    const HANDLE probe = CreateFileW(target.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == kNoHandle) return GetLastError() == ERROR_SHARING_VIOLATION ? FileFault::InUse : faultOf(error);
    CloseHandle(probe);
    return faultOf(error);
}

} // namespace

NewFile::~NewFile() { close(); }

void NewFile::close() {
    if (handle_ != kNoHandle) CloseHandle(handle_);
    handle_ = kNoHandle;
}

FileFault NewFile::create(const std::string& nativeName) {
    discard();
    handle_ = CreateFileW(wide(nativeName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                          nullptr);
    if (handle_ == kNoHandle) return faultOf(GetLastError());
    name_ = nativeName;
    written_ = 0;
    return FileFault::None;
}

FileFault NewFile::write(std::string_view bytes) {
    if (handle_ == kNoHandle) return FileFault::Failed;
    while (!bytes.empty()) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD done = 0;
        if (!WriteFile(handle_, bytes.data(), wanted, &done, nullptr)) return faultOf(GetLastError());
        // A drive that takes nothing more without saying why is full.
        if (done == 0) return FileFault::DriveFull;
        written_ += done;
        bytes.remove_prefix(done);
    }
    return FileFault::None;
}

FileFault NewFile::finish() {
    if (handle_ == kNoHandle) return FileFault::Failed;
    FileFault fault = FileFault::None;
    LARGE_INTEGER size = {};
    if (!FlushFileBuffers(handle_)) fault = faultOf(GetLastError());
    else if (!GetFileSizeEx(handle_, &size) || static_cast<std::uint64_t>(size.QuadPart) != written_)
        fault = FileFault::Failed;
    if (!CloseHandle(handle_) && fault == FileFault::None) fault = faultOf(GetLastError());
    handle_ = kNoHandle;
    return fault;
}

void NewFile::discard() {
    close();
    if (!name_.empty()) DeleteFileW(wide(name_).c_str());
    name_.clear();
}

FileFault moveOver(const std::string& nativeFrom, const std::string& nativeTo) {
    const std::wstring from = wide(nativeFrom), to = onDisk(nativeTo);
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return FileFault::None;
    const DWORD error = GetLastError();
    if (!isFile(to)) return exists(to) ? FileFault::Failed : faultOf(error);  // a folder in the way
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return faultOf(error);
    // A file open in a reader that shares it for deleting cannot be renamed
    // over, but it can be replaced: the old one lives on under a name of its
    // own until the reader lets go.
    const std::wstring old = from + L".alt";
    if (ReplaceFileW(to.c_str(), from.c_str(), old.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        DeleteFileW(old.c_str());
        return FileFault::None;
    }
    const DWORD replaceError = GetLastError();
    // The new file could not take the place the old one has left: put the old one back.
    if (replaceError == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) MoveFileExW(old.c_str(), to.c_str(), 0);
    return replacementFault(to, error);
}

bool removeNative(const std::string& nativeName) { return DeleteFileW(onDisk(nativeName).c_str()) != 0; }

bool nativeFileExists(const std::string& nativeName) { return isFile(onDisk(nativeName)); }

bool readNative(const std::string& nativeName, std::string& bytes, std::uint64_t limit) {
    const HANDLE file = CreateFileW(onDisk(nativeName).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == kNoHandle) return false;
    bytes.clear();
    char chunk[8192];
    DWORD got = 0;
    while (bytes.size() <= limit && ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return true;
}

bool listNative(const std::string& nativeDir, std::vector<DirectoryEntry>& entries) {
    const bool separated = nativeDir.back() == '\\' || nativeDir.back() == '/';
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(wide(nativeDir + (separated ? "*" : "\\*")).c_str(), &found);
    if (search == kNoHandle) return false;
    do {
        std::string name;
        const bool foreign = !narrow(found.cFileName, name);
        if (name == "." || name == "..") continue;
        const bool isFile = !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
        entries.push_back({name, (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow, isFile, foreign});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

std::string fullNativePath(const std::string& nativeDir) {
    wchar_t full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameW(wide(nativeDir).c_str(), MAX_PATH * 4, full, nullptr);
    std::string shown;
    if (n == 0 || n >= MAX_PATH * 4) return shown;
    narrow(std::wstring(full, n), shown);  // a name beyond code page 1252 shows "?" there
    return shown;
}

std::string systemComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    std::string text;
    if (!GetComputerNameW(name, &length)) return text;
    narrow(std::wstring(name, length), text);  // a letter beyond code page 1252 stands as "?"
    return text;
}

long currentProcessId() { return static_cast<long>(GetCurrentProcessId()); }

bool processRunning(long processId) {
    if (processId <= 0) return false;
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(processId));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

} // namespace wg
