#pragma once
#include "program.h"
#include "scenario.h"

namespace e2e {

// Steps many scenarios share.

// Answers the program login at the first paint with `password`, or cancels
// it when the password is empty, and waits until its messages are gone.
void dismissLogin(Program& program, const std::string& password = "");

// Ends the run through the exit question and checks exit code 0.
void endProgram(Context& ctx, Program& program, HWND main);

} // namespace e2e
