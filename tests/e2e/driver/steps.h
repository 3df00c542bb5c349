#pragma once
#include "program.h"
#include "scenario.h"

namespace e2e {

// Steps many scenarios share.

// Answers the program login at the first paint with `password`, or cancels
// it when the password is empty, and waits until its messages are gone.
void dismissLogin(Program& program, const std::string& password = "");

// Writes the settings, starts the program and logs in; the main window. A
// shipped package keeps its own settings and password.
HWND startLoggedIn(Context& ctx, Program& program, const std::string& settingsBytes,
                   const std::string& password);

// Runs a menu command and waits for the dialog it opens.
HWND openDialog(Program& program, HWND main, int command, const std::string& caption);

// Ends the run through the exit question and checks exit code 0.
void endProgram(Context& ctx, Program& program, HWND main);

// A settings file as the program writes it.
std::string settingsFile(const std::string& width, const std::string& height, const std::string& password,
                         const std::string& zone);

// Picks a file in the platform's open-file dialog by typing its name.
bool chooseInOpenDialog(Context& ctx, Program& program, const std::string& title, const std::string& name,
                        const std::string& shotName = "");

// The regatta file Sommer04.rsd (start 09:05 on 03.06.04).
extern const std::string kSommerFile;

// Starts the program logged in with the regatta file Sommer04.rsd loaded
// through the open-file dialog.
HWND startWithRegatta(Context& ctx, Program& program, const std::string& zone);

// The text of the next message dialog, which is then closed.
std::string nextMessage(Context& ctx, Program& program, const std::string& shotName = "",
                        DWORD deadlineMs = 20000);

} // namespace e2e
