#pragma once
#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/program_login.h"
#include "logger/exchange.h"
#include "platform/serial_port.h"
#include "platform/clock.h"
#include "platform/shell.h"

namespace wg {

// Why Windows is asked to wait with ending the session (shown by Windows
// beside the program's name).
inline constexpr const char* kSessionEndDuringExchangeText =
    "Wakeguard tauscht gerade Daten mit einem ERLG aus – bitte warten, bis der Vorgang beendet ist.";
inline constexpr const char* kSessionEndFinishUnsavedText =
    "In Wakeguard ist eine Zieldurchgangszeit eingegeben, aber noch nicht mit „Daten Speichern“ gespeichert.";

// Where a command comes from. One that arrives while the program waits for
// the logger was sent by another program: the program itself is in the wait.
enum class CommandArrival { Program, DuringWait };

// The main window's behaviour: first paint, timer, commands, exit.
class Application {
public:
    Application(AppState& state, Shell& shell, Clock& clock, SerialPortFactory& ports)
        : state_(state), shell_(shell), clock_(clock), login_(state, shell),
          logger_{ports, clock, state.message, shell, state.loggerPort} {}

    // Every paint; the first one of the run starts the program login.
    void painted();
    // Timer 1: samples the PC clock by the time-zone setting.
    void timerTick();
    // A command message; false for identifiers the program does not handle.
    // While a logger exchange runs only its own messages are shown: no other
    // command starts, so no exchange can begin inside another, and no message
    // dialog opens inside a wait, where nothing could close it.
    bool command(int id, CommandArrival arrival = CommandArrival::Program);
    // Close box, system menu or "Programm Beenden": asks, then ends the run;
    // not while a logger exchange runs, which must never be cut off.
    void closeRequested();
    // The main window is being destroyed: keep the settings; a file that
    // cannot be written is said.
    void shutdown();
    // Windows asks whether the session may end: why not, while a logger
    // exchange runs or a typed finish time is not yet saved; none else.
    std::optional<std::string> sessionEndRefusal() const;
    // The session ends now and the program with it: keep the settings, as
    // at a normal end, with no box nobody would see.
    void sessionEnding();
    // What the main window shows: the PC clock, its time base and the
    // logger's port.
    std::string clientText() const;

    AppState& state() { return state_; }

private:
    struct Command {
        int id;
        bool gated;  // behind the program login
        void (Application::*run)();
    };
    static const Command kCommands[];

    void changePassword() { login_.changePassword(); }
    void screenConfiguration();
    void about();
    void timeZone();
    void showMessage();
    void programLogin() { login_.run(); }
    void showRegattaData();
    void enterRegattaData();
    void fileSave();
    void loadRegattaData();
    void loadYachtData();
    void configureYacht();
    void readOutAndEvaluate();
    // No regatta file chosen yet: says so and runs the open-file dialog.
    void offerRegattaFile();
    void showEvaluation();
    void masterPassword();
    void startTime();
    void endTime();
    void loggerClock();
    void eraseLogger();
    void fleetPreparation();
    bool exchangeRunning() const { return logger_.ports.exchangeRunning(); }

    AppState& state_;
    Shell& shell_;
    Clock& clock_;
    ProgramLogin login_;
    LoggerContext logger_;
    int rememberedModeButton_ = 0;  // the yacht configuration's last mode query
};

} // namespace wg
