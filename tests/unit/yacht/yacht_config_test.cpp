#include "yacht/yacht_config_dialog.h"

#include "files/file_names.h"
#include "logger/scripted_port.h"
#include "logger/logger_fixture.h"
#include "resources/resource_ids.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"
#include "yacht/yacht_exchanges.h"

namespace wg {
namespace {

const std::string kTransferred =
    std::string(kModeChangedText) + kYachtIdChangedText + kYachtFileSavedText;

class YachtConfigTest : public test::LoggerTest {
protected:
    YachtConfigTest() {
        regatta.regattaFileName = "Kiel08";
        dialog.opened(view);
    }
    RegattaRecord regatta;
    YachtRecord yacht;
    int remembered = 0;
    test::TempDir dir;
    YachtConfigDialog dialog{context, yacht, regatta, remembered, dir.programDir()};
    test::FakeView view;
};

TEST_F(YachtConfigTest, OpensEmptyWithTheFifthModeDisabled) {
    yacht.operatingMode = 2;
    EXPECT_FALSE(view.isChecked(IDC_YACHT_MODE2));
    EXPECT_FALSE(view.isEnabled(IDC_YACHT_MODE5));
    EXPECT_TRUE(view.isEnabled(IDC_YACHT_MODE4));
    EXPECT_EQ(view.texts[IDC_YACHT_ID], "");
}

TEST_F(YachtConfigTest, FieldsAreCutToTheirLimits) {
    view.type(dialog, IDC_YACHT_NAME, std::string(70, 'n'));
    view.type(dialog, IDC_YACHT_ID, "ABCDEFGHIJ");
    view.type(dialog, IDC_YACHT_SEALS, "12345");
    view.type(dialog, IDC_YACHT_PASSWORD, "PASSWORD9");
    EXPECT_EQ(yacht.yachtName, std::string(63, 'n'));
    EXPECT_EQ(yacht.yachtId, "ABCDEFGH");
    EXPECT_EQ(view.texts[IDC_YACHT_ID], "ABCDEFGH");
    EXPECT_EQ(yacht.sealCount, 1234);
    EXPECT_EQ(view.texts[IDC_YACHT_SEALS], "1234");
    EXPECT_EQ(yacht.masterPassword, "PASSWORD");
    EXPECT_EQ(yacht.masterFileName, "Kiel08-ABCDEFGH.ysd");
    EXPECT_EQ(view.texts[IDC_YACHT_FILE], "Kiel08-ABCDEFGH");

    // Emptied fields leave the stored values.
    view.type(dialog, IDC_YACHT_ID, "");
    view.type(dialog, IDC_YACHT_SEALS, "");
    EXPECT_EQ(yacht.yachtId, "ABCDEFGH");
    EXPECT_EQ(yacht.sealCount, 1234);
}

TEST_F(YachtConfigTest, YachtIdThatCannotNameAFileIsRefused) {
    view.type(dialog, IDC_YACHT_ID, "GER12");
    for (const char* id : {"GER/12", "A:B", "x*", "..\\x"}) {
        view.type(dialog, IDC_YACHT_ID, id);
        EXPECT_EQ(yacht.yachtId, "GER12") << id;
        EXPECT_EQ(view.texts[IDC_YACHT_ID], "GER12") << id;
    }
    EXPECT_EQ(shown, std::vector<std::string>(4, kUnsafeFileNameMessage));
    EXPECT_EQ(yacht.masterFileName, "Kiel08-GER12.ysd");
}

TEST_F(YachtConfigTest, ModeButtonsSetTheMode) {
    dialog.clicked(view, IDC_YACHT_MODE4);
    EXPECT_EQ(yacht.operatingMode, 4);
    EXPECT_TRUE(view.isChecked(IDC_YACHT_MODE4));
    dialog.clicked(view, IDC_YACHT_MODE1);
    EXPECT_EQ(yacht.operatingMode, 1);
    EXPECT_FALSE(view.isChecked(IDC_YACHT_MODE4));
    EXPECT_EQ(remembered, 0);
}

TEST_F(YachtConfigTest, ReadingShowsTheLoggersIdentityAndMode) {
    logger().loggedIn = true;
    logger().operatingMode = 2;
    dialog.clicked(view, IDC_YACHT_READ);
    EXPECT_EQ(view.texts[IDC_YACHT_SERIAL], "100234");
    EXPECT_EQ(view.texts[IDC_YACHT_ID], "GER12");
    EXPECT_EQ(view.texts[IDC_YACHT_FILE], "Kiel08-GER12");
    EXPECT_EQ(yacht.operatingMode, 2);
    EXPECT_TRUE(view.isChecked(IDC_YACHT_MODE2));
    EXPECT_EQ(wire(), "D\rF\r");
    EXPECT_EQ(message.text(), "");
}

TEST_F(YachtConfigTest, ReadingWithoutLoginStopsAfterTheIdentification) {
    dialog.clicked(view, IDC_YACHT_READ);
    EXPECT_EQ(wire(), "D\r");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Passwortfehler");
    EXPECT_EQ(view.texts[IDC_YACHT_SERIAL], "");
}

TEST_F(YachtConfigTest, ModeQueryTakesTheDigitTwoPlacesAfterTheColon) {
    // 5 selects the disabled button; a letter stores 0 and keeps the button
    // of the last mode read.
    test::ScriptedPorts scripted(clock);
    scripted.answers["D"] = {{50, "\nERLG: 100234\r\nYacht: GER12\r\n"}};
    scripted.answers["F"] = {{50, "\nBetriebsart: 5\r\n"}};
    LoggerContext onScript{scripted, clock, message, shell};
    YachtConfigDialog reading(onScript, yacht, regatta, remembered, dir.programDir());
    reading.opened(view);
    reading.clicked(view, IDC_YACHT_READ);
    EXPECT_EQ(yacht.operatingMode, 5);
    EXPECT_TRUE(view.isChecked(IDC_YACHT_MODE5));

    scripted.answers["F"] = {{50, "\nBetriebsart: x\r\n"}};
    reading.clicked(view, IDC_YACHT_READ);
    EXPECT_EQ(yacht.operatingMode, 0);
    EXPECT_TRUE(view.isChecked(IDC_YACHT_MODE5));
    EXPECT_EQ(remembered, IDC_YACHT_MODE5);
}

TEST(ModeInReply, ReadsOneDigitAndNothingOutsideTheReply) {
    struct Case {
        const char* reply;
        std::int32_t mode;
    } cases[] = {{"Betriebsart: 3\r\n", 3}, {"a:b4:c 7", 4}, {"Betriebsart:5", 0},
                 {"Betriebsart: ", 0},      {"Betriebsart 3", 0}, {"", 0}, {"x: 12", 1}};
    for (const Case& c : cases) EXPECT_EQ(modeInReply(c.reply), c.mode) << c.reply;
}

TEST_F(YachtConfigTest, TransferSendsModeAndYachtIdAndWritesTheFile) {
    logger().loggedIn = true;
    view.type(dialog, IDC_YACHT_NAME, "Blue Star");
    view.type(dialog, IDC_YACHT_ID, "ABCDEFGHIJ");
    view.type(dialog, IDC_YACHT_SEALS, "2");
    dialog.clicked(view, IDC_YACHT_MODE1);
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(wire(), "F1\rD0\rABCDEFGH\r");
    EXPECT_EQ(logger().operatingMode, 1);
    EXPECT_EQ(logger().yachtId, "ABCDEFGH");
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], kTransferred);
    EXPECT_EQ(dir.read("Kiel08-ABCDEFGH.ysd"),
              "$Dateikennung                           Yachtdaten\r\n"
              "$Yachtname                              Blue Star\r\n"
              "$Yacht-ID                               ABCDEFGH\r\n"
              "$Betriebsart                            1\r\n"
              "$Siegel-Anzahl                          2\r\n");
    EXPECT_EQ(message.text(), "");
    // Three drains and the waits: bounded well below a minute.
    EXPECT_LT(clock.nowMs(), 20000);
}

