// Arbitrary bytes as a yacht regatta data file through the whole evaluation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "evaluation/event_log.h"
#include "fuzz_clock.h"

namespace {

// Answers every box; counts them so a box is never lost unseen.
class QuietShell final : public wg::Shell {
public:
    void runCommand(int) override {}
    void postCommand(int) override {}
    wg::BoxAnswer messageBox(const wg::BoxRequest&) override {
        ++boxes;
        return wg::BoxAnswer::Ok;
    }
    int runDialog(wg::DialogLogic&) override { return 0; }
    bool chooseFile(int, const std::string&, std::string&, std::string&) override { return false; }
    bool startProcess(const std::string&) override { return false; }
    void endProgram() override {}
    wg::PcTime systemTime() override { return {}; }
    wg::PcTime localTime() override { return {}; }
    int boxes = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wg;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    QuietShell shell;
    fuzz::StillClock clock;
    RegattaRecord regatta;
    regatta.start = {0, 10, 0, 3, 6, 4};
    YachtRecord yacht;
    const EvaluationCodes codes = evaluateBytes(shell, yacht, regatta, &bytes, clock);

    for (Status code : {codes.firstPass, codes.secondPass})
        if (code != kStatusOk && code != kStatusBadCharacter && code != kStatusNoEndMarker &&
            code != kStatusWrongFileKind)
            __builtin_trap();
    const YachtEvaluation& e = yacht.evaluation;
    if (yacht.yachtName.size() > kYachtNameLimit || yacht.yachtId.size() > kYachtIdLimit ||
        yacht.serialNumber.size() > kSerialNumberLimit || e.dateText.size() > kEventTokenLimit ||
        e.timeText.size() > kEventTokenLimit)
        __builtin_trap();
    if (!std::isfinite(e.engineTotalSeconds) || e.durationText.find(" min ") == std::string::npos) __builtin_trap();
    return 0;
}
