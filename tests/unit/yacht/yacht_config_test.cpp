#include "yacht/yacht_config_dialog.h"

#include "files/file_names.h"
#include "resources/resource_ids.h"
#include "support/logger_rig.h"
#include "support/temp_dir.h"
#include "yacht/yacht_exchanges.h"

namespace wg::test {
namespace {

struct YachtConfigTest : LoggerTest {
    YachtConfigTest() {
        regatta.regattaFileName = "Kiel08";
        dialog.opened(view);
    }
    RegattaRecord regatta;
    YachtRecord yacht;
    int remembered = 0;
    TempDir dir;
    YachtConfigDialog dialog{context, yacht, regatta, remembered, dir.programDir()};
    FakeView view;
};

TEST_F(YachtConfigTest, OpensEmptyAndCutsEveryFieldToItsLimit) {
    EXPECT_FALSE(view.checked[IDC_YACHT_MODE1] || view.checked[IDC_YACHT_MODE5]);
    EXPECT_TRUE(view.disabled[IDC_YACHT_MODE5]);
    EXPECT_FALSE(view.disabled[IDC_YACHT_MODE4]);
    view.type(dialog, IDC_YACHT_NAME, std::string(70, 'n'));
    view.type(dialog, IDC_YACHT_ID, "ABCDEFGHIJ");
    view.type(dialog, IDC_YACHT_SEALS, "12345");
    view.type(dialog, IDC_YACHT_PASSWORD, "PASSWORD9");
    EXPECT_EQ(yacht.yachtName, std::string(63, 'n'));
    EXPECT_EQ(yacht.yachtId + view.texts[IDC_YACHT_ID], "ABCDEFGHABCDEFGH");
    EXPECT_EQ(yacht.sealCount, 1234);
    EXPECT_EQ(view.texts[IDC_YACHT_SEALS], "1234");
    EXPECT_EQ(yacht.masterPassword, "PASSWORD");
    EXPECT_EQ(yacht.masterFileName, "Kiel08-ABCDEFGH.ysd");
    EXPECT_EQ(view.texts[IDC_YACHT_FILE], "Kiel08-ABCDEFGH");
    view.type(dialog, IDC_YACHT_ID, "");  // emptied fields leave the stored values
    view.type(dialog, IDC_YACHT_SEALS, "");
    EXPECT_EQ(yacht.yachtId, "ABCDEFGH");
    EXPECT_EQ(yacht.sealCount, 1234);
}

TEST_F(YachtConfigTest, YachtIdThatCannotNameAFileIsRefused) {
    view.type(dialog, IDC_YACHT_ID, "GER12");
    for (const char* id : {"GER/12", "A:B", "x*", "..\\x"}) {
        view.type(dialog, IDC_YACHT_ID, id);
        EXPECT_EQ(yacht.yachtId + view.texts[IDC_YACHT_ID], "GER12GER12") << id;
    }
    EXPECT_EQ(shown(), Texts(4, kUnsafeFileNameMessage));
    EXPECT_EQ(yacht.masterFileName, "Kiel08-GER12.ysd");
}

TEST_F(YachtConfigTest, ReadingShowsTheLoggersIdentityAndSelectsItsMode) {
    logger().loggedIn = true;
    dialog.clicked(view, IDC_YACHT_MODE1);
    EXPECT_EQ(yacht.operatingMode, 1);
    struct Case {
        int loggerMode;
        std::int32_t mode;
        int button;  // selected afterwards
    } cases[] = {{2, 2, IDC_YACHT_MODE2}, {5, 5, IDC_YACHT_MODE5}, {7, 7, IDC_YACHT_MODE5}};
    for (const Case& c : cases) {
        logger().operatingMode = c.loggerMode;
        dialog.clicked(view, IDC_YACHT_READ);
        EXPECT_EQ(yacht.operatingMode, c.mode);
        EXPECT_TRUE(view.checked[c.button]) << c.loggerMode;
        EXPECT_FALSE(view.checked[IDC_YACHT_MODE1]);
    }
    EXPECT_EQ(remembered, IDC_YACHT_MODE5);  // a mode outside 1 to 5 keeps the last button read
    EXPECT_EQ(view.texts[IDC_YACHT_SERIAL] + " " + view.texts[IDC_YACHT_ID], "100234 GER12");
    EXPECT_EQ(view.texts[IDC_YACHT_FILE], "Kiel08-GER12");
    EXPECT_EQ(wire(), "D\rF\rD\rF\rD\rF\r");
    EXPECT_EQ(message.text(), "");
}

TEST_F(YachtConfigTest, ReadingWithoutLoginStopsAfterTheIdentification) {
    dialog.clicked(view, IDC_YACHT_READ);
    EXPECT_EQ(wire(), "D\r");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Passwortfehler");
    EXPECT_EQ(view.texts[IDC_YACHT_SERIAL], "");
}

TEST(ModeInReply, ReadsOneDigitTwoPlacesAfterTheFirstColonAndNothingOutsideTheReply) {
    const std::pair<const char*, std::int32_t> cases[] = {{"Betriebsart: 3\r\n", 3}, {"a:b4:c 7", 4},
                                                          {"Betriebsart:5", 0},      {"Betriebsart: ", 0},
                                                          {"Betriebsart: x", 0},     {"", 0}};
    for (const auto& [reply, mode] : cases) EXPECT_EQ(modeInReply(reply), mode) << reply;
}

TEST_F(YachtConfigTest, TransferSendsModeAndYachtIdAndWritesTheFile) {
    logger().loggedIn = true;
    view.type(dialog, IDC_YACHT_NAME, "Blue Star");
    view.type(dialog, IDC_YACHT_ID, "GER7");
    view.type(dialog, IDC_YACHT_SEALS, "2");
    dialog.clicked(view, IDC_YACHT_TRANSFER);  // mode 0, as nothing chose one
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeNotChangedText) + kYachtIdChangedText + kYachtFileSavedText);
    dialog.clicked(view, IDC_YACHT_MODE1);
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(wire(), "F0\rD0\rGER7\r" "F1\rD0\rGER7\r");
    EXPECT_EQ(logger().operatingMode, 1);
    EXPECT_EQ(logger().yachtId, "GER7");
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], "Betriebsart geändert. Yacht-ID geaendert  Daten in Datei gespeichert");
    EXPECT_EQ(dir.read("Kiel08-GER7.ysd"),
              "$Dateikennung                           Yachtdaten\r\n"
              "$Yachtname                              Blue Star\r\n"
              "$Yacht-ID                               GER7\r\n"
              "$Betriebsart                            1\r\n"
              "$Siegel-Anzahl                          2\r\n");
    EXPECT_EQ(message.text(), "");
    EXPECT_LT(clock.nowMs(), 40000);  // three drains and the waits, twice
}

