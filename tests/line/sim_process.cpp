#include "sim_process.h"

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

extern char** environ;

namespace wg::test {

SimProcess::SimProcess(const std::vector<std::string>& args) {
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

SimProcess::~SimProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string SimProcess::received() const {
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

} // namespace wg::test
