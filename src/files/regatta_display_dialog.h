#pragma once
#include <string>

#include "files/regatta_record.h"
#include "platform/dialog_logic.h"

namespace wg {

// "Regatta-Stammdaten": shows the regatta master data read-only; only "OK"
// closes it.
class RegattaDisplayDialog final : public DialogLogic {
public:
    explicit RegattaDisplayDialog(const RegattaRecord& regatta) : regatta_(regatta) {}
    const char* templateName() const override { return "IDD_AnzeigeParameter"; }
    void opened(DialogView& view) override;
    void clicked(DialogView& view, int id) override;

private:
    const RegattaRecord& regatta_;
};

// "09:05:00" from hour, minute and second as the display writes a time.
std::string displayTime(std::int32_t hour, std::int32_t minute, std::int32_t second);
// "03:06:4" from day, month and two-digit year as the display writes a date.
std::string displayDate(std::int32_t day, std::int32_t month, std::int32_t year);

} // namespace wg
