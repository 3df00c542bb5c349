#pragma once
#include <cstdio>
#include <functional>
#include <string>

#include "logger_device.h"

namespace wg::sim {

// Serves the device on a pseudo-terminal until SIGINT or SIGTERM.
struct PtyOptions {
    std::string linkPath;  // symlink to the slave, e.g. for Wine's COM1
    std::string logPath;   // every received byte with its time
};

// Returns the process exit code. `device` is asked for the device before
// every step, so the caller may swap in a fresh one (a changed state file);
// `fresh` tells that it did: the byte log then starts anew with the line
// "fresh <note>".
int servePty(const std::function<LoggerDevice&(bool& fresh, std::string& note)>& device,
             const PtyOptions& options);

} // namespace wg::sim
