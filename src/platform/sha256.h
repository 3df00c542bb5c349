#pragma once
#include <array>
#include <string>

namespace wg {

using Sha256Digest = std::array<unsigned char, 32>;

// The SHA-256 of `bytes` from the platform's own library (Windows CNG, or
// OpenSSL's libcrypto elsewhere): one implementation file per platform.
// False when the library fails; `digest` is then undefined.
bool sha256Digest(const std::string& bytes, Sha256Digest& digest);

// The same as 64 lowercase hexadecimal digits, as sha256sum prints it.
// False, with `hex` empty, when the library fails.
bool sha256Hex(const std::string& bytes, std::string& hex);

} // namespace wg
