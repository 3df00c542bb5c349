#include "platform/replacement_file.h"

#include "platform/file_system.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace wg {

bool moveReplacing(const std::string& nativeFrom, const std::string& nativeTo) {
#ifdef _WIN32
    return MoveFileExA(nativeFrom.c_str(), nativeTo.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(nativeFrom.c_str(), nativeTo.c_str()) == 0;
#endif
}

bool ReplacementFile::open(const std::string& programPath) {
    discard();
    target_ = nativePath(programPath);
    temp_ = replacementName(target_);
    failed_ = false;
    file_ = std::fopen(temp_.c_str(), "wb");
    if (file_) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
    return file_ != nullptr;
}

void ReplacementFile::write(const std::string& bytes) {
    if (!file_ || bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

bool ReplacementFile::close() {
    if (!file_) return false;
    const bool ok = std::fclose(file_) == 0 && !failed_;
    file_ = nullptr;
    return ok;
}

bool ReplacementFile::commit() {
    if (!file_) return false;
    if (close() && moveReplacing(temp_, target_)) return true;
    std::remove(temp_.c_str());
    return false;
}

bool ReplacementFile::setAside(const std::string& programPath) {
    if (!file_) return false;
    if (close() && moveReplacing(temp_, nativePath(programPath))) return true;
    std::remove(temp_.c_str());
    return false;
}

void ReplacementFile::discard() {
    if (!file_) return;
    close();
    std::remove(temp_.c_str());
}

} // namespace wg
