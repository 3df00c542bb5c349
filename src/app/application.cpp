#include "app/application.h"

#include "app/command_ids.h"
#include "app/startup.h"
#include "files/settings.h"

namespace wg {

void Application::painted() {
    if (!state_.firstPaint) return;
    state_.firstPaint = false;
    command(cmd::kProgramLogin);
}

void Application::timerTick() {
    switch (state_.settings.timeZone) {
    case 0: state_.pcTime = shell_.systemTime(); break;
    case 1: state_.pcTime = shell_.localTime(); break;
    default: break;  // no sample: the last one stays
    }
}

bool Application::command(int id) {
    switch (id) {
    case cmd::kExit:
        closeRequested();
        return true;
    default:
        return id >= 1000 && id <= 1023;
    }
}

void Application::closeRequested() {
    if (shell_.messageBox(exitQuestion()) == BoxAnswer::Yes) shell_.endProgram();
}

void Application::shutdown() { writeSettings(kSettingsDirectory, state_.settings); }

} // namespace wg
