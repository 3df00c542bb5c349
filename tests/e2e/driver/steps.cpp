#include "steps.h"

#include "ui.h"

namespace e2e {

void dismissLogin(Program& program, const std::string& password) {
    HWND prompt = waitTopLevel(program.processId(), "#32770", "Passwortabfrage");
    if (!prompt) return;
    if (password.empty()) {
        clickItem(prompt, IDCANCEL);
    } else {
        typeInto(prompt, 1232, password);
        clickItem(prompt, IDOK);
    }
    waitGone(prompt);
    // The message dialog after a cancel, or the box after a right entry.
    HWND answer = waitTopLevel(program.processId(), "#32770", "Information");
    if (!answer) return;
    clickItem(answer, IDOK);
    waitGone(answer);
}

HWND startLoggedIn(Context& ctx, Program& program, const std::string& settingsBytes, const std::string& password) {
    const bool shipped = !ctx.shippedPassword.empty();
    if (!shipped) writeFile(ctx.tree.settingsFile(), settingsBytes);
    if (!ctx.check(program.start(), "program started", __FILE__, __LINE__)) return nullptr;
    HWND main = program.waitMainWindow();
    if (!ctx.check(main != nullptr, "main window shown", __FILE__, __LINE__)) return nullptr;
    dismissLogin(program, shipped ? ctx.shippedPassword : password);
    return main;
}

HWND openDialog(Program& program, HWND main, int command, const std::string& caption) {
    postCommand(main, command);
    return waitTopLevel(program.processId(), "#32770", caption);
}

void endProgram(Context& ctx, Program& program, HWND main) {
    postCommand(main, 1000);
    HWND question = waitTopLevel(program.processId(), "#32770", "Warnung");
    if (!ctx.check(question != nullptr, "exit question shown", __FILE__, __LINE__)) return;
    clickItem(question, IDYES);
    DWORD code = 99;
    ctx.check(program.waitExit(code), "program ended", __FILE__, __LINE__);
    ctx.check(code == 0, "exit code 0", __FILE__, __LINE__);
}

std::string settingsFile(const std::string& width, const std::string& height, const std::string& password,
                         const std::string& zone) {
    std::string bytes = "$Windowgroesse_x                            " + width + "\r\n";
    bytes += "$Windowgroesse_y                            " + height + "\r\n";
    // The program writes no password entry while it has none.
    if (!password.empty()) bytes += "$Passwort                                   " + password + "\r\n";
    bytes += "$Zeitzone                                   " + zone + "\r\n#";
    return bytes;
}

std::string fileEntry(const std::string& key, const std::string& value, std::size_t column) {
    std::string line = "$";
    line += key;
    line.resize(column, ' ');
    line += value;
    line += "\r\n";
    return line;
}

std::string regattaFile(const std::array<int, 10>& times, const std::string& designation, int starters) {
    static const char* const kKeys[] = {"Startzeit-Minuten", "Startzeit-Stunden", "Startzeit-Tag",
                                        "Startzeit-Monat",   "Startzeit-Jahr",    "Zielzeit-Minuten",
                                        "Zielzeit-Stunden",  "Zielzeit-Tag",      "Zielzeit-Monat",
                                        "Zielzeit-Jahr"};
    std::string bytes = fileEntry("Datei-Kennung", "Regattastammdaten", 43);
    for (std::size_t i = 0; i < times.size(); ++i) bytes += fileEntry(kKeys[i], std::to_string(times[i]), 43);
    bytes += fileEntry("Regattabezeichnung", designation, 43);
    bytes += fileEntry("Teilnehmerzahl", std::to_string(starters), 43);
    return bytes + "#";
}

std::string yachtFile(const std::string& name, const std::string& id, int mode, int seals) {
    std::string bytes = fileEntry("Dateikennung", "Yachtdaten", 40);
    bytes += fileEntry("Yachtname", name, 40);
    bytes += fileEntry("Yacht-ID", id, 40);
    bytes += fileEntry("ERLG-Seriennummer", "100234", 40);
    bytes += fileEntry("Betriebsart", std::to_string(mode), 40);
    return bytes + fileEntry("Siegel-Anzahl", std::to_string(seals), 40);
}

const std::string kSommerFile = regattaFile({5, 9, 3, 6, 4, 30, 17, 4, 6, 4}, "Sommer Regatta", 17);
const std::string kYachtFile = yachtFile("Blue Star", "GER12", 3, 4);

bool chooseInOpenDialog(Context& ctx, Program& program, const std::string& title, const std::string& name,
                        const std::string& shotName) {
    HWND dialog = waitTopLevel(program.processId(), "#32770", title);
    if (!ctx.check(dialog != nullptr, "open-file dialog " + title, __FILE__, __LINE__)) return false;
    waitFor([] { return false; }, 300);  // the dialog fills its list first
    ctx.shot(shotName);
    // The file name field: combo box 0x47C in the explorer-style dialog.
    HWND nameField = GetDlgItem(dialog, 0x47C);
    if (!nameField) nameField = GetDlgItem(dialog, 0x480);
    if (!ctx.check(nameField != nullptr, "file name field", __FILE__, __LINE__)) return false;
    SendMessageA(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    clickItem(dialog, IDOK);
    return ctx.check(waitGone(dialog), "open-file dialog closed", __FILE__, __LINE__);
}

HWND startWithRegatta(Context& ctx, Program& program, const std::string& zone, const std::string& regattaFile) {
    writeFile(ctx.tree.data() + "Sommer04.rsd", regattaFile);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", zone), "geheim");
    if (!main) return nullptr;
    postCommand(main, 1015);
    if (!chooseInOpenDialog(ctx, program, "Regatta-Stammdaten, Datei öffnen", "Sommer04.rsd")) return nullptr;
    return main;
}

std::string nextMessage(Context& ctx, Program& program, const std::string& shotName, DWORD deadlineMs) {
    HWND message = waitTopLevel(program.processId(), "#32770", "Information", deadlineMs);
    if (!ctx.check(message != nullptr, "message dialog", __FILE__, __LINE__)) return "";
    if (!shotName.empty()) ctx.shot(shotName);
    std::string text = itemText(message, 1233);
    clickItem(message, IDOK);
    waitGone(message);
    return text;
}

void typeAll(HWND dialog, const Typed& fields) {
    for (const auto& [id, text] : fields) typeInto(dialog, id, text);
}

} // namespace e2e
