#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_fault.h"
#include "platform/file_system.h"

namespace wg {

// The operating system's own file calls on native paths, one implementation
// for Windows (CreateFileW, WriteFile, FlushFileBuffers, MoveFileExW) and one
// for POSIX. The C runtime's buffered streams are not used for writing: on a
// full drive they may keep what fits and still close without an error, and
// a network share may report a failed write only when the file is flushed.

// A file this copy of the program creates and writes alone.
class NewFile {
public:
    NewFile() = default;
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Creates `nativeName`, which must not exist yet (it is never opened when
    // it does: FileFault::Exists). Nobody else may write it while it is open.
    FileFault create(const std::string& nativeName);
    // Writes all of `bytes`; a drive that takes only part of them is full.
    FileFault write(std::string_view bytes);
    // Flushes everything to the device and checks that the file holds as
    // many bytes as were written, then closes it.
    FileFault finish();
    // Closes the file if still open and removes it.
    void discard();

private:
    void close();
#ifdef _WIN32
    void* handle_ = reinterpret_cast<void*>(-1);
#else
    int fd_ = -1;
#endif
    std::string name_;
    std::uint64_t written_ = 0;
};

// Moves a complete file over `to`, replacing it, written through to the
// device. A file that another program merely reads (opened with delete
// sharing) is replaced all the same; one it holds without that sharing gives
// FileFault::InUse and stays as it was, as does `from`.
FileFault moveOver(const std::string& nativeFrom, const std::string& nativeTo);

bool removeNative(const std::string& nativeName);
bool nativeFileExists(const std::string& nativeName);

// Reads a whole file, sharing it with writers and with another copy's
// replacement. False when it cannot be opened; reading stops once more than
// `limit` bytes are in.
bool readNative(const std::string& nativeName, std::string& bytes, std::uint64_t limit);

// The entries of a directory as listDirectory gives them.
bool listNative(const std::string& nativeDir, std::vector<DirectoryEntry>& entries);
// The directory's full path; empty when it cannot be told.
std::string fullNativePath(const std::string& nativeDir);

// This PC's name as the system gives it; empty when it cannot be told.
std::string systemComputerName();
long currentProcessId();
// Whether a process of that id runs on this PC now.
bool processRunning(long processId);

} // namespace wg
