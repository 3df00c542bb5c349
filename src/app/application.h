#pragma once
#include "app/app_state.h"
#include "app/program_login.h"
#include "logger/exchange.h"
#include "platform/serial_port.h"
#include "platform/clock.h"
#include "platform/shell.h"

namespace wg {

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
    // While a logger exchange runs only its messages are shown: no other
    // command starts, so no exchange can begin inside another.
    bool command(int id);
    // Close box, system menu or "Programm Beenden": asks, then ends the run;
    // not while a logger exchange runs, which must never be cut off.
    void closeRequested();
    // The main window is being destroyed: keep the settings.
    void shutdown();
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
    bool exchangeRunning() const { return logger_.ports.linksInUse() > 0; }

    AppState& state_;
    Shell& shell_;
    Clock& clock_;
    ProgramLogin login_;
    LoggerContext logger_;
    int rememberedModeButton_ = 0;  // the yacht configuration's last mode query
};

} // namespace wg
