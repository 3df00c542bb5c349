#pragma once
#include <cstdint>

namespace wg {

// Why writing or replacing a file failed, as far as the user can act on it.
enum class FileFault : std::uint8_t {
    None,       // done
    DriveFull,  // the drive (or the share's quota) has no room left
    InUse,      // another program holds the file open without letting it be replaced
    Denied,     // no right to write there, or the file is write-protected
    Exists,     // a file of that name is there already (a new file only)
    Failed,     // anything else: a missing folder, a lost network share, a device error
};

} // namespace wg
