#pragma once
#include <string>
#include <vector>

namespace wg::test {

// The simulator program running on its pseudo-terminal for one test.
class SimProcess {
public:
    // Starts wg_logger_sim with `args` plus --link and --log in a fresh
    // directory and waits (at most 5 s) for its "ready" line.
    explicit SimProcess(const std::vector<std::string>& args);
    ~SimProcess();
    bool ready() const { return ready_; }
    const std::string& linkPath() const { return link_; }
    // The bytes the simulator received, from its log.
    std::string received() const;

private:
    int pid_ = -1;
    bool ready_ = false;
    std::string dir_, link_, log_;
};

} // namespace wg::test
