#include "yacht/yacht_exchanges.h"

#include "files/text.h"
#include "files/write_outcome.h"
#include "files/yacht_master_file.h"
#include "logger/collection.h"
#include "logger/echo.h"

namespace wg {
namespace {

// Winds up a failed exchange whose outcome goes to the password output
// field rather than to the message dialog.
std::string quietRecovery(SerialLink& link) {
    link.write("T\r");
    link.read(3);
    link.close();
    return kCommandFailedText;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

} // namespace

std::int32_t modeInReply(const std::string& reply) {
    const std::size_t colon = reply.find(':');
    if (colon == std::string::npos || colon + 2 >= reply.size()) return 0;
    const char c = reply[colon + 2];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

std::optional<std::int32_t> modeQuery(LoggerContext& context) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return std::nullopt;
    link.read(1);
    if (!echoedTransmission(link, context.clock, "F\r\r", 1)) {
        recoverOn(context, link);
        link.close();
        return std::nullopt;
    }
    link.read(1);
    context.message.clear();
    collectFor(link, context.clock, context.message, 100, 2);
    link.close();
    const std::int32_t mode = modeInReply(context.message.text());
    context.message.clear();
    return mode;
}

std::string yachtMasterLogin(LoggerContext& context, const std::string& password) {
    Clock& clock = context.clock;
    MessageText& message = context.message;
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return {};
    drain(link, clock, &message);
    if (password.empty()) {
        link.close();
        report(context, "kein Paßwort eingegeben, Eingabe wiederholen!");
        return {};
    }

    link.write("X");
    link.read(2);
    link.write(link.reply() == "X" ? "\r" : "X");
    link.read(1);

    // The logger takes its time to ask for the password.
    const std::int64_t start = clock.nowMs();
    while (elapsedSeconds(clock, start) < 2) clock.pauseMs(2000 - (clock.nowMs() - start));

    link.read(100);
    message.set(link.reply());
    if (message.text().empty() || message.text() == "Falsches Kommando") {
        message.clear();
        return quietRecovery(link);
    }
    if (!echoedTransmission(link, clock, cutTo(password, kMasterPasswordLimit) + "\r\r", 1)) {
        message.clear();
        return quietRecovery(link);
    }
    link.read(1);
    message.clear();
    if (!collectAtLeast(link, clock, message, 10)) {
        message.clear();
        return quietRecovery(link);
    }
    link.close();
    const std::string verdict = message.text();
    message.clear();
    if (startsWith(verdict, "Falsches Passwo")) return kYachtWrongPasswordText;
    if (startsWith(verdict, "Passwort O")) return "Passwort OK!";
    return kYachtWrongPasswordText;
}

namespace {

enum class ModeAnswer { Taken, NotTaken, PasswordRequired, Failed };

// The mode command on an open link the drain has just emptied. A failure
// winds the link up with the recovery command; a demanded password shows
// the "Passwortfehler" box and closes the link.
ModeAnswer sendMode(LoggerContext& context, SerialLink& link, std::int32_t mode) {
    MessageText& message = context.message;
    link.read(50);
    bool answered = echoedTransmission(link, context.clock, format("F%i\r\r", static_cast<int>(mode)), 1);
    if (answered) {
        link.read(1);
        // Only the answer is judged, not what the drain collected.
        message.clear();
        answered = collectAtLeast(link, context.clock, message, 10);
    }
    const std::string answer = message.text();
    message.clear();
    if (!answered) {
        quietRecovery(link);
        return ModeAnswer::Failed;
    }
    if (startsWith(answer, "Betriebsar")) return ModeAnswer::Taken;
    if (!startsWith(answer, "Passw")) return ModeAnswer::NotTaken;
    link.close();
    reportPasswordMissing(context, "Master Passwort fehlt!\nZuerst Masterpasswort eingeben und danach ERLG auslesen.");
    return ModeAnswer::PasswordRequired;
}

// "D0" and the yacht ID on an open link; false when the logger refused
// "D0", stopped echoing or fell silent, after the recovery command.
bool sendYachtId(LoggerContext& context, SerialLink& link, const std::string& yachtId) {
    Clock& clock = context.clock;
    MessageText& message = context.message;
    drain(link, clock, &message);
    if (!echoedTransmission(link, clock, "D0\r\r", 1)) return message.clear(), quietRecovery(link), false;
    link.read(1);
    const std::string first = link.reply();
    message.clear();
    const bool complete = collectAtLeast(link, clock, message, 10);
    // The last read's text is judged; a refusal that is not led by a line
    // end lost its first letter to the read above and is recognised whole.
    const std::string reply = link.reply();
    const bool refused = reply.empty() || reply == kWrongCommandReply ||
                         startsWith(first + message.text(), kWrongCommandReply);
    if (!complete || refused) return message.clear(), quietRecovery(link), false;

    drain(link, clock, &message);
    message.clear();
    if (!echoedTransmission(link, clock, yachtId + "\r\r", 1)) return quietRecovery(link), false;
    link.close();
    return true;
}

} // namespace

YachtTransferOutcome yachtTransfer(LoggerContext& context, const YachtRecord& yacht,
                                   const std::string& directory) {
    YachtTransferOutcome outcome;
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return outcome;
    drain(link, context.clock, &context.message);

    const ModeAnswer mode = sendMode(context, link, yacht.operatingMode);
    if (mode == ModeAnswer::Failed) outcome.passwordOutput = kCommandFailedText;
    if (mode == ModeAnswer::Failed || mode == ModeAnswer::PasswordRequired) return outcome;
    std::string info = mode == ModeAnswer::Taken ? kModeChangedText : kModeNotChangedText;

    if (yacht.yachtId.empty() || yacht.yachtId == " ") {
        context.message.clear();
        link.close();
        outcome.info = info + kNoYachtIdText;
        return outcome;
    }
    if (!sendYachtId(context, link, yacht.yachtId)) {
        outcome.passwordOutput = kCommandFailedText;
        return outcome;
    }
    info += kYachtIdChangedText;

    const Status saved = writeYachtMasterData(yacht, directory);
    info += saved == kStatusOk ? kYachtFileSavedText : " " + writeFailureText(yacht.masterFileName, saved);
    outcome.info = cutTo(info, kConfigurationInfoLimit);
    return outcome;
}

Verdict modeExchange(LoggerContext& context, std::int32_t mode) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return Verdict::NoPort;
    drain(link, context.clock, &context.message);
    switch (sendMode(context, link, mode)) {
    case ModeAnswer::Taken: link.close(); return Verdict::Success;
    case ModeAnswer::NotTaken: link.close(); report(context, kModeNotChangedText); return Verdict::CommandFailed;
    case ModeAnswer::PasswordRequired: return Verdict::PasswordRequired;
    case ModeAnswer::Failed: break;
    }
    report(context, kCommandFailedText);
    return Verdict::CommandFailed;
}

Verdict yachtIdExchange(LoggerContext& context, const std::string& yachtId) {
    SerialLink link(context.ports);
    if (!openLoggerLink(context, link)) return Verdict::NoPort;
    if (sendYachtId(context, link, yachtId)) return Verdict::Success;
    report(context, kCommandFailedText);
    return Verdict::CommandFailed;
}

} // namespace wg
