#pragma once
#include <string>

#include "files/status.h"

namespace wg {

// The readout fingerprint: "<name>.yrd.sha256" beside a yacht regatta data
// file holds the SHA-256 of its bytes as the program left them, in
// sha256sum's format, so an edit after the readout can be seen later (and
// checked with "sha256sum -c" as well).

inline constexpr const char* kFingerprintSuffix = ".sha256";

// The sidecar's bytes for a file named `fileName` (base name only) with the
// given content: 64 lowercase hex digits, two blanks, the name, LF. False
// when the hash cannot be had.
bool fingerprintBytes(const std::string& content, const std::string& fileName, std::string& sidecar);

// Writes the sidecar of `directory` + `fileName` from the file's bytes as
// they are now, as a complete new file. 0, or 'o' when the file cannot be
// read, hashed or its sidecar written; an older sidecar is then removed, so
// that it cannot stand for bytes it was not made from.
Status writeFingerprint(const std::string& directory, const std::string& fileName);

enum class FingerprintCheck {
    Matches,     // the sidecar vouches for exactly these bytes under this name
    Changed,     // a sidecar is there but does not vouch for them
    Missing,     // no sidecar (a file read out before fingerprints were written)
    Unreadable,  // the file itself cannot be read or hashed
};

// Checks `directory` + `fileName` against its sidecar.
FingerprintCheck checkFingerprint(const std::string& directory, const std::string& fileName);
// The same for the file's bytes already read.
FingerprintCheck checkFingerprint(const std::string& content, const std::string& directory,
                                  const std::string& fileName);

// What the user is told when a sidecar cannot be written after the file
// itself was stored.
std::string fingerprintFailureText(const std::string& fileName);

} // namespace wg
