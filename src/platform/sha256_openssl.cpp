#include "platform/sha256.h"

#include <openssl/evp.h>

namespace wg {

bool sha256Digest(const std::string& bytes, Sha256Digest& digest) {
    unsigned int length = 0;
    return EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) == 1 &&
           length == digest.size();
}

} // namespace wg
