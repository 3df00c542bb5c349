#include "win32/overlapped_wait.h"

#include "win32/responsive_wait.h"

namespace wg {

TransferEnd awaitTransfer(HANDLE file, OVERLAPPED& transfer, DWORD boundMs, DWORD cancelBoundMs) {
    if (waitResponsively(transfer.hEvent, boundMs)) return TransferEnd::Done;
    CancelIo(file);
    return waitResponsively(transfer.hEvent, cancelBoundMs) ? TransferEnd::TimedOut : TransferEnd::Stuck;
}

} // namespace wg
