#pragma once
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace wg::test {

// The simulator program running on its pseudo-terminal for one test, started with `args` plus --link and --log in a
// fresh directory; it is ready once it printed its "ready" line (waited for at most 5 s).
class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args) {
        char pattern[] = "/tmp/wg_line_XXXXXX";
        dir_ = mkdtemp(pattern);
        link_ = dir_ + "/com1";
        log_ = dir_ + "/received.log";
        std::vector<std::string> all = {WG_LOGGER_SIM, "--link=" + link_, "--log=" + log_};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);

        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, WG_LOGGER_SIM, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);

        // The "ready" line, read with a deadline.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::string line;
        char c;
        pollfd p{out[0], POLLIN, 0};
        while (pid_ > 0 && line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline)
            if (poll(&p, 1, 100) > 0 && read(out[0], &c, 1) == 1) line += c;
        close(out[0]);
        ready_ = line.rfind("ready ", 0) == 0 && std::filesystem::exists(link_);
    }

    ~SimProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    // The bytes the simulator received, from its log.
    std::string received() const {
        std::ifstream in(log_);
        std::string bytes, line;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string time, direction, hex;
            fields >> time >> direction >> hex;
            if (direction == "rx") bytes += static_cast<char>(std::strtol(hex.c_str(), nullptr, 16));
        }
        return bytes;
    }
    bool ready() const { return ready_; }
    const std::string& linkPath() const { return link_; }

private:
    int pid_ = -1;
    bool ready_ = false;
    std::string dir_, link_, log_;
};

} // namespace wg::test
