#pragma once
#include <string>

#include "logger/link.h"
#include "platform/command_ids.h"
#include "platform/message_text.h"
#include "platform/clock.h"
#include "platform/serial_port.h"
#include "platform/shell.h"

namespace wg {

// The main-window command that shows the message text in the message dialog.

inline constexpr const char* kCommandFailedText =
    "Fehlerhafte Befehlsverarbeitung, Eingabe wiederholen!";
inline constexpr const char* kPasswordRequiredReply = "Passwort erforderlich";
// How the logger refuses a command it does not take.
inline constexpr const char* kWrongCommandReply = "Falsches Kommando";
inline constexpr const char* kPasswordRequiredText =
    "Master- oder User-Paßworteingabe für ERLG erforderlich!";

// What every logger exchange works with: where ports come from, the clock
// all waits run on, the program's message text, the main window's services
// and the port the logger hangs on.
struct LoggerContext {
    SerialPortFactory& ports;
    Clock& clock;
    MessageText& message;
    Shell& shell;
    std::string port = kLoggerPort;
};

// Puts `text` in the message text, shows it in the message dialog and
// clears the message text once the dialog has closed.
void report(LoggerContext& context, const std::string& text);

// Opens `link` on the logger's port. When that fails the user is told at
// once which port could not be opened and which ports the PC has, and false
// comes back: nothing may then be sent or waited for.
bool openLoggerLink(LoggerContext& context, SerialLink& link);

// Winds up a failed exchange on its own, still open link: writes "T\r" in
// one write, drops up to 3 bytes of answer and reports `text`.
void recoverOn(LoggerContext& context, SerialLink& link, const std::string& text = kCommandFailedText);

// The same on a fresh link, after the exchange's link has been closed.
void recovery(LoggerContext& context);

// Judges the reply the message text holds after an E, G or H command: 2
// characters or fewer are a failed exchange; "Passwort erforderlich" with a
// 2-character line end asks for a login; anything else is `successText`.
void configurationVerdict(LoggerContext& context, const std::string& successText);

// A whole E, G or H exchange for `command` (letter, 12 digits and "\n"):
// open, drop up to 50 bytes, send with echoes of up to 3 bytes, timed
// collection into the message text, close, verdict. An echo that never comes
// ends in the recovery command.
void configurationExchange(LoggerContext& context, const std::string& command,
                           const std::string& successText);

} // namespace wg
