#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "files/fingerprint.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace wg {
namespace {

constexpr const char* kYrd = "$Yacht-ID GER12\r\n$Ereigniss Ende\r\n";
constexpr const char* kSidecar = "51162ff562a14718447893acfafa9ec03436720f3efd0ab8031c45946b4f5892  R-GER12.yrd\n";

TEST(Fingerprint, SidecarInSha256sumFormatThatSha256sumAccepts) {
    test::TempDir dir;
    dir.write("R-GER12.yrd", kYrd);
    ASSERT_EQ(writeFingerprint(dir.programDir(), "R-GER12.yrd"), kStatusOk);
    EXPECT_EQ(dir.read("R-GER12.yrd.sha256"), kSidecar);
#ifndef _WIN32
    const std::string cd = "cd '" + nativePath(dir.programDir()) + "' && ";
    EXPECT_EQ(std::system((cd + "sha256sum --quiet --strict -c R-GER12.yrd.sha256").c_str()), 0);
#endif
}

TEST(Fingerprint, CheckTellsUntouchedFromChangedMissingAndUnreadable) {
    const struct {
        const char* file;   // written anew after the fingerprint, or removed
        const char* bytes;  // nullptr: removed
        FingerprintCheck expected;
    } cases[] = {
        {nullptr, nullptr, FingerprintCheck::Matches},
        {"R-GER12.yrd", "$Yacht-ID GER13\r\n$Ereigniss Ende\r\n", FingerprintCheck::Changed},
        {"R-GER12.yrd", "$Yacht-ID GER12\r\n$Ereigniss Ende\r\n\r\n", FingerprintCheck::Changed},
        {"R-GER12.yrd.sha256",
         "51162ff562a14718447893acfafa9ec03436720f3efd0ab8031c45946b4f5892  R-GER13.yrd\n",
         FingerprintCheck::Changed},
        {"R-GER12.yrd.sha256", nullptr, FingerprintCheck::Missing},
        {"R-GER12.yrd", nullptr, FingerprintCheck::Unreadable},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("R-GER12.yrd", kYrd);
        ASSERT_EQ(writeFingerprint(dir.programDir(), "R-GER12.yrd"), kStatusOk);
        if (c.file && c.bytes) dir.write(c.file, c.bytes);
        if (c.file && !c.bytes) std::remove(nativePath(dir.programPath(c.file)).c_str());
        EXPECT_EQ(checkFingerprint(dir.programDir(), "R-GER12.yrd"), c.expected) << (c.file ? c.file : "-");
    }
}

TEST(Fingerprint, FailedWriteLeavesNoOlderSidecarBehind) {
    test::TempDir dir;
    dir.write("R-GER12.yrd", kYrd);
    dir.write("R-GER12.yrd.sha256", kSidecar);
    dir.makeDirectory("R-GER12.yrd.sha256.wg-new");
    EXPECT_EQ(writeFingerprint(dir.programDir(), "R-GER12.yrd"), kStatusCannotWrite);
    EXPECT_FALSE(dir.exists("R-GER12.yrd.sha256"));
}

} // namespace
} // namespace wg
