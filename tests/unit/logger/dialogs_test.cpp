#include "logger/clock_dialog.h"
#include "logger/date_time_check.h"
#include "logger/login.h"
#include "logger/password_dialog.h"
#include "logger/regatta_time_dialog.h"
#include "logger/typed_field.h"
#include "resources/resource_ids.h"
#include "support/logger_rig.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

// A typed value is its leading number in its kind's range. A refused one closes the dialog before its message shows,
// stores the kind's replacement and reopens the dialog through its command; only the kind's own field counts.
TEST(TypedField, TakesTheLeadingNumberInItsKindsRangeOrRefusesAndReopens) {
    using Outcome = TypedFieldOutcome;
    const std::tuple<FieldKind, std::int32_t, std::int32_t, std::int32_t, const char*> kinds[] = {  // low, high, replacement
        {FieldKind::Hour, 0, 23, 0, "Stundeneingabe muß zwischen 0 und 23 liegen, bitte neu eingeben!"},
        {FieldKind::Minute, 0, 59, 0, "Minuteneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!"},
        {FieldKind::Second, 0, 59, 0, "Sekundeneingabe muß zwischen 0 und 59 liegen, bitte neu eingeben!"},
        {FieldKind::Day, 1, 31, 1, "Datumseingabe für Tag muß zwischen 1 und 31 liegen, bitte neu eingeben!"},
        {FieldKind::Month, 1, 12, 1, "Datumseingabe für Monat muß zwischen 1 und 12 liegen, bitte neu eingeben!"},
        {FieldKind::Year, 3, 99, 3, "Datumseingabe für Jahr muß zwischen 03 und 99 liegen, bitte neu eingeben!"},
    };
    struct Case { std::string typed; FieldKind kind; Outcome outcome; std::int32_t stored; std::string message; };
    std::vector<Case> cases = {
        {"  -5", FieldKind::Minute, Outcome::Refused, 0, rangeMessage(FieldKind::Minute)},
        {"abc", FieldKind::Minute, Outcome::Accepted, 0, ""}, {"12xyz", FieldKind::Month, Outcome::Accepted, 12, ""},
        {"abc", FieldKind::Day, Outcome::Refused, 1, rangeMessage(FieldKind::Day)},
        {"99999999999", FieldKind::Year, Outcome::Refused, 3, rangeMessage(FieldKind::Year)},
        {"", FieldKind::Hour, Outcome::Empty, -1, ""}};
    for (const auto& [kind, low, high, replacement, message] : kinds)
        for (std::int32_t value : {low - 1, low, high, high + 1}) {
            const bool in = value >= low && value <= high;
            cases.push_back({std::to_string(value), kind, in ? Outcome::Accepted : Outcome::Refused, in ? value : replacement,
                             in ? "" : message});
        }
    for (const Case& c : cases) {
        LoggerRig r;
        FakeView view;
        RegattaRecord regatta{.scratch = {99, 99, 99, 99, 99, 99}};
        // Shown at once by a dialog closed and hidden: a posted message would wait behind the reopened dialog.
        r.shell.onCommand = [&](int) {
            EXPECT_TRUE(view.closed() && !view.visibility.at(0) && r.shell.commandsPosted.empty());
        };
        TypedFieldContext context{view, r.shell, regatta, r.message, cmd::kLoggerClock};
        view.texts[1] = c.typed;
        std::int32_t got = -1;
        EXPECT_EQ(typedFieldLeft(context, 1, c.kind, [&](std::int32_t v) { got = v; }), c.outcome) << c.typed;
        const bool refused = c.outcome == Outcome::Refused;
        EXPECT_EQ(std::tuple(got, r.shown(), r.shell.commandsPosted, view.closed()),
                  std::tuple(c.stored, refused ? Texts{c.message} : Texts{},
                             refused ? std::vector<int>{cmd::kLoggerClock} : std::vector<int>{}, refused))
            << c.typed << " " << static_cast<int>(c.kind);
    }
    RegattaRecord none;  // outside the six kinds: no rule, no field
    for (const FieldKind kind : {FieldKind(-1), FieldKind(6)})
        EXPECT_TRUE(rangeCheck(none, kind) == 0 && !scratchField(none.scratch, kind) && !*rangeMessage(kind));
}

