#include "logger/exchange.h"

#include "logger/collection.h"
#include "logger/echo.h"
#include "logger/port_name.h"

namespace wg {

void report(LoggerContext& context, const std::string& text) {
    if (context.sink) return context.sink(text);
    context.message.set(text);
    context.shell.runCommand(cmd::kShowMessage);
    context.message.clear();
}

void reportPasswordMissing(LoggerContext& context, const std::string& text) {
    if (context.sink) return context.sink(text);
    BoxRequest box;
    box.caption = "Passwortfehler";
    box.text = text;
    box.icon = BoxIcon::Error;
    box.topmost = true;
    context.shell.messageBox(box);
}

bool openLoggerLink(LoggerContext& context, SerialLink& link) {
    if (link.open(context.port, kLoggerBaud) == kLinkOk) return true;
    report(context, portFailureText(context.port, context.ports.availablePorts()));
    return false;
}

void recoverOn(LoggerContext& context, SerialLink& link, const std::string& text) {
    link.write("T\r");
    link.read(3);
    report(context, text);
}

void recovery(LoggerContext& context) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return;
    recoverOn(context, link);
    link.close();
}

Verdict configurationVerdict(LoggerContext& context, const std::string& successText) {
    const std::string reply = context.message.text();
    // A logger that refused the command has not taken the setting: saying it
    // had would be a failure reported as success.
    const std::size_t text = reply.find_first_not_of("\r\n");
    const bool refused = text != std::string::npos && reply.compare(text, 17, kWrongCommandReply) == 0;
    if (reply.size() <= 2 || refused) {
        recovery(context);
        return Verdict::CommandFailed;
    }
    const bool loginMissing = reply.substr(0, reply.size() - 2) == kPasswordRequiredReply;
    report(context, loginMissing ? kPasswordRequiredText : successText);
    return loginMissing ? Verdict::PasswordRequired : Verdict::Success;
}

Verdict configurationExchange(LoggerContext& context, const std::string& command,
                              const std::string& successText) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return Verdict::NoPort;
    link.read(50);
    if (!echoedTransmission(link, context.clock, command, 3)) {
        recoverOn(context, link);
        link.close();
        return Verdict::CommandFailed;
    }
    timedCollection(link, context.clock, context.message);
    link.close();
    return configurationVerdict(context, successText);
}

} // namespace wg
