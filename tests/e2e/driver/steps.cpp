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

} // namespace e2e
