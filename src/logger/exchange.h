#pragma once
#include <cstdint>
#include <functional>
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

// How an exchange ended, beside the text it reported: a sequence of
// exchanges stops at the first one that did not succeed.
enum class Verdict : std::uint8_t {
    Success,
    CommandFailed,      // the recovery command ran, or the logger refused the setting
    PasswordRequired,   // the logger asks for its login first
    PasswordRefused,    // the logger refused the password, or none was given
    EraseNotConfirmed,  // the logger did not confirm its erase
    NoPort,             // the port could not be opened; nothing was sent
};

// What every logger exchange works with: where ports come from, the clock
// all waits run on, the program's message text, the main window's services
// and the port the logger hangs on. An exchange tells the user its outcome
// through `sink` when one is set (a sequence shows it in its own dialog),
// otherwise in the message dialog and in message boxes.
struct LoggerContext {
    SerialPortFactory& ports;
    Clock& clock;
    MessageText& message;
    Shell& shell;
    std::string port = kLoggerPort;
    std::function<void(const std::string&)> sink = nullptr;
};

// Puts `text` in the message text, shows it in the message dialog and
// clears the message text once the dialog has closed; or hands it to the
// context's sink.
void report(LoggerContext& context, const std::string& text);
// The "Passwortfehler" box of an exchange the logger refused without its
// master password; its text goes to the sink when one is set.
void reportPasswordMissing(LoggerContext& context, const std::string& text);

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
Verdict configurationVerdict(LoggerContext& context, const std::string& successText);

// A whole E, G or H exchange for `command` (letter, 12 digits and "\n"):
// open, drop up to 50 bytes, send with echoes of up to 3 bytes, timed
// collection into the message text, close, verdict. An echo that never comes
// ends in the recovery command.
Verdict configurationExchange(LoggerContext& context, const std::string& command,
                              const std::string& successText);

} // namespace wg
