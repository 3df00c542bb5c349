// wg_uebersicht: the regatta overview as a Linux console program. Everything
// it decides lives in overview/; this only hands over the arguments, the
// local time and a console that speaks UTF-8.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "overview/output_text.h"
#include "overview/overview_program.h"

namespace {

class Utf8Console final : public wg::Console {
public:
    void line(const std::string& text) override {
        const std::string bytes = wg::utf8FromCp1252(text) + "\n";
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    wg::PcTime madeAt;
    madeAt.year = local.tm_year + 1900;
    madeAt.month = local.tm_mon + 1;
    madeAt.day = local.tm_mday;
    madeAt.hour = local.tm_hour;
    madeAt.minute = local.tm_min;
    madeAt.second = local.tm_sec;
    Utf8Console console;
    return wg::runOverview(args, madeAt, console, wg::systemClock()).exitCode;
}
