#pragma once
#include <cstdio>
#include <string>

namespace wg {

// A new file that is written bit by bit beside the one it is to replace
// (under its replacementName) and takes its place only on commit(), so an earlier
// file survives every write that does not complete.
class ReplacementFile {
public:
    ReplacementFile() = default;
    ~ReplacementFile() { discard(); }
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the file under construction for `programPath`. False when it
    // cannot be created; the target is untouched either way.
    bool open(const std::string& programPath);
    // Buffered; a failed write is remembered and makes commit() fail.
    void write(const std::string& bytes);
    // Puts the complete file in place of the target. False when it could
    // not be written or moved; the target is then as it was.
    bool commit();
    // Keeps what was written under `programPath` instead of the target
    // (an existing file of that name is replaced). False when it fails; the
    // bytes are then dropped.
    bool setAside(const std::string& programPath);
    // Drops what was written.
    void discard();
    bool isOpen() const { return file_ != nullptr; }

private:
    bool close();
    std::FILE* file_ = nullptr;
    std::string target_;  // native paths
    std::string temp_;
    bool failed_ = false;
};

} // namespace wg
