#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "logger/exchange.h"
#include "platform/dialog_logic.h"

namespace wg {

inline constexpr const char* kEraseWarningText =
    "ERLG wirklich alle Daten löschen? Daten gehen endgültig verloren! Kein Löschen = Taste <Dialog "
    "verlassen> betätigen";
inline constexpr const char* kEraseRunningText = " ERLG - EEProm wird geloescht, bitte 2 Minuten Geduld";
inline constexpr const char* kEraseSizeLine = "EEProm Size = 8192";
inline constexpr const char* kErasedText = "ERLG - EEProm geloescht";
inline constexpr const char* kEraseUnconfirmedText =
    "ERLG hat das Löschen nicht bestätigt. Bitte Löschen wiederholen!";
// The logger takes about two minutes; after this long without its
// confirmation the erase has failed.
inline constexpr std::int64_t kEraseWatchSeconds = 120;

// The menu's question before the erase dialog opens.
BoxRequest eraseQuestion();

// How the erase shows its progress: `show` replaces the text area's whole
// content, `repaint` lets the window show it while the erase still runs.
struct EraseProgress {
    std::function<void(const std::string&)> show;
    std::function<void()> repaint;
};

// Erases the logger's event memory with "C" and watches its lines: the size
// line "EEProm Size = 8192" is shown after the running text; a line
// beginning "EEProm g" ends the watch, and the text area ends at kErasedText.
// An erase the logger did not confirm within kEraseWatchSeconds, or refused
// with "Falsches Kommando", ends in the recovery command and
// kEraseUnconfirmedText: an official must not take a logger to the start
// believing it empty (EraseNotConfirmed). When the port could not be opened
// (NoPort) or the logger did not echo the command (CommandFailed) the user
// has been told too; the text area then shows the warning again, claiming
// nothing.
Verdict eraseLogger(LoggerContext& context, const EraseProgress& progress);

// "ERLG Löschen": the warning, "Wirklich Löschen" runs the erase (the dialog
// stays open and may run it again), "Dialog verlassen" closes it.
class EraseDialog final : public DialogLogic {
public:
    explicit EraseDialog(LoggerContext& context) : context_(context) {}

    const char* templateName() const override { return "IDD_ErlgLoeschen"; }
    void opened(DialogView& view) override;
    void clicked(DialogView& view, int id) override;
    void cancelRequested(DialogView& view) override;

private:
    LoggerContext& context_;
};

} // namespace wg
