#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "files/fingerprint.h"
#include "platform/file_system.h"
#include "platform/sha256.h"
#include "support/temp_dir.h"

namespace wg {
namespace {

// The published SHA-256 test vectors, through this build's library (libcrypto natively, CNG under Wine).
TEST(Sha256, PublishedTestVectors) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [message, expected] : cases) {
        std::string hex = "alt";
        ASSERT_TRUE(sha256Hex(message, hex)) << message.size();
        EXPECT_EQ(hex, expected) << message.size();
    }
}

constexpr const char* kYrd = "$Yacht-ID GER12\r\n$Ereigniss Ende\r\n";
constexpr const char* kHash = "51162ff562a14718447893acfafa9ec03436720f3efd0ab8031c45946b4f5892";

// The sidecar is in the format of sha256sum, which accepts it.
TEST(Fingerprint, SidecarInSha256sumFormatAndACheckThatTellsUntouchedFromChangedMissingAndUnreadable) {
    // A file written anew after the fingerprint, or removed (no bytes).
    const struct { const char* file; std::string bytes; FingerprintCheck expected; } cases[] = {
        {nullptr, "", FingerprintCheck::Matches},
        {"R-GER12.yrd", "$Yacht-ID GER13\r\n$Ereigniss Ende\r\n", FingerprintCheck::Changed},
        {"R-GER12.yrd.sha256", std::string(kHash) + "  R-GER13.yrd\n", FingerprintCheck::Changed},
        {"R-GER12.yrd.sha256", "", FingerprintCheck::Missing},
        {"R-GER12.yrd", "", FingerprintCheck::Unreadable},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("R-GER12.yrd", kYrd);
        ASSERT_EQ(writeFingerprint(dir.programDir(), "R-GER12.yrd"), kStatusOk);
        EXPECT_EQ(dir.read("R-GER12.yrd.sha256"), std::string(kHash) + "  R-GER12.yrd\n");
#ifndef _WIN32
        const std::string sha256sum = "cd '" + nativePath(dir.programDir()) + "' && sha256sum --quiet --strict -c *.sha256";
        EXPECT_TRUE(c.file || std::system(sha256sum.c_str()) == 0);
#endif
        if (c.file && !c.bytes.empty()) dir.write(c.file, c.bytes);
        if (c.file && c.bytes.empty()) std::remove(nativePath(dir.programPath(c.file)).c_str());
        EXPECT_EQ(checkFingerprint(dir.programDir(), "R-GER12.yrd"), c.expected) << (c.file ? c.file : "-");
    }
}

} // namespace
} // namespace wg
