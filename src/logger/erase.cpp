#include "logger/erase.h"

#include "logger/collection.h"
#include "logger/echo.h"
#include "platform/dialog_view.h"
#include "resources/resource_ids.h"

namespace wg {

BoxRequest eraseQuestion() {
    BoxRequest box;
    box.caption = "Warnung";
    box.text = "Wirklich alle Daten im ERLG löschen?\n Sind Sie sich sicher?";
    box.icon = BoxIcon::Error;
    box.buttons = BoxButtons::YesNo;
    return box;
}

Verdict eraseLogger(LoggerContext& context, const EraseProgress& progress) {
    Clock& clock = context.clock;
    MessageText& line = context.message;
    std::string status = kEraseRunningText;
    progress.show(std::string(kEraseWarningText) + status);
    progress.repaint();

    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) {
        progress.show(kEraseWarningText);
        return Verdict::NoPort;
    }
    drain(link, clock, &line);
    link.read(1);
    if (!echoedTransmission(link, clock, "C\r\r", 1)) {
        // Nothing was erased: say so instead of claiming the erase.
        progress.show(kEraseWarningText);
        recoverOn(context, link);
        link.close();
        return Verdict::CommandFailed;
    }
    // The line feed before the logger's first line; anything else already
    // belongs to that line (a refusal comes without one).
    link.read(1);
    const std::string first = link.reply();

    const std::int64_t start = clock.nowMs();
    line.clear();
    if (first != "\n" && first != "\r") line.append(first);
    bool confirmed = false;
    for (;;) {
        link.read(1);
        const std::string byte = link.reply();
        const bool lineEnd = byte == "\n" || byte == "\r";
        if (lineEnd) {
            // Judged once the line is complete, so "EEProm Size = 81920" is not taken.
            if (line.text() == kEraseSizeLine) {
                status += "  " + line.text();
                progress.show(status);
            }
            line.clear();
        } else {
            line.append(byte);
        }
        // Show the progress at every line end, and during silence.
        if (lineEnd || byte.empty()) progress.repaint();
        if (line.text().compare(0, 8, "EEProm g") == 0) {
            confirmed = true;
            break;
        }
        if (line.text().find(kWrongCommandReply) != std::string::npos) break;
        if (elapsedSeconds(clock, start) >= kEraseWatchSeconds) break;
    }
    if (!confirmed) {
        line.clear();
        progress.show(kEraseWarningText);
        recoverOn(context, link, kEraseUnconfirmedText);
        link.close();
        return Verdict::EraseNotConfirmed;
    }

    // The rest of the confirmation and whatever follows is dropped.
    const std::int64_t restStart = clock.nowMs();
    line.clear();
    while (elapsedSeconds(clock, restStart) < 1) link.read(100);
    link.clearReply();
    link.close();
    progress.show(kErasedText);
    return Verdict::Success;
}

void EraseDialog::opened(DialogView& view) { view.setText(IDC_ERASE_TEXT, kEraseWarningText); }

void EraseDialog::clicked(DialogView& view, int id) {
    if (id == IDC_ERASE_RUN) {
        EraseProgress progress{[&view](const std::string& text) { view.setText(IDC_ERASE_TEXT, text); },
                               [&view] { view.repaintNow(); }};
        eraseLogger(context_, progress);
    } else if (id == button::kCancel) {
        view.close(button::kCancel);
    }
}

void EraseDialog::cancelRequested(DialogView& view) { view.close(button::kCancel); }

} // namespace wg
