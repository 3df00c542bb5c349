#include "pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace wg::sim {
namespace {

volatile sig_atomic_t stopRequested = 0;
void onSignal(int) { stopRequested = 1; }

std::int64_t nowMs(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                  start)
        .count();
}

std::string shown(unsigned char byte) {
    switch (byte) {
    case '\r': return "\\r";
    case '\n': return "\\n";
    default: break;
    }
    if (byte >= 0x20 && byte < 0x7f) return std::string(1, static_cast<char>(byte));
    return ".";
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void startLogAnew(FILE*& log, const std::string& path, const std::string& note) {
    if (!log) return;
    log = std::freopen(path.c_str(), "w", log);
    if (!log) return;
    std::fprintf(log, "fresh %s\n", note.c_str());
    std::fflush(log);
}

} // namespace

int servePty(const std::function<LoggerDevice&(bool& fresh, std::string& note)>& currentDevice,
             const PtyOptions& options) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("wg_logger_sim: pseudo-terminal");
        return 1;
    }
    const char* slaveName = ptsname(master);
    if (!slaveName) {
        std::perror("wg_logger_sim: ptsname");
        return 1;
    }
    const std::string slavePath = slaveName;
    // Holding the slave open keeps the line up while clients come and go,
    // and lets us start it raw: no echo, no line editing, no CR/LF mapping.
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0) {
        std::perror("wg_logger_sim: open slave");
        return 1;
    }
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    cfsetispeed(&raw, B4800);
    cfsetospeed(&raw, B4800);
    tcsetattr(slave, TCSANOW, &raw);

    if (!options.linkPath.empty()) {
        ::unlink(options.linkPath.c_str());
        if (::symlink(slavePath.c_str(), options.linkPath.c_str()) != 0) {
            std::perror("wg_logger_sim: symlink");
            return 1;
        }
    }
    FILE* log = nullptr;
    if (!options.logPath.empty()) {
        log = std::fopen(options.logPath.c_str(), "w");
        if (!log) {
            std::perror("wg_logger_sim: log file");
            return 1;
        }
    }

    struct sigaction action{};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    std::printf("ready %s\n", slavePath.c_str());
    std::fflush(stdout);

    const auto start = std::chrono::steady_clock::now();
    char buffer[256];
    while (!stopRequested) {
        bool fresh = false;
        std::string note;
        LoggerDevice* device = &currentDevice(fresh, note);
        if (fresh) startLogAnew(log, options.logPath, note);
        std::int64_t now = nowMs(start);
        int timeout = 1000;
        if (const auto next = device->nextByteAtMs())
            timeout = static_cast<int>(std::max<std::int64_t>(0, std::min<std::int64_t>(1000, *next - now)));
        pollfd fd{master, POLLIN, 0};
        const int ready = ::poll(&fd, 1, timeout);
        if (ready < 0 && errno != EINTR) break;
        now = nowMs(start);
        device = &currentDevice(fresh, note);
        if (fresh) startLogAnew(log, options.logPath, note);
        if (ready > 0 && (fd.revents & POLLIN)) {
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n; ++i) {
                const auto byte = static_cast<unsigned char>(buffer[i]);
                if (log) std::fprintf(log, "%lld rx %02x %s\n", static_cast<long long>(now), byte,
                                      shown(byte).c_str());
                device->receive(static_cast<char>(byte), now);
            }
            if (log) std::fflush(log);
        }
        const std::string out = device->take(static_cast<std::size_t>(-1), now);
        if (!out.empty()) writeAll(master, out);
    }

    if (!options.linkPath.empty()) ::unlink(options.linkPath.c_str());
    if (log) std::fclose(log);
    ::close(slave);
    ::close(master);
    return 0;
}

} // namespace wg::sim
