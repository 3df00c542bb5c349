#include "logger/login.h"

#include "logger/collection.h"
#include "logger/echo.h"

namespace wg {

Verdict loginExchange(LoggerContext& context, PasswordKind kind, const std::string& password) {
    Clock& clock = context.clock;
    MessageText& message = context.message;
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return Verdict::NoPort;
    drain(link, clock, &message);

    const std::string letter = kind == PasswordKind::Master ? "X" : "A";
    if (password.empty()) {
        link.close();
        report(context, kNoPasswordText);
        return Verdict::PasswordRefused;
    }

    link.write(letter);
    link.read(2);
    link.write(link.reply() == letter ? std::string("\n") : letter);
    link.read(10);

    // The logger takes its time to ask for the password.
    const std::int64_t start = clock.nowMs();
    while (elapsedSeconds(clock, start) < 2) clock.pauseMs(2000 - (clock.nowMs() - start));

    link.read(100);
    message.set(link.reply());
    if (message.text().empty() || message.text() == kWrongCommandReply) {
        recoverOn(context, link);
        link.close();
        return Verdict::CommandFailed;
    }

    const std::string command = password.substr(0, kLoggerPasswordLimit) + "\r\r";
    if (!echoedTransmission(link, clock, command, 1)) {
        recoverOn(context, link);
        link.close();
        return Verdict::CommandFailed;
    }
    link.read(1);
    message.clear();
    const bool complete = collectAtLeast(link, clock, message, 10);
    link.close();
    if (!complete) {
        recovery(context);
        return Verdict::CommandFailed;
    }
    const bool refused = message.text().compare(0, 15, "Falsches Passwo") == 0;
    report(context, refused ? kWrongPasswordText : kPasswordOkText);
    return refused ? Verdict::PasswordRefused : Verdict::Success;
}

} // namespace wg
