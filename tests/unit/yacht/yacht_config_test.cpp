#include "yacht/yacht_config_dialog.h"

#include "files/file_names.h"
#include "resources/resource_ids.h"
#include "files/write_outcome.h"
#include "support/canned_port.h"
#include "support/logger_rig.h"
#include "support/temp_dir.h"
#include "support/yrd_text.h"
#include "yacht/coarse_minutes.h"
#include "yacht/yacht_exchanges.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

struct YachtConfigTest : LoggerTest {
    YachtConfigTest() {
        logger().loggedIn = true;
        dialog.opened(view);
    }
    RegattaRecord regatta{.regattaFileName = "Kiel08"};
    YachtRecord yacht;
    int remembered = 0;
    TempDir dir;
    YachtConfigDialog dialog{context, yacht, regatta, remembered, dir.programDir()};
    FakeView view;
};

TEST_F(YachtConfigTest, OpensEmptyAndCutsEveryFieldToItsLimit) {
    EXPECT_TRUE(!view.checked[IDC_YACHT_MODE1] && !view.checked[IDC_YACHT_MODE5] && !view.disabled[IDC_YACHT_MODE4] &&
                view.disabled[IDC_YACHT_MODE5]);
    view.type(dialog, IDC_YACHT_NAME, std::string(70, 'n'));
    view.type(dialog, IDC_YACHT_ID, "ABCDEFGHIJ");
    view.type(dialog, IDC_YACHT_SEALS, "12345");
    view.type(dialog, IDC_YACHT_PASSWORD, "PASSWORD9");
    for (int id : {IDC_YACHT_ID, IDC_YACHT_SEALS}) view.type(dialog, id, "");  // emptied fields change nothing
    EXPECT_EQ(yacht.yachtName, std::string(63, 'n'));
    EXPECT_EQ(yacht.yachtId + "|" + std::to_string(yacht.sealCount) + "|" + yacht.masterPassword + "|" +
                  yacht.masterFileName + "|" + view.texts[IDC_YACHT_FILE],
              "ABCDEFGH|1234|PASSWORD|Kiel08-ABCDEFGH.ysd|Kiel08-ABCDEFGH");
    for (const char* id : {"GER/12", "A:B", "x*"}) view.type(dialog, IDC_YACHT_ID, id);  // no file name
    EXPECT_EQ(std::tuple(yacht.yachtId, view.texts[IDC_YACHT_ID], shown()),
              std::tuple("ABCDEFGH", "ABCDEFGH", Texts(3, kUnsafeFileNameMessage)));
}

TEST_F(YachtConfigTest, ReadingShowsTheLoggersIdentityAndSelectsItsMode) {
    dialog.clicked(view, IDC_YACHT_MODE1);
    EXPECT_EQ(yacht.operatingMode, 1);
    // 5 selects the disabled button; a mode outside 1 to 5 keeps the button read last.
    for (auto [mode, button] :
         {std::pair{1, IDC_YACHT_MODE1}, {2, IDC_YACHT_MODE2}, {5, IDC_YACHT_MODE5}, {7, IDC_YACHT_MODE5}}) {
        logger().operatingMode = mode;
        dialog.clicked(view, IDC_YACHT_READ);
        EXPECT_EQ(yacht.operatingMode, mode);
        EXPECT_TRUE(view.checked[button] && (mode == 1 || !view.checked[IDC_YACHT_MODE1])) << mode;
    }
    EXPECT_EQ(std::tuple(remembered, view.texts[IDC_YACHT_SERIAL], view.texts[IDC_YACHT_ID], view.texts[IDC_YACHT_FILE]),
              std::tuple(IDC_YACHT_MODE5, "100234", "GER12", "Kiel08-GER12"));
    logger().loggedIn = false;  // a logger that wants its password is asked nothing more
    dialog.clicked(view, IDC_YACHT_READ);
    EXPECT_EQ(wire() + "|" + message.text(), "D\rF\rD\rF\rD\rF\rD\rF\rD\r|");
}

TEST(ModeInReply, ReadsOneDigitTwoPlacesAfterTheFirstColonAndNothingOutsideTheReply) {
    for (auto [reply, mode] : {std::pair{"Betriebsart: 3\r\n", 3}, {"a:b4:c 7", 4}, {"Betriebsart:5", 0},
                               {"Betriebsart: ", 0}, {"Betriebsart: x", 0}, {"", 0}})
        EXPECT_EQ(modeInReply(reply), mode) << reply;
}

TEST_F(YachtConfigTest, TransferSendsModeAndYachtIdAndWritesTheFileOrStopsWhereItMust) {
    view.type(dialog, IDC_YACHT_NAME, "Blue Star");
    view.type(dialog, IDC_YACHT_ID, "GER7");
    view.type(dialog, IDC_YACHT_SEALS, "2");
    dialog.clicked(view, IDC_YACHT_TRANSFER);  // mode 0, as nothing chose one
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeNotChangedText) + kYachtIdChangedText + kYachtFileSavedText);
    dialog.clicked(view, IDC_YACHT_MODE1);
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(std::tuple(wire(), logger().operatingMode, logger().yachtId, view.texts[IDC_YACHT_INFO]),
              std::tuple("F0\rD0\rGER7\r" "F1\rD0\rGER7\r", 1, "GER7",
                         "Betriebsart geändert. Yacht-ID geaendert  Daten in Datei gespeichert"));
    const std::string typed = entry("Yachtname", "Blue Star") + entry("Yacht-ID", "GER7") + entry("Betriebsart", "1") +
                              entry("Siegel-Anzahl", "2");
    EXPECT_NE(dir.read("Kiel08-GER7.ysd").find(typed), std::string::npos);
    EXPECT_EQ(message.text(), "");
    yacht.masterFileName = "nested\\Kiel08-GER7.ysd";  // the file cannot be written
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeChangedText) + kYachtIdChangedText + " " +
                                              writeFailureText("nested\\Kiel08-GER7.ysd", kStatusCannotWrite));
    yacht.yachtId = " ";
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(view.texts[IDC_YACHT_INFO], std::string(kModeChangedText) + kNoYachtIdText);
    logger().loggedIn = false;
    view.texts[IDC_YACHT_INFO] = "";
    dialog.clicked(view, IDC_YACHT_TRANSFER);
    EXPECT_EQ(wire().substr(22) + view.texts[IDC_YACHT_INFO], "F1\rD0\rGER7\r" "F1\r" "F1\r");
    EXPECT_EQ(shell.boxTexts(),
              Texts{"Passwortfehler|Master Passwort fehlt!\nZuerst Masterpasswort eingeben und danach ERLG auslesen."});
    EXPECT_EQ(dir.fileCount(), 1u);
}

