#include "app/application.h"

#include "app/command_ids.h"
#include "app/pc_clock.h"
#include "app/shell_dialogs.h"
#include "app/startup.h"
#include "files/settings.h"

namespace wg {

// Every command the main window carries out. Identifiers from 1000 to 1023
// that are not listed are taken and do nothing (grayed, disabled or absent
// menu items, and "Hilfe").
const Application::Command Application::kCommands[] = {
    {cmd::kExit, false, &Application::closeRequested},
    {cmd::kChangeProgramPassword, false, &Application::changePassword},  // asks for the login itself
    {cmd::kScreenConfiguration, false, &Application::screenConfiguration},
    {cmd::kAbout, false, &Application::about},
    {cmd::kTimeZone, false, &Application::timeZone},
    {cmd::kShowMessage, false, &Application::showMessage},
    {cmd::kProgramLogin, false, &Application::programLogin},
};

void Application::painted() {
    if (!state_.firstPaint) return;
    state_.firstPaint = false;
    command(cmd::kProgramLogin);
}

void Application::timerTick() { samplePcClock(shell_, state_.settings.timeZone, state_.pcTime); }

std::string Application::clientText() const { return pcClockLine(state_.settings.timeZone, state_.pcTime); }

bool Application::command(int id) {
    for (const Command& command : kCommands) {
        if (command.id != id) continue;
        if (command.gated && !login_.gate()) return true;
        (this->*command.run)();
        return true;
    }
    return id >= cmd::kExit && id <= cmd::kShowEvaluation;
}

void Application::closeRequested() {
    if (shell_.messageBox(exitQuestion()) == BoxAnswer::Yes) shell_.endProgram();
}

void Application::shutdown() { writeSettings(kSettingsDirectory, state_.settings); }

void Application::screenConfiguration() {
    ScreenDialog dialog(state_.settings);
    shell_.runDialog(dialog);
}

void Application::about() {
    AboutDialog dialog;
    shell_.runDialog(dialog);
}

void Application::timeZone() {
    TimeZoneDialog dialog(state_.settings);
    shell_.runDialog(dialog);
}

void Application::showMessage() {
    MessageDialog dialog(state_);
    shell_.runDialog(dialog);
}

} // namespace wg
