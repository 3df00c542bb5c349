#include "app/application.h"

#include "platform/command_ids.h"
#include "logger/pc_clock.h"
#include "app/shell_dialogs.h"
#include "app/startup.h"
#include "app/text_viewer.h"
#include "evaluation/evaluation_dialog.h"
#include "evaluation/readout_dialog.h"
#include "files/file_names.h"
#include "files/file_save_dialog.h"
#include "files/open_file.h"
#include "files/regatta_display_dialog.h"
#include "files/regatta_entry_dialog.h"
#include "files/settings.h"
#include "files/write_outcome.h"
#include "logger/clock_dialog.h"
#include "logger/erase.h"
#include "logger/password_dialog.h"
#include "logger/regatta_time_dialog.h"
#include "platform/native_file.h"
#include "platform/program_version.h"
#include "yacht/fleet_dialog.h"
#include "yacht/yacht_config_dialog.h"

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
    {cmd::kShowRegattaData, false, &Application::showRegattaData},
    {cmd::kEnterRegattaData, true, &Application::enterRegattaData},
    {cmd::kLoadRegattaData, false, &Application::loadRegattaData},
    {cmd::kLoadYacht, false, &Application::loadYachtData},
    {cmd::kConfigureYacht, false, &Application::configureYacht},  // its own login rule
    {cmd::kReadOutAndEvaluate, false, &Application::readOutAndEvaluate},
    {cmd::kShowEvaluation, false, &Application::showEvaluation},
    {cmd::kFileSave, false, &Application::fileSave},
    {cmd::kMasterPassword, true, &Application::masterPassword},
    {cmd::kShowMessage, false, &Application::showMessage},
    {cmd::kProgramLogin, false, &Application::programLogin},
    {cmd::kStartTime, true, &Application::startTime},
    {cmd::kEndTime, true, &Application::endTime},
    {cmd::kLoggerClock, true, &Application::loggerClock},
    {cmd::kEraseLogger, false, &Application::eraseLogger},
    {cmd::kFleetPreparation, true, &Application::fleetPreparation},
};

void Application::painted() {
    if (!state_.firstPaint) return;
    state_.firstPaint = false;
    command(cmd::kProgramLogin);
}

void Application::timerTick() { samplePcClock(shell_, state_.settings.timeZone, state_.pcTime); }

std::string Application::clientText() const {
    return pcClockLine(state_.settings.timeZone, state_.pcTime) + " · ERLG an " + logger_.port;
}

bool Application::command(int id, CommandArrival arrival) {
    if (exchangeRunning() && (id != cmd::kShowMessage || arrival == CommandArrival::DuringWait)) return true;
    for (const Command& command : kCommands) {
        if (command.id != id) continue;
        if (command.gated && !login_.gate()) return true;
        (this->*command.run)();
        return true;
    }
    return id >= cmd::kExit && id <= cmd::kShowEvaluation;
}

void Application::closeRequested() {
    if (exchangeRunning()) return;
    if (shell_.messageBox(exitQuestion()) == BoxAnswer::Yes) shell_.endProgram();
}

void Application::shutdown() {
    const Status status = writeSettings(kSettingsDirectory, state_.settings);
    if (status == kStatusOk) return;
    BoxRequest box;
    box.caption = "Einstellungen nicht gespeichert";
    box.text = writeFailureText(std::string(kSettingsDirectory) + kSettingsFileName, status) +
               "\nFenstergröße, Zeitbasis und Programm-Passwort dieser Sitzung sind nicht gesichert.";
    box.icon = BoxIcon::Warning;
    box.ownedByMainWindow = false;  // the main window is going
    shell_.messageBox(box);
}

std::optional<std::string> Application::sessionEndRefusal() const {
    if (exchangeRunning()) return std::string(kSessionEndDuringExchangeText);
    if (state_.evaluationRun.finishUnsaved) return std::string(kSessionEndFinishUnsavedText);
    return std::nullopt;
}

void Application::sessionEnding() { writeSettings(kSettingsDirectory, state_.settings); }

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

