#include "platform/replacement_file.h"

#include "platform/file_system.h"

namespace wg {

bool ReplacementFile::open(const std::string& programPath) {
    discard();
    target_ = nativePath(programPath);
    temp_ = replacementName(target_);
    failed_ = false;
    file_ = openNativeFile(temp_, "wb");
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
    removeNativeFile(temp_);
    return false;
}

bool ReplacementFile::setAside(const std::string& programPath) {
    if (!file_) return false;
    if (close() && moveReplacing(temp_, nativePath(programPath))) return true;
    removeNativeFile(temp_);
    return false;
}

void ReplacementFile::discard() {
    if (!file_) return;
    close();
    removeNativeFile(temp_);
}

} // namespace wg
