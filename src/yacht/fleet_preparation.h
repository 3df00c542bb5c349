#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/preparation_record.h"
#include "files/regatta_record.h"
#include "logger/erase.h"
#include "logger/exchange.h"

namespace wg {

// The steps of one preparation, in the order they run.
enum class PreparationStep : std::uint8_t {
    Login, Identify, Erase, LoginAgain, Clock, Start, End, Mode, YachtId, Check, YachtFile, Record
};
// The German name the dialog shows, and the key the record writes the
// step's time under ("Zeit_<key>").
const char* stepTitle(PreparationStep step);
const char* stepKey(PreparationStep step);

// What one preparation is to give one logger.
struct PreparationOrder {
    std::string yachtId, yachtName;
    std::int32_t sealCount = 0;
    std::int32_t operatingMode = 0;  // 1 to 4
    std::string masterPassword;
    bool erase = true;
};

// Where it runs: the logger, the regatta whose times go out, the time base
// of the settings and the PC clock's last sample, the data folder and what
// the record says about this PC.
struct PreparationPlace {
    LoggerContext& logger;
    RegattaRecord& regatta;
    const int& timeZone;
    PcTime& sample;
    std::string dataDirectory;
    std::string computerName, programVersion;
};

// How the dialog follows a preparation.
struct PreparationEvents {
    std::function<void(PreparationStep)> stepBegins;
    // A logger whose serial number another yacht of the regatta recorded:
    // true to prepare it all the same.
    std::function<bool(const PreparationSummary& other)> prepareAgain;
    std::function<void()> repaint;  // during the long waits of the erase
};

struct PreparationResult {
    Verdict verdict = Verdict::Success;  // of the step that ended it
    PreparationStep step = PreparationStep::Login;  // the last step run
    std::string answer;  // what that step reported: the exchange's own text
    PreparationRecord record;  // written only after a success
    bool prepared() const { return verdict == Verdict::Success; }
};

inline constexpr const char* kNoSerialNumberText = "ERLG meldet keine Seriennummer.";

// "ERLG 100234 ist schon für die Yacht GER7 vorbereitet (2026-12-07T09:14:03)."
std::string preparedElsewhereText(const PreparationSummary& other);

// Prepares the logger on the line for one yacht: master login; its serial
// number ("D"), with the question when another yacht of the regatta has it
// recorded; erase, when ordered; clock from the PC in the settings' time
// base; regatta start; regatta end; operating mode; yacht ID; identification
// and mode read back and compared with what was sent; the yacht master data
// file with the logger's serial number; the preparation record. Each step is
// an exchange of the program with its own texts, waits and verdict; its
// messages come back as the result's answer instead of message dialogs. The
// first step that fails ends the preparation, and nothing is recorded. A
// logger that asks for its password again after the erase is logged in once
// more.
PreparationResult prepareLogger(PreparationPlace& place, const PreparationOrder& order,
                                const PreparationEvents& events);

// The records of the regatta's yachts in `directory`, as far as they read.
std::vector<PreparationSummary> preparedYachts(const std::string& directory, const std::string& regatta,
                                               Clock& clock);

} // namespace wg
