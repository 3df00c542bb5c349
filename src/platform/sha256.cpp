#include "platform/sha256.h"

namespace wg {

bool sha256Hex(const std::string& bytes, std::string& hex) {
    hex.clear();
    Sha256Digest digest;
    if (!sha256Digest(bytes, digest)) return false;
    static constexpr char kDigits[] = "0123456789abcdef";
    for (unsigned char b : digest) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0x0f];
    }
    return true;
}

} // namespace wg