struct ClockDialogTest : LoggerTest {
    ClockDialogTest() {
        shell.utc = PcTime{2007, 3, 4, 1, 14, 5, 9, 0};
        shell.local = PcTime{2007, 3, 4, 1, 15, 5, 9, 0};
        logger().loggedIn = true;
        dialog.opened(view);
    }
    RegattaRecord regatta;
    int timeZone = 0;
    PcTime sample;
    LoggerClockDialog dialog{context, regatta, timeZone, sample};
    FakeView view;
};

TEST_F(ClockDialogTest, SendsTheClockOfTheOpeningWithTypedChangesOrThatOfTheClickByTheTimeZone) {
    EXPECT_EQ(view.texts[IDC_CLOCK_DAY] + view.texts[IDC_CLOCK_MONTH] + view.texts[IDC_CLOCK_YEAR] +
                  view.texts[IDC_CLOCK_HOUR] + view.texts[IDC_CLOCK_MINUTE] + view.texts[IDC_CLOCK_SECOND],
              "010307140509");
    shell.utc.minute = 6;  // a minute later
    view.type(dialog, IDC_CLOCK_HOUR, "7");
    view.type(dialog, IDC_CLOCK_SECOND, "");
    dialog.clicked(view, IDC_CLOCK_SEND_TYPED);
    EXPECT_EQ(std::tuple(logger().clock, view.closed()), std::tuple("010307070509", true));
    for (int zone : {7, 0, 1}) {  // neither UTC nor local time: the last sample
        timeZone = zone;
        dialog.clicked(view, IDC_CLOCK_SEND_PC);
    }
    EXPECT_EQ(std::tuple(wire(), shown()),
              std::tuple("E010307070509" "E010307140509" "E010307140609" "E010307150509", Texts(4, kClockSetText)));
    // A refused value hides the dialog, which comes back showing the PC clock afresh.
    view.type(dialog, IDC_CLOCK_HOUR, "24");
    EXPECT_EQ(std::tuple(view.visibility, shell.commandsPosted),
              std::tuple(std::vector<bool>(5, false), std::vector<int>{cmd::kLoggerClock}));
    FakeView again;
    dialog.opened(again);
    EXPECT_EQ(again.texts[IDC_CLOCK_HOUR], "15");
}

struct RegattaTimeTest : LoggerTest {
    RegattaTimeTest() { logger().loggedIn = true; }
    RegattaRecord regatta{.start = {30, 9, 0, 14, 6, 8}, .end = {5, 17, 0, 15, 6, 8}};
    FileSaveRequest fileSave;
    FakeView view;
};

TEST_F(RegattaTimeTest, StartGoesOutAsGAndEndAsHWithTwelveDigitsOrAsksForTheLogin) {
    for (const RegattaTimeRole* role : {&kStartTimeRole, &kEndTimeRole}) {
        RegattaTimeDialog dialog(context, regatta, fileSave, *role);
        dialog.opened(view);
        dialog.clicked(view, IDC_RTIME_SEND);
    }
    EXPECT_EQ(view.texts[IDC_RTIME_HOUR] + view.texts[IDC_RTIME_MINUTE] + view.texts[IDC_RTIME_YEAR], "170508");
    EXPECT_EQ(wire() + "|" + logger().regattaStart + logger().regattaEnd,
              "G140608093000" "H150608170500|" "140608093000" "150608170500");
    logger().loggedIn = false;
    RegattaTimeDialog(context, regatta, fileSave, kStartTimeRole).clicked(view, IDC_RTIME_SEND);
    EXPECT_EQ(shown(), (Texts{"Regatta-Startzeit geaendert", "Regatta-Endezeit geaendert", kPasswordRequiredText}));
    regatta.start = {100, 0, 0, 1, 1, 2007};  // a damaged file's values keep to their two characters
    EXPECT_EQ(regattaTimeCommand(regatta, kStartTimeRole), "G010120001000\n");
    regatta.start = {10, 10, 0, 10, 10, 10};
    EXPECT_EQ(regattaTimeCommand(regatta, kStartTimeRole), "G101010101000\n");
}

