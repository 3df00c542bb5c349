#pragma once
#include <cstdint>

namespace wg {

// One-byte result of every file reader and writer; 0 always means success.
using Status = std::uint8_t;

inline constexpr Status kStatusOk = 0;
inline constexpr Status kStatusBadCharacter = 'f';    // 102
inline constexpr Status kStatusCannotOpen = 'h';      // 104
inline constexpr Status kStatusNoEndMarker = 'n';     // 110
inline constexpr Status kStatusCannotWrite = 'o';     // 111
inline constexpr Status kStatusWrongFileKind = 'p';   // 112
// Writers tell why a file could not be written where the user can act on it:
inline constexpr Status kStatusFileInUse = 'b';       // 98: held open by another program, new content kept beside
inline constexpr Status kStatusNoPermission = 'r';    // 114: write-protected file or folder
inline constexpr Status kStatusDriveFull = 'v';       // 118: no room left on the drive

} // namespace wg
