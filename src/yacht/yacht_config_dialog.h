#pragma once
#include <string>

#include "files/regatta_record.h"
#include "files/yacht_record.h"
#include "logger/exchange.h"
#include "platform/dialog_logic.h"

namespace wg {

// The yacht ID this dialog stores: its first 8 characters.
inline constexpr std::size_t kYachtIdEntryLimit = 8;
inline constexpr std::size_t kSealCountEntryLimit = 4;

// "Yacht Konfiguration": edits the yacht record in place, logs in to the
// logger with its master password, reads back what a logger holds and sends
// the operating mode and yacht ID, storing the yacht master data file.
class YachtConfigDialog final : public DialogLogic {
public:
    // `rememberedModeButton` is the button the last mode query selected (0
    // for none); it outlives the dialog for the program run. The yacht master
    // data file is written into `dataDirectory`.
    YachtConfigDialog(LoggerContext& context, YachtRecord& yacht, const RegattaRecord& regatta,
                      int& rememberedModeButton, std::string dataDirectory)
        : context_(context), yacht_(yacht), regatta_(regatta), remembered_(rememberedModeButton),
          dataDirectory_(std::move(dataDirectory)) {}

    const char* templateName() const override { return "IDD_YachtKonfig"; }
    void opened(DialogView& view) override;
    void fieldLeft(DialogView& view, int id) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

private:
    // Reads an entry field cut to `limit` and puts the cut text back; empty
    // when the field is empty.
    std::string takeField(DialogView& view, int id, std::size_t limit);
    void yachtIdLeft(DialogView& view);
    void showFileName(DialogView& view);
    void readLogger(DialogView& view);
    void transfer(DialogView& view);

    LoggerContext& context_;
    YachtRecord& yacht_;
    const RegattaRecord& regatta_;
    int& remembered_;
    std::string dataDirectory_;
};

} // namespace wg
