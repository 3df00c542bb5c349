#include "logger/regatta_time_dialog.h"

#include "logger/date_time_check.h"
#include "logger_fixture.h"
#include "resources/resource_ids.h"
#include "support/fake_view.h"

namespace wg {
namespace {

class RegattaTimeTest : public test::LoggerTest {
protected:
    RegattaTimeTest() {
        regatta.start = TimeOfRegatta{30, 9, 0, 14, 6, 8};
        regatta.end = TimeOfRegatta{5, 17, 0, 15, 6, 8};
        logger().loggedIn = true;
    }
    RegattaRecord regatta;
    FileSaveRequest fileSave;
    RegattaTimeDialog start{context, regatta, fileSave, kStartTimeRole};
    RegattaTimeDialog end{context, regatta, fileSave, kEndTimeRole};
    test::FakeView view;
};

TEST_F(RegattaTimeTest, StartTimeGoesOutAsGWithTwelveDigits) {
    start.opened(view);
    EXPECT_EQ(view.texts[IDC_RTIME_HOUR], "09");
    EXPECT_EQ(view.texts[IDC_RTIME_MINUTE], "30");
    EXPECT_EQ(view.texts[IDC_RTIME_YEAR], "08");
    start.clicked(view, IDC_RTIME_SEND);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(wire(), "G140608093000");
    EXPECT_EQ(logger().regattaStart, "140608093000");
    EXPECT_EQ(shown, shownOnly("Regatta-Startzeit geaendert"));
}

TEST_F(RegattaTimeTest, EndTimeGoesOutAsH) {
    end.opened(view);
    EXPECT_EQ(view.texts[IDC_RTIME_HOUR], "17");
    end.clicked(view, IDC_RTIME_SEND);
    EXPECT_EQ(wire(), "H150608170500");
    EXPECT_EQ(logger().regattaEnd, "150608170500");
    EXPECT_EQ(shown, shownOnly("Regatta-Endezeit geaendert"));
}

TEST_F(RegattaTimeTest, RefusedFieldReopensWithTheReplacementValue) {
    struct Case {
        const RegattaTimeRole& role;
        int field;
        const char* typed;
        FieldKind kind;
        const char* reopened;
    } cases[] = {
        {kStartTimeRole, IDC_RTIME_DAY, "0", FieldKind::Day, "01"},
        {kStartTimeRole, IDC_RTIME_DAY, "32", FieldKind::Day, "01"},
        {kEndTimeRole, IDC_RTIME_MONTH, "13", FieldKind::Month, "01"},
        {kEndTimeRole, IDC_RTIME_YEAR, "2008", FieldKind::Year, "03"},
        {kStartTimeRole, IDC_RTIME_HOUR, "24", FieldKind::Hour, "00"},
    };
    for (const Case& c : cases) {
        RegattaRecord record = regatta;
        test::FakeShell freshShell;
        std::vector<std::string> freshShown;
        freshShell.onCommand = [&](int) { freshShown.push_back(message.text()); };
        LoggerContext fresh{ports, clock, message, freshShell};
        RegattaTimeDialog dialog(fresh, record, fileSave, c.role);
        test::FakeView first;
        dialog.opened(first);
        first.type(dialog, c.field, c.typed);
        EXPECT_TRUE(first.closed()) << c.typed;
        EXPECT_EQ(freshShown, std::vector<std::string>{rangeMessage(c.kind)}) << c.typed;
        EXPECT_EQ(freshShell.commandsPosted, std::vector<int>{c.role.reopenCommand}) << c.typed;
        test::FakeView again;
        dialog.opened(again);
        EXPECT_EQ(again.texts[c.field], c.reopened) << c.typed;
        // The other fields show what they held.
        if (c.field != IDC_RTIME_MINUTE) {
            EXPECT_EQ(again.texts[IDC_RTIME_MINUTE], first.texts[IDC_RTIME_MINUTE]);
        }
    }
    EXPECT_EQ(wire(), "");
}

TEST_F(RegattaTimeTest, AcceptedFieldStaysInTheRecordOnCancel) {
    start.opened(view);
    view.type(start, IDC_RTIME_MINUTE, "45");
    view.type(start, IDC_RTIME_DAY, "31");
    view.type(start, IDC_RTIME_HOUR, "");
    start.clicked(view, button::kCancel);
    EXPECT_EQ(regatta.start.minute, 45);
    EXPECT_EQ(regatta.start.day, 31);
    EXPECT_EQ(regatta.start.hour, 9);
    EXPECT_EQ(regatta.end.minute, 5);
    EXPECT_EQ(wire(), "");
}

TEST_F(RegattaTimeTest, LoggerWithoutLoginLeavesTheRecord) {
    logger().loggedIn = false;
    start.opened(view);
    start.clicked(view, IDC_RTIME_SEND);
    EXPECT_EQ(shown, shownOnly(kPasswordRequiredText));
    EXPECT_EQ(logger().regattaStart, "140608093000");
    EXPECT_EQ(regatta.start.minute, 30);
}

TEST_F(RegattaTimeTest, SaveHandsTheFileSaveDialogItsPrompt) {
    struct Case {
        RegattaTimeDialog& dialog;
        const char* prompt;
    } cases[] = {{start, kRegattaSavePromptStartTime}, {end, kRegattaSavePrompt}};
    for (const Case& c : cases) {
        test::FakeView saveView;
        shell.onCommand = [&](int id) {
            if (id == cmd::kFileSave) {
                EXPECT_FALSE(saveView.closed());
            }
        };
        c.dialog.opened(saveView);
        c.dialog.clicked(saveView, IDC_SAVE);
        EXPECT_EQ(fileSave.prompt, c.prompt);
        EXPECT_EQ(fileSave.extension, ".rsd");
        EXPECT_EQ(fileSave.kind, kSaveRegattaData);
        EXPECT_TRUE(saveView.closed());
    }
    EXPECT_EQ(shell.commandsRun, (std::vector<int>{cmd::kFileSave, cmd::kFileSave}));
    EXPECT_EQ(wire(), "");
}

} // namespace
} // namespace wg
