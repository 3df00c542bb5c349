#include "app/startup.h"

#include "logger/link.h"
#include "logger/port_name.h"

namespace wg {

std::string mainWindowTitle() { return std::string(kProgramName) + kReleaseText; }

WindowSize mainWindowSize(int storedWidth, int storedHeight) {
    constexpr int kMinWidth = 320;
    constexpr int kMinHeight = 200;
    return {storedWidth < kMinWidth ? kMinWidth : storedWidth, storedHeight < kMinHeight ? kMinHeight : storedHeight};
}

std::optional<BoxRequest> settingsProblemBox(Status status) {
    BoxRequest box;
    box.icon = BoxIcon::Error;
    box.buttons = BoxButtons::Ok;
    box.ownedByMainWindow = false;  // there is no window yet
    switch (status) {
    case kStatusBadCharacter:
        box.caption = "WG32 FATAL_ERROR 0005)";
        box.text = "Fehlerhaftes Zeichen beim Einlesen der Initialisierungsdarei <Wakeguard.ini> "
                   "aufgetreten\nEventuell nicht alle Initialisierungsdaten vorhanden";
        return box;
    case kStatusCannotOpen:
        box.caption = "WG32 FATAL_ERROR 0006)";
        box.text = "Initialisierungsdatei <Wakeguard.ini> kann nicht geöffnet werden.\n"
                   "Versuche ohne Initialisierungsdaten zu starten";
        return box;
    case kStatusNoEndMarker:
        box.caption = "WG32 FATAL_ERROR 0003)";
        box.text = "Dateiendezeichen <#> nicht gefunden.\n"
                   "Möglicherweise nicht alle Initialisierungsdaten gelesen.";
        return box;
    default:
        return std::nullopt;
    }
}

StartOptions startOptions(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return {kLoggerPort, std::nullopt};
    if (arguments.size() == 1) {
        if (auto port = portName(arguments[0])) return {*port, std::nullopt};
    }
    std::string given;
    for (const std::string& argument : arguments) given += (given.empty() ? "" : " ") + argument;
    BoxRequest box;
    box.caption = "Wakeguard - Programmstart";
    box.text = "Unbekannte Angabe beim Programmstart: \"" + given +
               "\"\nWakeguard nimmt als einzige Angabe die Schnittstelle des ERLG an, COM1 bis COM" +
               std::to_string(kHighestPortNumber) +
               ", zum Beispiel:\n    Wakeguard.exe COM4\nDas Programm arbeitet jetzt mit " + kLoggerPort + ".";
    box.icon = BoxIcon::Warning;
    box.ownedByMainWindow = false;  // there is no window yet
    return {kLoggerPort, box};
}

BoxRequest exitQuestion() {
    BoxRequest box;
    box.caption = "Warnung";
    box.text = "Programm wirklich beenden?\nAlle nicht gespeicherte Daten gehen verloren!";
    box.icon = BoxIcon::Error;
    box.buttons = BoxButtons::YesNo;
    return box;
}

} // namespace wg