TEST_F(RegattaTimeTest, TypedValuesStayInTheRecordRefusedOnesReopenWithTheReplacement) {
    RegattaTimeDialog start(context, regatta, fileSave, kStartTimeRole), end(context, regatta, fileSave, kEndTimeRole);
    view.type(start, IDC_RTIME_MINUTE, "45");
    view.type(start, IDC_RTIME_HOUR, "");
    view.type(start, IDC_RTIME_DAY, "32");
    view.type(end, IDC_RTIME_YEAR, "2008");
    EXPECT_EQ(std::tuple(shown(), shell.commandsPosted, wire()),
              std::tuple(Texts{rangeMessage(FieldKind::Day), rangeMessage(FieldKind::Year)},
                         std::vector<int>{cmd::kStartTime, cmd::kEndTime}, ""));
    // Minute, hour, day of the start and year of the end.
    EXPECT_EQ(std::tuple(regatta.start.minute, regatta.start.hour, regatta.start.day, regatta.end.year),
              std::tuple(45, 9, 1, 3));
}

TEST_F(RegattaTimeTest, SaveAsksForTheFileSaveDialogWithTheRolesPromptThenCloses) {
    for (auto [role, prompt] : {std::pair{&kStartTimeRole, kRegattaSavePromptStartTime},
                                std::pair{&kEndTimeRole, kRegattaSavePrompt}}) {
        FakeView saveView;
        shell.onCommand = [&](int) { EXPECT_FALSE(saveView.closed()); };
        RegattaTimeDialog(context, regatta, fileSave, *role).clicked(saveView, IDC_SAVE);
        EXPECT_EQ(fileSave.prompt + fileSave.extension + fileSave.kind, std::string(prompt) + ".rsdR");
        EXPECT_TRUE(saveView.closed());
    }
    EXPECT_EQ(std::tuple(shell.commandsRun, wire()), std::tuple(std::vector<int>{cmd::kFileSave, cmd::kFileSave}, ""));
}

TEST_F(LoggerTest, PasswordDialogTakesEightCharactersRefusesNineAndLogsInOnOk) {
    std::string password = "MASTER";
    LoggerPasswordDialog dialog(context, PasswordKind::Master, password);
    FakeView view;
    dialog.opened(view);
    EXPECT_EQ(view.texts[IDC_LOGGER_PASSWORD_PROMPT], "ERLG Master-Paßwort eingeben");
    view.type(dialog, IDC_LOGGER_PASSWORD_FIELD, "123456789");
    EXPECT_EQ(std::tuple(password, view.closed(), shown(), shell.commandsPosted),
              std::tuple("MASTER", true, Texts{kPasswordTooLongText}, std::vector<int>{cmd::kMasterPassword}));
    view.type(dialog, IDC_LOGGER_PASSWORD_FIELD, "12345678");
    EXPECT_EQ(password, "12345678");
    password = "MASTER";
    view.type(dialog, IDC_LOGGER_PASSWORD_FIELD, "");
    dialog.clicked(view, button::kCancel);
    EXPECT_EQ(ports.created, 0);
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(std::tuple(wire(), logger().loggedIn), std::tuple("X\nMASTER\r", true));
    LoggerPasswordDialog userDialog(context, PasswordKind::User, password);
    EXPECT_EQ(userDialog.prompt() + std::to_string(userDialog.reopenCommand()), "ERLG User-Paßwort eingeben1020");
}

} // namespace
} // namespace wg::test
