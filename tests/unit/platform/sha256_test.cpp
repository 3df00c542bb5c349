#include <gtest/gtest.h>

#include "platform/sha256.h"

namespace wg {
namespace {

// The published SHA-256 test vectors, through whichever library this build
// uses (libcrypto natively, CNG in the Windows build under Wine).
TEST(Sha256, PublishedTestVectors) {
    const struct {
        std::string message;
        const char* hex;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases) {
        std::string hex = "alt";
        ASSERT_TRUE(sha256Hex(c.message, hex)) << c.message.size();
        EXPECT_EQ(hex, c.hex) << c.message.size();
    }
}

} // namespace
} // namespace wg
