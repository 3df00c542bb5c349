#pragma once
#include <windows.h>

#include "platform/clock.h"
#include "platform/serial_port.h"

namespace wg {

// Waits of a logger exchange that keep the program's windows alive: while
// they run, the windows of this thread repaint, their timers tick (the main
// window's clock) and messages other programs send them are answered, so
// Windows never calls the program hung. Nothing else the queue holds is run,
// so no command or dialog can start inside the wait. While a logger exchange
// runs, clicks and keys are thrown away (an impatient second click must not
// act once the exchange is over); in any other wait (a file reader's time
// limit) they stay in the queue and act afterwards.

// Where the waits learn whether a logger exchange runs: the program's ports.
void watchExchanges(const SerialPortFactory& ports);

// Waits until `handle` is signalled or `timeoutMs` have passed; a null
// handle just lets the time pass. True when the handle was signalled.
bool waitResponsively(HANDLE handle, DWORD timeoutMs);

// Does now what a wait would do for the windows, without waiting; cheap
// enough for every read of a stream.
void keepResponsive();

// True while such a wait runs: what reaches a window then comes from outside
// the program and must not act.
bool insideResponsiveWait();

// How many times input has been thrown away in an exchange's waits so far:
// a handler that finds the count changed has run an exchange, and input
// given meanwhile is dropped.
unsigned long responsiveTurns();

// Throws away every click, key and request to close waiting for this
// thread's windows.
void dropUserInput();

// The program's clock, whose pauses are such waits.
Clock& responsiveClock();

} // namespace wg