TEST_F(YachtConfigTest, TransferWithModeZeroSendsIt) {
    logger().loggedIn = true;
    view.type(dialog, IDC_YACHT_ID, "GER7");
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(wire(), "F0\rD0\rGER7\r");
    EXPECT_EQ(view.texts[IDC_YACHT_INFO],
              std::string(kModeNotChangedText) + kYachtIdChangedText + kYachtFileSavedText);
}

TEST_F(YachtConfigTest, YachtIdOfOneBlankAbortsAfterTheModeCommand) {
    logger().loggedIn = true;
    yacht.yachtId = " ";
    dialog.clicked(view, IDC_YACHT_MODE3);
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(wire(), "F3\r");
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeChangedText) + kNoYachtIdText);
    EXPECT_FALSE(dir.exists(" .ysd"));
}

TEST_F(YachtConfigTest, TransferWithoutLoginShowsTheBoxAndSendsNothingMore) {
    view.type(dialog, IDC_YACHT_ID, "GER7");
    dialog.clicked(view, IDC_YACHT_MODE2);
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(wire(), "F2\r");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Passwortfehler");
    EXPECT_EQ(shell.boxes[0].text, "Master Passwort fehlt!\nZuerst Masterpasswort eingeben und danach ERLG auslesen.");
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], "");
    EXPECT_FALSE(dir.exists("Kiel08-GER7.ysd"));
}

