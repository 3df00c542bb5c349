#include "platform/native_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace wg {
namespace {

FileFault faultOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileFault::DriveFull;
    case EACCES:
    case EPERM:
    case EROFS: return FileFault::Denied;
    case EBUSY:
    case ETXTBSY: return FileFault::InUse;
    case EEXIST: return FileFault::Exists;
    default: return FileFault::Failed;
    }
}

} // namespace

NewFile::~NewFile() { close(); }

void NewFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

FileFault NewFile::create(const std::string& nativeName) {
    discard();
    fd_ = ::open(nativeName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0) return faultOf(errno);
    name_ = nativeName;
    written_ = 0;
    return FileFault::None;
}

FileFault NewFile::write(std::string_view bytes) {
    if (fd_ < 0) return FileFault::Failed;
    // A file grown beyond the process's size limit would end the process
    // with a signal instead of failing the write.
    static const bool quiet = signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)quiet;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return faultOf(errno);
        if (n == 0) return FileFault::DriveFull;
        written_ += static_cast<std::uint64_t>(n);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return FileFault::None;
}

FileFault NewFile::finish() {
    if (fd_ < 0) return FileFault::Failed;
    struct stat st {};
    FileFault fault = FileFault::None;
    if (::fsync(fd_) != 0) fault = faultOf(errno);
    else if (::fstat(fd_, &st) != 0 || static_cast<std::uint64_t>(st.st_size) != written_) fault = FileFault::Failed;
    if (::close(fd_) != 0 && fault == FileFault::None) fault = faultOf(errno);
    fd_ = -1;
    return fault;
}

void NewFile::discard() {
    close();
    if (!name_.empty()) ::unlink(name_.c_str());
    name_.clear();
}

FileFault moveOver(const std::string& nativeFrom, const std::string& nativeTo) {
    return std::rename(nativeFrom.c_str(), nativeTo.c_str()) == 0 ? FileFault::None : faultOf(errno);
}

bool removeNative(const std::string& nativeName) { return ::unlink(nativeName.c_str()) == 0; }

bool nativeFileExists(const std::string& nativeName) {
    struct stat st {};
    return ::stat(nativeName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool readNative(const std::string& nativeName, std::string& bytes, std::uint64_t limit) {
    const int fd = ::open(nativeName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bytes.clear();
    char chunk[8192];
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool listNative(const std::string& nativeDir, std::vector<DirectoryEntry>& entries) {
    DIR* dir = opendir(nativeDir.c_str());
    if (!dir) return false;
    while (const dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st {};
        const bool known = ::stat((nativeDir + "/" + name).c_str(), &st) == 0;
        entries.push_back({name, known ? std::uint64_t(st.st_size) : 0, known && S_ISREG(st.st_mode), false});
    }
    closedir(dir);
    return true;
}

std::string fullNativePath(const std::string& nativeDir) {
    char full[PATH_MAX];
    return realpath(nativeDir.c_str(), full) ? std::string(full) + "/" : std::string();
}

std::string systemComputerName() {
    char name[HOST_NAME_MAX + 1] = {};
    return gethostname(name, sizeof name - 1) == 0 ? name : "";
}

long currentProcessId() { return static_cast<long>(getpid()); }

bool processRunning(long processId) {
    if (processId <= 0) return false;
    return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

} // namespace wg