namespace wg {

void Application::showRegattaData() {
    RegattaDisplayDialog dialog(state_.regatta);
    shell_.runDialog(dialog);
}

void Application::enterRegattaData() {
    RegattaEntryDialog dialog(state_.regatta, state_.message, state_.fileSave, shell_);
    shell_.runDialog(dialog);
}

void Application::fileSave() {
    FileSaveDialog dialog(state_.regatta, state_.fileSave, state_.message, shell_);
    shell_.runDialog(dialog);
}

void Application::loadRegattaData() { wg::loadRegattaData(shell_, state_.regatta, state_.yacht, clock_); }

void Application::loadYachtData() { wg::loadYachtData(shell_, state_.regatta, state_.yacht, clock_); }

void Application::configureYacht() {
    // Only the master data check depends on the login: after a failed login
    // the yacht configuration opens all the same.
    if (!state_.login.loggedIn) login_.run();
    if (state_.login.loggedIn && state_.regatta.designation.empty()) {
        BoxRequest box;
        box.caption = "Bedienungsfehl";
        box.text = "Es ist noch keine Regattastammdatendatei geladen,\nzuerst Regattastammdaten laden (default)\n"
                   " oder neue Stammdaten anlegen!";
        box.icon = BoxIcon::Information;
        shell_.messageBox(box);
        command(cmd::kLoadRegattaData);
        return;
    }
    YachtConfigDialog dialog(logger_, state_.yacht, state_.regatta, rememberedModeButton_, kDataDirectory);
    shell_.runDialog(dialog);
}

void Application::offerRegattaFile() {
    if (!state_.regatta.path.empty()) return;
    BoxRequest box;
    box.caption = "Bedienungsfehl";
    box.text = "Es ist noch keine Regatta-Stammdatendatei geladen,\nzuerst Regatta-Stammdaten laden!";
    box.icon = BoxIcon::Information;
    shell_.messageBox(box);
    command(cmd::kLoadRegattaData);
}

void Application::readOutAndEvaluate() {
    offerRegattaFile();
    ReadoutDialog dialog(logger_, state_.yacht, state_.regatta, state_.settings.timeZone,
                         state_.evaluationRun);
    shell_.runDialog(dialog);
}

void Application::showEvaluation() {
    EvaluationDialog dialog(shell_, clock_, state_.yacht, state_.regatta, state_.evaluationRun,
                            [this](const std::string& path) { viewEventFile(shell_, path); });
    shell_.runDialog(dialog);
}

} // namespace wg

namespace wg {

void Application::masterPassword() {
    LoggerPasswordDialog dialog(logger_, PasswordKind::Master, state_.yacht.masterPassword);
    shell_.runDialog(dialog);
}

} // namespace wg

namespace wg {

void Application::startTime() {
    RegattaTimeDialog dialog(logger_, state_.regatta, state_.fileSave, kStartTimeRole);
    shell_.runDialog(dialog);
}

void Application::endTime() {
    RegattaTimeDialog dialog(logger_, state_.regatta, state_.fileSave, kEndTimeRole);
    shell_.runDialog(dialog);
}

void Application::loggerClock() {
    LoggerClockDialog dialog(logger_, state_.regatta, state_.settings.timeZone, state_.pcTime);
    shell_.runDialog(dialog);
}

void Application::eraseLogger() {
    if (shell_.messageBox(eraseQuestion()) != BoxAnswer::Yes) return;
    EraseDialog dialog(logger_);
    shell_.runDialog(dialog);
}

} // namespace wg

namespace wg {

void Application::fleetPreparation() {
    // As for the readout, the regatta comes first; without one there is nothing to send.
    offerRegattaFile();
    if (state_.regatta.regattaFileName.empty()) return;
    FleetDialog dialog({logger_, state_.regatta, state_.settings.timeZone, state_.pcTime, kDataDirectory,
                        systemComputerName(), programVersion()},
                       state_.yacht.masterPassword);
    shell_.runDialog(dialog);
}

} // namespace wg
