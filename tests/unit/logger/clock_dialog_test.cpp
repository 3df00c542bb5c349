#include "logger/clock_dialog.h"

#include "logger/date_time_check.h"
#include "logger_fixture.h"
#include "resources/resource_ids.h"
#include "support/fake_view.h"

namespace wg {
namespace {

class ClockDialogTest : public test::LoggerTest {
protected:
    ClockDialogTest() {
        shell.utc = PcTime{2007, 3, 4, 1, 14, 5, 9, 0};
        shell.local = PcTime{2007, 3, 4, 1, 15, 5, 9, 0};
        logger().loggedIn = true;
    }
    RegattaRecord regatta;
    int timeZone = 0;
    PcTime sample;
    LoggerClockDialog dialog{context, regatta, timeZone, sample};
    test::FakeView view;
};

TEST_F(ClockDialogTest, SendsTheClockByTheTimeZoneSetting) {
    struct Case {
        int timeZone;
        std::string wire;
    } cases[] = {{0, "E010307140509"}, {1, "E010307150509"}};
    for (const Case& c : cases) {
        test::VirtualClock freshClock;
        sim::LoggerDevice device;
        device.state().loggedIn = true;
        sim::SimulatedPortFactory freshPorts(device, freshClock);
        LoggerContext fresh{freshPorts, freshClock, message, shell};
        int zone = c.timeZone;
        LoggerClockDialog clockDialog(fresh, regatta, zone, sample);
        test::FakeView clockView;
        clockDialog.opened(clockView);
        clockDialog.clicked(clockView, IDC_CLOCK_SEND_TYPED);
        EXPECT_EQ(device.received(), c.wire);
        EXPECT_EQ(device.state().clock, c.wire.substr(1));
    }
}

TEST_F(ClockDialogTest, ShowsTheOpeningClockAndSendsItOrTheClockOfTheClick) {
    dialog.opened(view);
    EXPECT_EQ(view.texts[IDC_CLOCK_DAY], "01");
    EXPECT_EQ(view.texts[IDC_CLOCK_MONTH], "03");
    EXPECT_EQ(view.texts[IDC_CLOCK_YEAR], "07");
    EXPECT_EQ(view.texts[IDC_CLOCK_HOUR], "14");
    EXPECT_EQ(view.texts[IDC_CLOCK_MINUTE], "05");
    EXPECT_EQ(view.texts[IDC_CLOCK_SECOND], "09");

    shell.utc.minute = 6;  // a minute later
    dialog.clicked(view, IDC_CLOCK_SEND_TYPED);
    EXPECT_EQ(wire(), "E010307140509");
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(shown, shownOnly(kClockSetText));

    test::FakeView second;
    dialog.opened(second);
    shell.utc.minute = 7;
    dialog.clicked(second, IDC_CLOCK_SEND_PC);
    EXPECT_EQ(logger().clock, "010307140709");
}

TEST_F(ClockDialogTest, OtherTimeZoneSettingKeepsTheLastSample) {
    timeZone = 7;
    sample = PcTime{2009, 12, 4, 24, 23, 59, 58, 0};
    dialog.opened(view);
    dialog.clicked(view, IDC_CLOCK_SEND_PC);
    EXPECT_EQ(wire(), "E241209235958");
}

TEST_F(ClockDialogTest, TypedValuesAreSentAsTwoDigits) {
    dialog.opened(view);
    view.type(dialog, IDC_CLOCK_HOUR, "7");
    view.type(dialog, IDC_CLOCK_SECOND, "");
    view.type(dialog, IDC_CLOCK_YEAR, "9");
    EXPECT_FALSE(view.closed());
    dialog.clicked(view, IDC_CLOCK_SEND_TYPED);
    EXPECT_EQ(wire(), "E010309070509");
}

TEST_F(ClockDialogTest, RefusedValueClosesShowsItsMessageAndReopens) {
    dialog.opened(view);
    view.type(dialog, IDC_CLOCK_HOUR, "24");
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(shown, shownOnly(rangeMessage(FieldKind::Hour)));
    EXPECT_EQ(shell.commandsPosted, std::vector<int>{cmd::kLoggerClock});
    EXPECT_EQ(wire(), "");
    // Reopened, it shows the PC clock afresh.
    test::FakeView again;
    dialog.opened(again);
    EXPECT_EQ(again.texts[IDC_CLOCK_HOUR], "14");
}

TEST_F(ClockDialogTest, LoggerWithoutLoginAsksForThePassword) {
    logger().loggedIn = false;
    dialog.opened(view);
    dialog.clicked(view, IDC_CLOCK_SEND_TYPED);
    EXPECT_EQ(shown, shownOnly(kPasswordRequiredText));
    EXPECT_EQ(logger().clock, "140608080000");
}

TEST_F(ClockDialogTest, CancelSendsNothing) {
    dialog.opened(view);
    dialog.clicked(view, button::kCancel);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(wire(), "");
}

} // namespace
} // namespace wg