TEST(YachtTransfer, RefusedOrSilentLoggerEndsInTheRecoveryWithoutAFile) {
    // sendLimit: the logger falls silent after sending this many bytes (0: never).
    struct Case { const char* what; sim::Fault fault; std::size_t sendLimit; const char* wire; } cases[] = {
        {"the mode is not changed, D0 is refused", sim::Fault::WrongCommand, 0, "F0\rD0\rT\r"},
        {"silent after the echo of D0", sim::Fault::None, 3 + 22 + 3, "F0\rD0\rT\r"},
        {"silent after the echo of D0's first character", sim::Fault::None, 3 + 22 + 1, "F0\rD000T\r"},
        {"no echo of the mode command", sim::Fault::Silent, 0, "FFFT\r"}};
    for (const Case& c : cases) {
        LoggerRig r(kLoggedIn, c.fault, c.sendLimit);
        TempDir dir;
        const YachtRecord yacht{.masterFileName = "Kiel08-GER7.ysd", .yachtId = "GER7"};
        const YachtTransferOutcome outcome = yachtTransfer(r.context, yacht, dir.programDir());
        EXPECT_EQ(std::tuple(r.wire(), outcome.passwordOutput.value_or("") + outcome.info.value_or("")),
                  std::tuple(c.wire, kCommandFailedText)) << c.what;
        EXPECT_TRUE(dir.fileCount() == 0 && r.clock.nowMs() < 20000) << c.what;
    }
}

// Echo reads of one byte: stray bytes right behind the first echo of the mode (the 1st byte sent), the yacht ID
// (the 7th) or the master password (the 3rd) make each character after it go again until they are used up.
TEST_F(YachtConfigTest, TransferMasterLoginAndCoarseMinutesEchoReadsTakeOneByte) {
    yacht.yachtId = "GER7";
    yacht.operatingMode = 3;
    enum Exchange { kTransfer, kLogin, kCoarseMinutes };
    struct Case { Exchange exchange; std::size_t after; const char* reply; std::string wire; } cases[] = {
        {kTransfer, 1, "Betriebsart 3 eingestellt\r\n", "F3333\r\r\r\rD0\rGER7\r"},
        {kTransfer, 7, "Betriebsart 3 eingestellt\r\n", "F3\rD0\rGEEEERRRR7777\r\r\r\r"},
        {kLogin, 3, "Passwort OK!\r\n", "X\rMAAAASSSSTTTTEEEERRRR\r\r\r\r"},
        {kCoarseMinutes, 1, "Dauer: 42 min\r\n", "T\r\r\r\r"}};
    for (const Case& c : cases) {
        CannedPort line(clock, c.reply, c.after, "abc");
        LoggerContext on{line, clock, message, shell};
        if (c.exchange == kTransfer) yachtTransfer(on, yacht, dir.programDir());
        if (c.exchange == kLogin) yachtMasterLogin(on, "MASTER");
        if (c.exchange == kCoarseMinutes) coarseMinutesQuery(on, yacht);
        EXPECT_EQ(line.wire(), c.wire);
    }
}

TEST(YachtMasterLogin, ShowsTheVerdictInThePasswordOutput) {
    const std::tuple<std::string, sim::Fault, const char*, std::string> cases[] = {
        {"MASTER", sim::Fault::None, "X\rMASTER\r", "Passwort OK!"},
        {"WRONG", sim::Fault::None, "X\rWRONG\r", kYachtWrongPasswordText},
        {"MASTER", sim::Fault::Silent, "XXT\r", kCommandFailedText},
        {"", sim::Fault::None, "", ""}};
    for (const auto& [password, fault, wire, output] : cases) {
        LoggerRig r(!kLoggedIn, fault);
        YachtRecord yacht;
        RegattaRecord regatta;
        int remembered = 0;
        YachtConfigDialog dialog(r.context, yacht, regatta, remembered, "");
        FakeView view;
        view.type(dialog, IDC_YACHT_PASSWORD, password);
        dialog.clicked(view, IDC_YACHT_LOGIN);
        EXPECT_EQ(std::tuple(r.wire(), view.texts[IDC_YACHT_PASSWORD_OUT], r.logger().loggedIn, r.shown()),
                  std::tuple(wire, output, output == "Passwort OK!",
                             password.empty() ? Texts{"kein Paßwort eingegeben, Eingabe wiederholen!"} : Texts{}))
            << password;
        EXPECT_LE(r.clock.nowMs(), fault == sim::Fault::None ? 5000 : 8000) << password;
    }
}

} // namespace
} // namespace wg::test
