#pragma once
#include <cstdio>
#include <string>

#include "logger_device.h"

namespace wg::sim {

// Serves the device on a pseudo-terminal until SIGINT or SIGTERM.
struct PtyOptions {
    std::string linkPath;  // symlink to the slave, e.g. for Wine's COM1
    std::string logPath;   // every received byte with its time
};

// Returns the process exit code.
int servePty(LoggerDevice& device, const PtyOptions& options);

} // namespace wg::sim
