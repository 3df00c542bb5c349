// The serial port's waits; only the Windows build has them.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "win32/overlapped_wait.h"

namespace wg::test {
namespace {

// A transfer the driver ends, and one nothing ends, not even its cancel: either way the wait ends within its bounds.
TEST(OverlappedWait, ATransferThatIgnoresItsCancelIsGivenUpAfterTheBound) {
    const struct { const char* what; bool signalled; TransferEnd end; } cases[] = {
        {"ended by the driver", true, TransferEnd::Done}, {"never ended", false, TransferEnd::Stuck}};
    for (const auto& c : cases) {
        OVERLAPPED transfer = {};
        transfer.hEvent = CreateEventW(nullptr, TRUE, c.signalled, nullptr);
        const HANDLE noFile = CreateEventW(nullptr, TRUE, FALSE, nullptr);  // CancelIo has nothing to cancel
        const ULONGLONG before = GetTickCount64();
        EXPECT_EQ(awaitTransfer(noFile, transfer, 10, 20), c.end) << c.what;
        EXPECT_LT(GetTickCount64() - before, 1000u) << c.what;
        CloseHandle(noFile);
        CloseHandle(transfer.hEvent);
    }
}

} // namespace
} // namespace wg::test
#endif
