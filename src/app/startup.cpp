#include "app/startup.h"

#include <algorithm>
#include <climits>

#include "logger/link.h"
#include "logger/port_name.h"
#include "platform/file_system.h"

namespace wg {

std::string mainWindowTitle() { return std::string(kProgramName) + kReleaseText; }

int atDpi(int basePixels, int dpi) {
    // Rounded to the nearest pixel, and held within int: a stored size may be any number.
    const long long scaled = static_cast<long long>(basePixels) * dpi;
    const long long pixels = (scaled + (scaled < 0 ? -kBaseDpi : kBaseDpi) / 2) / kBaseDpi;
    return static_cast<int>(std::clamp<long long>(pixels, INT_MIN, INT_MAX));
}

WindowSize mainWindowSize(int storedWidth, int storedHeight, int dpi) {
    constexpr int kMinWidth = 320;
    constexpr int kMinHeight = 200;
    return {atDpi(storedWidth < kMinWidth ? kMinWidth : storedWidth, dpi),
            atDpi(storedHeight < kMinHeight ? kMinHeight : storedHeight, dpi)};
}

ClientTextLayout clientTextLayout(int dpi) {
    constexpr int kPointsPerInch = 72;
    constexpr int kFontPoints = 8;
    return {atDpi(12, dpi), atDpi(10, dpi), (kFontPoints * dpi + kPointsPerInch / 2) / kPointsPerInch};
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

std::optional<BoxRequest> dataFolderProblemBox(const std::string& dataDir) {
    if (canWriteIn(dataDir)) return std::nullopt;
    BoxRequest box;
    box.caption = "Datenordner nicht beschreibbar";
    box.text = "Wakeguard kann im Datenordner\n" + fullDirectoryPath(dataDir) +
               "\nkeine Dateien anlegen. Regatta- und Yachtdaten und ausgelesene ERLG-Daten lassen sich so "
               "nicht speichern.\n\nBitte den Ordner Wakeguard an einen Ort entpacken, an dem Sie Dateien "
               "anlegen dürfen, zum Beispiel unter „Dokumente“ oder auf dem Desktop, nicht unter „Programme“ "
               "und nicht auf einen schreibgeschützten Datenträger, und Wakeguard von dort starten.";
    box.icon = BoxIcon::Warning;
    box.ownedByMainWindow = false;  // there is no window yet
    return box;
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
