#pragma once
#include <array>
#include <string>

#include "files/regatta_record.h"
#include "logger/exchange.h"
#include "platform/dialog_logic.h"

namespace wg {

inline constexpr const char* kClockSetText = "ERLG Uhr gestellt";

// The six clock texts in the order the E command carries them.
enum ClockText : std::size_t { kClockDay, kClockMonth, kClockYear, kClockHour, kClockMinute, kClockSecond };
using ClockTexts = std::array<std::string, 6>;

// Two-digit texts of a PC time sample; the year keeps its last two digits.
ClockTexts clockTextsOf(const PcTime& time);

// "E" and the twelve digits, ended by "\n" so that no terminator is sent.
std::string clockCommand(const ClockTexts& texts);

// "ERLG Uhr stellen": sets the logger's clock from the PC clock of the click
// or from the six values shown, which start as the PC clock of the opening.
class LoggerClockDialog final : public DialogLogic {
public:
    // `timeZone` is the time-zone setting; `sample` the main window's last PC
    // time sample, kept when the setting is neither UTC nor local time.
    // The regatta record lends its date-time record to the range check.
    LoggerClockDialog(LoggerContext& context, RegattaRecord& regatta, const int& timeZone, PcTime& sample)
        : context_(context), regatta_(regatta), timeZone_(timeZone), sample_(sample) {}

    const char* templateName() const override { return "IDD_AktZeitEingabe"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

    const ClockTexts& texts() const { return texts_; }

private:
    void readPcClock();
    void send(DialogView& view);

    LoggerContext& context_;
    RegattaRecord& regatta_;
    const int& timeZone_;
    PcTime& sample_;
    ClockTexts texts_;
};

} // namespace wg
