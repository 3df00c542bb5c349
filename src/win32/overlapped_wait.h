#pragma once
#include <windows.h>

namespace wg {

// How an overlapped transfer of the serial port ended.
enum class TransferEnd {
    Done,      // the driver ended it (successfully or not: GetOverlappedResult tells)
    TimedOut,  // it did not end within its bound and was cancelled
    Stuck,     // not even the cancel ended it: the driver may still write into the transfer
};

// Awaits a transfer that the driver has taken as pending, keeping the
// windows alive, for at most `boundMs`. One that does not end then is
// cancelled and awaited `cancelBoundMs` more, so a driver that ignores the
// cancel holds the program for that long at most, not for ever.
TransferEnd awaitTransfer(HANDLE file, OVERLAPPED& transfer, DWORD boundMs, DWORD cancelBoundMs);

} // namespace wg
