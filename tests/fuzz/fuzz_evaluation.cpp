// Arbitrary bytes as a yacht regatta data file through the whole evaluation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "evaluation/event_log.h"
#include "support/fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wg;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    test::FakeShell shell;  // answers every box
    test::VirtualClock clock;  // a reader that waits out its limit returns at once
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
