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
    closeBox(main);
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

const std::string kSommerFile =
    "$Datei-Kennung                             Regattastammdaten\r\n"
    "$Startzeit-Minuten                         5\r\n"
    "$Startzeit-Stunden                         9\r\n"
    "$Startzeit-Tag                             3\r\n"
    "$Startzeit-Monat                           6\r\n"
    "$Startzeit-Jahr                            4\r\n"
    "$Zielzeit-Minuten                          30\r\n"
    "$Zielzeit-Stunden                          17\r\n"
    "$Zielzeit-Tag                              4\r\n"
    "$Zielzeit-Monat                            6\r\n"
    "$Zielzeit-Jahr                             4\r\n"
    "$Regattabezeichnung                        Sommer Regatta\r\n"
    "$Teilnehmerzahl                            17\r\n"
    "#";

// Picks a file in the platform's open-file dialog by typing its name.
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

// Starts the program logged in with the regatta file Sommer04.rsd loaded.
HWND startWithRegatta(Context& ctx, Program& program, const std::string& zone) {
    writeFile(ctx.tree.data() + "Sommer04.rsd", kSommerFile);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", zone), "geheim");
    if (!main) return nullptr;
    postCommand(main, 1015);
    if (!chooseInOpenDialog(ctx, program, "Regatta-Stammdaten, Datei öffnen", "Sommer04.rsd")) return nullptr;
    return main;
}

// The text of the next message dialog, which is then closed.
std::string nextMessage(Context& ctx, Program& program, const std::string& shotName, DWORD deadlineMs) {
    HWND message = waitTopLevel(program.processId(), "#32770", "Information", deadlineMs);
    if (!ctx.check(message != nullptr, "message dialog", __FILE__, __LINE__)) return "";
    if (!shotName.empty()) ctx.shot(shotName);
    std::string text = itemText(message, 1233);
    clickItem(message, IDOK);
    waitGone(message);
    return text;
}

} // namespace e2e