TEST_F(YachtConfigTest, TransferStopsWithoutYachtIdWithoutLoginAndWithoutAWritableFile) {
    logger().loggedIn = true;
    yacht.yachtId = " ";
    dialog.clicked(view, IDC_YACHT_MODE3);
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeChangedText) + kNoYachtIdText);
    yacht.yachtId = "GER7";
    yacht.masterFileName = "nested\\Kiel08-GER7.ysd";
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeChangedText) + kYachtIdChangedText);
    logger().loggedIn = false;
    view.texts[IDC_YACHT_INFO] = "";
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(wire(), "F3\r" "F3\rD0\rGER7\r" "F3\r");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption + "|" + shell.boxes[0].text,
              "Passwortfehler|Master Passwort fehlt!\nZuerst Masterpasswort eingeben und danach ERLG auslesen.");
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], "");
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST(YachtTransfer, RefusedOrSilentLoggerEndsInTheRecoveryWithoutAFile) {
    struct Case {
        sim::Fault fault;
        std::size_t sendLimit;
        std::string wire;
    } cases[] = {
        {sim::Fault::WrongCommand, 0, "F4\rD0\rT\r"},  // the mode is not changed, D0 is refused
        {sim::Fault::None, 3 + 28 + 3, "F4\rD0\rT\r"},  // silent after the mode's answer
        {sim::Fault::Silent, 0, "FFFT\r"},              // no echo of the mode command
    };
    for (const Case& c : cases) {
        LoggerRig r;
        r.logger().loggedIn = true;
        r.behaviour().fault = c.fault;
        r.behaviour().sendLimit = c.sendLimit;
        TempDir dir;
        YachtRecord yacht;
        yacht.yachtId = "GER7";
        yacht.operatingMode = 4;
        yacht.masterFileName = "Kiel08-GER7.ysd";
        const YachtTransferOutcome outcome = yachtTransfer(r.context, yacht, dir.programDir());
        EXPECT_EQ(r.wire(), c.wire);
        EXPECT_EQ(outcome.passwordOutput.value_or(""), kCommandFailedText) << c.wire;
        EXPECT_FALSE(outcome.info) << c.wire;
        EXPECT_EQ(dir.fileCount(), 0u);
        EXPECT_NE(r.logger().yachtId, "GER7");
        EXPECT_LT(r.clock.nowMs(), 20000);
    }
}

TEST(YachtMasterLogin, ShowsTheVerdictInThePasswordOutput) {
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
        LoggerRig r;
        r.behaviour().fault = c.fault;
        YachtRecord yacht;
        RegattaRecord regatta;
        int remembered = 0;
        YachtConfigDialog dialog(r.context, yacht, regatta, remembered, "");
        FakeView view;
        view.type(dialog, IDC_YACHT_PASSWORD, c.password);
        dialog.clicked(view, IDC_YACHT_LOGIN);
        EXPECT_EQ(r.wire(), c.wire) << c.password;
        EXPECT_EQ(view.texts[IDC_YACHT_PASSWORD_OUT], c.output) << c.password;
        EXPECT_EQ(r.logger().loggedIn, c.output == "Passwort OK!") << c.password;
        EXPECT_LE(r.clock.nowMs(), c.fault == sim::Fault::None ? 5000 : 8000) << c.password;
    }
    LoggerRig r;
    EXPECT_EQ(yachtMasterLogin(r.context, ""), "");
    EXPECT_EQ(r.wire(), "");
    EXPECT_EQ(r.shown(), Texts{"kein Paßwort eingegeben, Eingabe wiederholen!"});
}

} // namespace
} // namespace wg::test
