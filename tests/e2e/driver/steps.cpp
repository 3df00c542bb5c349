#include "steps.h"

#include <commctrl.h>
#include <dlgs.h>

#include "app/password_prompt.h"
#include "app/shell_dialogs.h"
#include "platform/command_ids.h"
#include "platform/file_system.h"
#include "platform/wide_text.h"
#include "support/yrd_text.h"

namespace e2e {

bool dismissLogin(Context& ctx, Program& program, const std::string& password) {
    HWND prompt = waitDialog(program, "Passwortabfrage");
    if (!ctx.check(prompt != nullptr, "login prompt shown", __FILE__, __LINE__)) return false;
    if (!password.empty()) typeInto(prompt, wg::PasswordPrompt::kPassword, password);
    clickItem(prompt, password.empty() ? IDCANCEL : IDOK);
    waitGone(prompt);
    // The box after a right entry, or the message dialog after a cancel.
    return ctx.checkEqual(nextMessage(ctx, program), password.empty()
                              ? "Kein Paßwort eingeben. Sie haben keine Berechtigung Werte im Programm zu ändern!"
                              : "Benutzerpaßwort wurde korrekt eingegeben!",
                          "the login's answer", __FILE__, __LINE__);
}

HWND startLoggedIn(Context& ctx, Program& program, const std::string& settingsBytes, const std::string& password) {
    const bool shipped = !ctx.shippedPassword.empty();
    if (!shipped) writeFile(ctx.tree.settingsFile(), settingsBytes);
    HWND main = program.start() ? program.waitMainWindow() : nullptr;
    if (!ctx.check(main != nullptr, "program started, main window shown", __FILE__, __LINE__)) return nullptr;
    return dismissLogin(ctx, program, shipped ? ctx.shippedPassword : password) ? main : nullptr;
}

HWND waitDialog(Program& program, const std::string& caption, DWORD deadlineMs) {
    return waitTopLevel(program.processId(), "#32770", caption, deadlineMs);
}

HWND openDialog(Program& program, HWND main, int command, const std::string& caption) {
    postCommand(main, command);
    return waitDialog(program, caption);
}

void endProgram(Context& ctx, Program& program, HWND main) {
    postCommand(main, wg::cmd::kExit);
    HWND question = waitDialog(program, "Warnung");
    if (!ctx.check(question != nullptr, "exit question shown", __FILE__, __LINE__)) return;
    clickItem(question, IDYES);
    DWORD code = 99;
    ctx.check(program.waitExit(code) && code == 0, "program ended with exit code 0", __FILE__, __LINE__);
}

using wg::test::entry;

std::string settingsFile(const std::string& width, const std::string& height, const std::string& password,
                         const std::string& zone) {
    std::string bytes = entry("Windowgroesse_x", width, 44) + entry("Windowgroesse_y", height, 44);
    // The program writes no password entry while it has none.
    if (!password.empty()) bytes += entry("Passwort", password, 44);
    return bytes + entry("Zeitzone", zone, 44) + "#";
}

std::string regattaFile(const std::array<int, 10>& times, const std::string& designation, int starters) {
    static const char* const kKeys[] = {"Startzeit-Minuten", "Startzeit-Stunden", "Startzeit-Tag", "Startzeit-Monat",
                                        "Startzeit-Jahr", "Zielzeit-Minuten", "Zielzeit-Stunden", "Zielzeit-Tag",
                                        "Zielzeit-Monat", "Zielzeit-Jahr"};
    std::string bytes = entry("Datei-Kennung", "Regattastammdaten", 43);
    for (std::size_t i = 0; i < times.size(); ++i) bytes += entry(kKeys[i], std::to_string(times[i]), 43);
    bytes += entry("Regattabezeichnung", designation, 43);
    return bytes + entry("Teilnehmerzahl", std::to_string(starters), 43) + "#";
}

std::string yachtFile(const std::string& name, const std::string& id, int mode, int seals) {
    return entry("Dateikennung", "Yachtdaten", 40) + entry("Yachtname", name, 40) +
           entry("Yacht-ID", id, 40) + entry("ERLG-Seriennummer", "100234", 40) +
           entry("Betriebsart", std::to_string(mode), 40) + entry("Siegel-Anzahl", std::to_string(seals), 40);
}

const std::string kSommerFile = regattaFile({5, 9, 3, 6, 4, 30, 17, 4, 6, 4}, "Sommer Regatta", 17);
const std::string kYachtFile = yachtFile("Blue Star", "GER12", 3, 4);

bool chooseInOpenDialog(Context& ctx, Program& program, const std::string& title, const std::string& name) {
    return chooseInOpenDialog(ctx, program, title, wg::wide(name));
}

bool chooseInOpenDialog(Context& ctx, Program& program, const std::string& title, const std::wstring& name) {
    HWND dialog = waitDialog(program, title);
    // The file name field of the explorer-style dialog.
    HWND nameField = dialog ? GetDlgItem(dialog, cmb13) : nullptr;
    if (!ctx.check(nameField != nullptr, "open-file dialog " + title, __FILE__, __LINE__)) return false;
    // The dialog takes a name once it has filled its file list.
    const auto listed = [dialog] {
        HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
        HWND list = view ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
        DWORD_PTR items = 0;
        return list && SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &items) && items > 0;
    };
    if (!ctx.check(waitFor(listed), "open-file dialog lists the files", __FILE__, __LINE__)) return false;
    SendMessageW(nameField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    clickItem(dialog, IDOK);
    return ctx.check(waitGone(dialog), "open-file dialog closed", __FILE__, __LINE__);
}

HWND startWithRegatta(Context& ctx, Program& program, const std::string& zone, const std::string& regattaFile) {
    writeFile(ctx.tree.data() + "Sommer04.rsd", regattaFile);
    HWND main = startLoggedIn(ctx, program, settingsFile("800", "600", "geheim", zone), "geheim");
    if (main) postCommand(main, wg::cmd::kLoadRegattaData);
    return main && chooseInOpenDialog(ctx, program, "Regatta-Stammdaten, Datei öffnen", "Sommer04.rsd") ? main
                                                                                                      : nullptr;
}

std::string nextMessage(Context& ctx, Program& program, const std::string& shotName, DWORD deadlineMs,
                        const char* caption) {
    HWND message = waitDialog(program, caption, deadlineMs);
    if (!ctx.check(message != nullptr, "message dialog", __FILE__, __LINE__)) return "";
    ctx.shot(shotName);
    std::string text = itemText(message, wg::MessageDialog::kText);
    if (text.empty()) text = boxText(message);  // a message box of that caption
    clickItem(message, IDOK);
    waitGone(message);
    return text;
}

bool anyTemporaryFile(const std::string& folder) {
    for (const std::string& name : fileNames(folder))
        if (name.find(wg::kTemporarySuffix) != std::string::npos) return true;
    return false;
}

void typeAll(HWND dialog, const Typed& fields) {
    for (const auto& [id, text] : fields) typeInto(dialog, id, text);
}

} // namespace e2e
