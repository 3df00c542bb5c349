#pragma once
#include <string>

#include "logger/exchange.h"

namespace wg {

// Which of the logger's passwords a login uses: the master password goes
// with the letter "X", the user password with "A".
enum class PasswordKind { Master = 1, User = 2 };

inline constexpr std::size_t kLoggerPasswordLimit = 8;

inline constexpr const char* kNoPasswordText = "kein Paßwort eingegeben, Eingabe wiederholen!";
inline constexpr const char* kWrongPasswordText = "Falsche Master- oder User-Paßwort eingegeben!";
inline constexpr const char* kPasswordOkText = "Passwort OK!";

// Logs in to the logger with `password` and shows the outcome in the
// message dialog: the letter, LF, then the password and one CR with their
// echoes, and the logger's verdict of at least 10 characters. A logger that
// refuses the letter, stops echoing or never completes its verdict ends in
// the recovery command and kCommandFailedText. Success for a verdict other
// than "Falsches Passwort"; PasswordRefused for that one or no password.
Verdict loginExchange(LoggerContext& context, PasswordKind kind, const std::string& password);

} // namespace wg
