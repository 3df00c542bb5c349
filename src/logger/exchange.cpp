#include "logger/exchange.h"

#include "logger/collection.h"
#include "logger/echo.h"
#include "logger/port_name.h"

namespace wg {

void report(LoggerContext& context, const std::string& text) {
    context.message.set(text);
    context.shell.runCommand(cmd::kShowMessage);
    context.message.clear();
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

void configurationVerdict(LoggerContext& context, const std::string& successText) {
    const std::string reply = context.message.text();
    // A logger that refused the command has not taken the setting: saying it
    // had would be a failure reported as success.
    const std::size_t text = reply.find_first_not_of("\r\n");
    const bool refused = text != std::string::npos && reply.compare(text, 17, kWrongCommandReply) == 0;
    if (reply.size() <= 2 || refused) {
        recovery(context);
        return;
    }
    const bool loginMissing = reply.substr(0, reply.size() - 2) == kPasswordRequiredReply;
    report(context, loginMissing ? kPasswordRequiredText : successText);
}

void configurationExchange(LoggerContext& context, const std::string& command,
                           const std::string& successText) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return;
    link.read(50);
    if (!echoedTransmission(link, context.clock, command, 3)) {
        recoverOn(context, link);
        link.close();
        return;
    }
    timedCollection(link, context.clock, context.message);
    link.close();
    configurationVerdict(context, successText);
}

} // namespace wg
