#include "platform/sha256.h"

#include <windows.h>
#include <bcrypt.h>

#include <vector>

namespace wg {
namespace {

bool succeeded(NTSTATUS status) { return status >= 0; }

// Closes what CNG opened, whichever step failed; the hash object's memory
// outlives the hash.
struct CngHash {
    std::vector<UCHAR> object;
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    ~CngHash() {
        if (hash) BCryptDestroyHash(hash);
        if (algorithm) BCryptCloseAlgorithmProvider(algorithm, 0);
    }
};

} // namespace

bool sha256Digest(const std::string& bytes, Sha256Digest& digest) {
    CngHash cng;
    if (!succeeded(BCryptOpenAlgorithmProvider(&cng.algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
        return false;
    DWORD objectLength = 0;
    ULONG got = 0;
    if (!succeeded(BCryptGetProperty(cng.algorithm, BCRYPT_OBJECT_LENGTH,
                                     reinterpret_cast<PUCHAR>(&objectLength), sizeof objectLength, &got, 0)))
        return false;
    cng.object.resize(objectLength);
    if (!succeeded(BCryptCreateHash(cng.algorithm, &cng.hash, cng.object.data(), objectLength, nullptr, 0, 0)))
        return false;
    // BCryptHashData takes a ULONG length: feed larger inputs in pieces.
    constexpr std::size_t kPiece = 1u << 30;
    for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
        const std::size_t n = bytes.size() - at < kPiece ? bytes.size() - at : kPiece;
        PUCHAR data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data() + at));
        if (!succeeded(BCryptHashData(cng.hash, data, static_cast<ULONG>(n), 0))) return false;
    }
    return succeeded(BCryptFinishHash(cng.hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
}

} // namespace wg