TEST_F(YachtConfigTest, RefusedOrSilentLoggerEndsInTheRecoveryWithoutAFile) {
    struct Case {
        sim::Fault fault;
        std::size_t sendLimit;
        std::string wire;
    } cases[] = {
        // "Falsches Kommando" to everything: the mode is not changed, D0 is refused.
        {sim::Fault::WrongCommand, 0, "F4\rD0\rT\r"},
        // Silent after the mode's answer: D0 gets no answer.
        {sim::Fault::None, 3 + 28 + 3, "F4\rD0\rT\r"},
        // Silent from the start: no echo of the mode command.
        {sim::Fault::Silent, 0, "FFFT\r"},
    };
    for (const Case& c : cases) {
        test::VirtualClock freshClock;
        sim::LoggerDevice device;
        device.state().loggedIn = true;
        device.behaviour().fault = c.fault;
        device.behaviour().sendLimit = c.sendLimit;
        sim::SimulatedPortFactory freshPorts(device, freshClock);
        MessageText freshMessage;
        LoggerContext fresh{freshPorts, freshClock, freshMessage, shell};
        YachtRecord record;
        record.yachtId = "GER7";
        record.operatingMode = 4;
        record.masterFileName = "Kiel08-GER7.ysd";
        YachtConfigDialog transfer(fresh, record, regatta, remembered, dir.programDir());
        test::FakeView transferView;
        transfer.opened(transferView);
        transfer.clicked(transferView, IDC_YACHT_TRANSFER);
        EXPECT_EQ(device.received(), c.wire);
        EXPECT_EQ(transferView.texts[IDC_YACHT_PASSWORD_OUT], kCommandFailedText);
        EXPECT_EQ(transferView.texts[IDC_YACHT_INFO], "");
        EXPECT_FALSE(dir.exists("Kiel08-GER7.ysd"));
        EXPECT_NE(device.state().yachtId, "GER7");
        EXPECT_LT(freshClock.nowMs(), 20000);
    }
}

TEST_F(YachtConfigTest, FileThatCannotBeWrittenEndsTheInfoAfterTheYachtId) {
    logger().loggedIn = true;
    yacht.yachtId = "GER7";
    yacht.masterFileName = "nested\\Kiel08-GER7.ysd";
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeNotChangedText) + kYachtIdChangedText);
}

TEST_F(YachtConfigTest, MasterPasswordLogin) {
    struct Case {
        std::string password;
        sim::Fault fault;
        std::string wire, output;
    } cases[] = {
        {"MASTER", sim::Fault::None, "X\rMASTER\r", "Passwort OK!"},
        {"WRONG", sim::Fault::None, "X\rWRONG\r", kYachtWrongPasswordText},
        {"MASTER", sim::Fault::WrongCommand, "X\rT\r", kCommandFailedText},
        {"MASTER", sim::Fault::Silent, "XXT\r", kCommandFailedText},
    };
    for (const Case& c : cases) {
        test::VirtualClock freshClock;
        sim::LoggerDevice device;
        device.behaviour().fault = c.fault;
        sim::SimulatedPortFactory freshPorts(device, freshClock);
        MessageText freshMessage;
        LoggerContext fresh{freshPorts, freshClock, freshMessage, shell};
        YachtRecord record;
        YachtConfigDialog login(fresh, record, regatta, remembered, dir.programDir());
        test::FakeView loginView;
        login.opened(loginView);
        loginView.type(login, IDC_YACHT_PASSWORD, c.password);
        login.clicked(loginView, IDC_YACHT_LOGIN);
        EXPECT_EQ(device.received(), c.wire) << c.password;
        EXPECT_EQ(loginView.texts[IDC_YACHT_PASSWORD_OUT], c.output) << c.password;
        EXPECT_EQ(device.state().loggedIn, c.output == "Passwort OK!") << c.password;
        EXPECT_LT(freshClock.nowMs(), 20000);
    }
}

TEST_F(YachtConfigTest, LoginWithoutPasswordSaysSoAndSendsNothing) {
    dialog.clicked(view, IDC_YACHT_LOGIN);
    EXPECT_EQ(wire(), "");
    EXPECT_EQ(shown, shownOnly("kein Paßwort eingegeben, Eingabe wiederholen!"));
}

} // namespace
} // namespace wg
