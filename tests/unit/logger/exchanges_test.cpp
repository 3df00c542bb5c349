#include "logger/erase.h"
#include "logger/identification.h"
#include "logger/login.h"
#include "logger/port_name.h"
#include "resources/resource_ids.h"
#include "support/canned_port.h"
#include "support/logger_rig.h"

namespace wg::test {
namespace {

// A login sends its letter, a line feed, the password and one CR; clock and regatta times go out whole, echo reads of
// up to 3 bytes, the last digit again when the logger answers too soon. Failures end in recovery and message.
using Exchange = std::function<void(LoggerContext&)>;
Exchange login(PasswordKind kind, std::string password) {
    return [=](LoggerContext& on) { loginExchange(on, kind, password); };
}
Exchange configuration(std::string command) {
    return [=](LoggerContext& on) { configurationExchange(on, command, "ERLG Uhr gestellt"); };
}

TEST(LoggerExchanges, LoginAndConfigurationSendTheirBytesAndEndFailuresInTheRecovery) {
    const auto master = PasswordKind::Master;
    const Exchange clock = configuration("E010307140509\n");
    struct Case { Exchange exchange; sim::Fault fault; std::size_t sendLimit; bool portExists; const char* wire;
                  std::string shown; std::int64_t ms; } cases[] = {
        {login(master, "MASTER"), sim::Fault::None, 0, true, "X\nMASTER\r", kPasswordOkText, 4050},
        {login(PasswordKind::User, "USER"), sim::Fault::None, 0, true, "A\nUSER\r", kPasswordOkText, 4050},
        {login(master, "USER"), sim::Fault::None, 0, true, "X\nUSER\r", kWrongPasswordText, 4050},
        {login(master, ""), sim::Fault::None, 0, true, "", kNoPasswordText, 2000},
        {login(master, "MASTER"), sim::Fault::None, 0, false, "", portFailureText("COM1", {}), 0},
        {login(master, "MASTER"), sim::Fault::Silent, 0, true, "XXT\r", kCommandFailedText, 8000},
        {login(master, "MASTER"), sim::Fault::GarbledEcho, 0, true, "XXT\r", kCommandFailedText, 5000},
        {login(master, "MASTER"), sim::Fault::WrongCommand, 0, true, "X\nT\r", kCommandFailedText, 4000},
        // The verdict stops after "Pas"; the logger stops amid the echoes.
        {login(master, "ABC"), sim::Fault::None, 22, true, "X\nABC\rT\r", kCommandFailedText, 8050},
        {login(master, "ABC"), sim::Fault::None, 16, true, "X\nABCCCT\r", kCommandFailedText, 8000},
        {clock, sim::Fault::None, 0, true, "E010307140509", "ERLG Uhr gestellt", 3050},
        {configuration("H140608170000\n"), sim::Fault::Silent, 0, true, "HHHT\r", kCommandFailedText, 5000},
        {clock, sim::Fault::GluedAnswer, 0, true, "E01030714050" "99999" "T\r", kCommandFailedText, 1000},
        {clock, sim::Fault::None, 0, false, "", portFailureText("COM1", {}), 0},
    };
    for (const Case& c : cases) {
        LoggerRig r(kLoggedIn, c.fault, c.sendLimit);  // passwords "MASTER" and "USER"
        if (!c.portExists) r.ports.portNames.clear();
        c.exchange(r.context);
        EXPECT_EQ(std::tuple(r.wire(), r.shown(), r.clock.nowMs(), r.message.text(), r.ports.held),
                  std::tuple(c.wire, Texts{c.shown}, c.ms, "", false)) << c.wire;
    }
}

// Ten characters are answer enough: the login judges them without waiting for more.
TEST_F(LoggerTest, LoginTakesAnAnswerOfTenCharacters) {
    CannedPort line(clock, "\nPasswort: ");
    LoggerContext on{line, clock, message, shell};
    loginExchange(on, PasswordKind::Master, "MASTER");
    EXPECT_EQ(line.wire() + "|" + shown().at(0), "X\nMASTER\r|" + std::string(kPasswordOkText));
}

TEST(ConfigurationVerdict, JudgesTheCollectedReply) {
    struct Case { std::string reply, shown, wire; } cases[] = {
        {"Passwort erforderlich\r\n", kPasswordRequiredText, ""}, {"Passwort erforderlich\r", "ERLG Uhr gestellt", ""},
        {"Uhr gestellt\r\n", "ERLG Uhr gestellt", ""},          {"abc", "ERLG Uhr gestellt", ""},
        // Two characters or fewer, or a refusal: the exchange failed.
        {"\r\n", kCommandFailedText, "T\r"},                   {"Falsches Kommando", kCommandFailedText, "T\r"},
        {"\nFalsches Kommando\r\n", kCommandFailedText, "T\r"}, {"", kCommandFailedText, "T\r"},
    };
    for (const Case& c : cases) {
        LoggerRig r;
        r.message.set(c.reply);
        configurationVerdict(r.context, "ERLG Uhr gestellt");
        EXPECT_EQ(std::tuple(r.shown(), r.wire(), r.message.text()), std::tuple(Texts{c.shown}, c.wire, "")) << c.reply;
    }
}

// Echo reads of up to 3 bytes: of three stray bytes behind the first echo the read takes two,
// the echo of the character written again comes with the third, and its third echo alone.
TEST_F(LoggerTest, ConfigurationEchoReadsTakeUpToThreeBytes) {
    CannedPort line(clock, "", 1, "abc");
    LoggerContext on{line, clock, message, shell};
    configurationExchange(on, "E010307140509\n", "ERLG Uhr gestellt");
    EXPECT_EQ(line.wire(), "EEE010307140509T\r");
}

TEST(IdentificationQuery, FillsTheRecordOnlyFromAnIdentifyingReply) {
    // Drain, a read before the command, the answer's delay, two seconds' collection; a demanded password: its box.
    struct Case { bool loggedIn; sim::Fault fault; int result; const char* wire; std::string shown; } cases[] = {
        {true, sim::Fault::None, kIdentified, "D\r5050", ""},
        {false, sim::Fault::None, kIdentificationPasswordRequired, "D\r5050",
         "Passwortfehler|Master-Passwort fehlt!\nzuerst Master - Passwort eingeben.|in front"},
        {true, sim::Fault::Silent, kIdentificationFailed, "DDDT\r7000", kCommandFailedText},
        {true, sim::Fault::WrongCommand, kIdentificationFailed, "D\rT\r5050", kCommandFailedText},
    };
    for (const Case& c : cases) {
        LoggerRig r(c.loggedIn, c.fault);
        YachtRecord yacht;
        yacht.serialNumber = yacht.yachtId = "old";
        EXPECT_EQ(identificationQuery(r.context, yacht), c.result) << c.wire;
        EXPECT_EQ(r.wire() + std::to_string(r.clock.nowMs()) + " " + yacht.serialNumber + " " + yacht.yachtId,
                  c.wire + std::string(c.result == kIdentified ? " 100234 GER12" : " old old"));
        for (const BoxRequest& box : r.shell.boxes)
            r.shell.shown.push_back(box.caption + "|" + box.text + (box.topmost ? "|in front" : ""));
        EXPECT_EQ(r.shown(), c.shown.empty() ? Texts{} : Texts{c.shown}) << c.wire;
    }
}

// The collection ends once the answer holds a hundred characters, not after its two seconds.
TEST_F(LoggerTest, IdentificationALongAnswerEndsTheCollectionAtOnce) {
    CannedPort line(clock, "\nERLG: 100234\r\nYacht: GER12\r\n" + std::string(72, ' '));  // 100 behind the "\n"
    LoggerContext on{line, clock, message, shell};
    YachtRecord yacht;
    EXPECT_EQ(identificationQuery(on, yacht), kIdentified);
    // The drain's two seconds and the read before the command; the answer comes with the echo.
    EXPECT_EQ(std::tuple(yacht.serialNumber, yacht.yachtId, clock.nowMs()), std::tuple("100234", "GER12", 3000));
}

TEST(IdentificationReply, SerialNumberAndYachtIdComeFromTheFirstAndLastColon) {
    struct Case { std::string reply, serial, yachtId; } cases[] = {
        {"ERLG: 123456\r\nYacht: ABC\r\n", "123456", "ABC"}, {"SN: 1234567890\r\nID: ABCDEFGHI\r\n", "123456", "ABCDEF"},
        {"Nr: 42AB\r", "42AB", "42AB"},  // one colon fills both
        {"no colon at all", "", ""}, {"x: ", "", ""},
        // The serial number comes from the first 20 characters, the yacht ID from the first 50.
        {"Seriennummern: 123456 Yacht: Q\r", "12345", "Q"},
        {"ERLG01 Seriennummer: 123456\r\n", "", "123456"},
        {std::string(44, '.') + ": ABCDEFGH", "", "ABCD"},
        {std::string("A: 1\0" "2: Z", 9), "1", "1"},  // a zero byte ends the text
    };
    for (const Case& c : cases) {
        const Identification id = extractIdentification(c.reply);
        EXPECT_EQ(id.serialNumber + "|" + id.yachtId, c.serial + "|" + c.yachtId) << c.reply;
    }
}

const std::string kRunning = std::string(kEraseWarningText) + kEraseRunningText;
const std::string kWithSize = std::string(kEraseRunningText) + "  EEProm Size = 8192";

// Every text the erase showed in the text area, in order; whether it erased; the repaints meanwhile.
struct EraseRun { Texts texts; bool erased = false; int repaints = 0; };
EraseRun erase(LoggerContext& on) {
    EraseRun e;
    e.erased = eraseLogger(on, {[&](const std::string& text) { e.texts.push_back(text); }, [&] { ++e.repaints; }}) == Verdict::Success;
    return e;
}

// The size line shows after the running text; the confirmation ends the erase. The watch's end
// without it, or a refusal, ends in the recovery and a message; without echoes nothing is claimed.
TEST(Erase, ShowsTheSizeLineEndsOnTheConfirmationOrAfterItsWatch) {
    struct Case { std::size_t sendLimit; sim::Fault fault; const char* wire; Texts texts;
                  const char* message;  /* nullptr: erased */ std::int64_t ms; } cases[] = {
        // Drain, one read before the command, the logger's seven seconds, one second for the rest.
        {0, sim::Fault::None, "C\r", {kRunning, kWithSize, kErasedText}, nullptr, 2000 + 1000 + 7050 + 1000},
        // Only the echoes: drain, the reads around the command, the watch, the recovery.
        {2, sim::Fault::None, "C\rT\r", {kRunning, kEraseWarningText}, kEraseUnconfirmedText,
         2000 + 1000 + 1000 + kEraseWatchSeconds * 1000 + 1000},
        // "Falsches Kommando", with no line feed before it, ends the watch at once: drain, a read, its delay.
        {0, sim::Fault::WrongCommand, "C\rT\r", {kRunning, kEraseWarningText}, kEraseUnconfirmedText, 3050},
        // No echo: drain, a read, the echo's three seconds, the recovery.
        {0, sim::Fault::Silent, "CCCT\r", {kRunning, kEraseWarningText}, kCommandFailedText, 7000},
    };
    for (const Case& c : cases) {
        LoggerRig r(!kLoggedIn, c.fault, c.sendLimit);
        r.behaviour().eraseMs = 7000;
        const EraseRun e = erase(r.context);
        EXPECT_EQ(std::tuple(e.texts, r.wire(), e.erased, r.shown(), r.clock.nowMs()),
                  std::tuple(c.texts, c.wire, c.message == nullptr, c.message ? Texts{c.message} : Texts{}, c.ms)) << c.wire;
        EXPECT_GE(e.repaints, c.sendLimit ? kEraseWatchSeconds : 1);  // the window repaints through the silence
    }
}

TEST_F(LoggerTest, EraseShowsOnlyTheExactSizeLine) {
    for (const std::string sizeLine : {"EEProm Size = 8192\n", "EEProm Size = 81920\r\n", " EEProm Size = 8192\r\n"}) {
        CannedPort canned(clock, "\n" + sizeLine + "EEProm geloescht\r\nRest");
        LoggerContext on{canned, clock, message, shell};
        const bool exact = sizeLine == "EEProm Size = 8192\n";
        EXPECT_EQ(erase(on).texts, exact ? Texts({kRunning, kWithSize, kErasedText}) : Texts({kRunning, kErasedText}));
    }
}

TEST_F(LoggerTest, EraseDialogWarnsErasesOnRequestAndStaysUntilLeft) {
    behaviour().eraseMs = 1000;
    EraseDialog dialog(context);
    FakeView view;
    dialog.opened(view);
    EXPECT_EQ(view.texts[IDC_ERASE_TEXT], kEraseWarningText);
    for (int id : {IDC_ERASE_RUN, IDC_ERASE_RUN, button::kOk}) dialog.clicked(view, id);
    EXPECT_EQ(std::tuple(wire(), view.texts[IDC_ERASE_TEXT]), std::tuple("C\rC\r", kErasedText));
    EXPECT_TRUE(view.repaints > 0 && !view.closed());
    dialog.clicked(view, button::kCancel);
    EXPECT_EQ(view.closes, std::vector<int>{button::kCancel});
}

} // namespace
} // namespace wg::test
