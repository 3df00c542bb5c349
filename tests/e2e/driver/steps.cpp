#include "steps.h"

#include "ui.h"

namespace e2e {

void dismissLogin(Program&, const std::string&) {}

void endProgram(Context& ctx, Program& program, HWND main) {
    closeBox(main);
    HWND question = waitTopLevel(program.processId(), "#32770", "Warnung");
    if (!ctx.check(question != nullptr, "exit question shown", __FILE__, __LINE__)) return;
    clickItem(question, IDYES);
    DWORD code = 99;
    ctx.check(program.waitExit(code), "program ended", __FILE__, __LINE__);
    ctx.check(code == 0, "exit code 0", __FILE__, __LINE__);
}

} // namespace e2e
