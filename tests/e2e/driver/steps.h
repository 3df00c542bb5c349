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

// Ends the run through the exit question and checks exit code 0.
void endProgram(Context& ctx, Program& program, HWND main);

// A settings file as the program writes it.
std::string settingsFile(const std::string& width, const std::string& height, const std::string& password,
                         const std::string& zone);

} // namespace e2e
