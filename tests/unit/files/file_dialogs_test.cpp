#include <gtest/gtest.h>

#include "files/file_save_dialog.h"
#include "files/open_file.h"
#include "files/regatta_display_dialog.h"
#include "files/regatta_entry_dialog.h"
#include "files/regatta_file.h"
#include "platform/foreign_text.h"
#include "resources/resource_ids.h"
#include "files/write_outcome.h"
#include "support/drive_room.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

struct FileSave : ::testing::Test {
    FileSave() { shell.shows = &messageText; }
    void type(const std::string& text) { view.type(dialog, IDC_SAVE_NAME, text); }
    std::string designationIn(const std::string& name) {
        RegattaRecord back{.path = dir.programPath(name)};
        VirtualClock clock;
        return readRegattaData(back, clock) == kStatusOk ? back.designation : "unreadable";
    }
    TempDir dir;
    RegattaRecord regatta{.designation = "Sommer Cup"};
    FileSaveRequest request{kRegattaSavePrompt, ".rsd", kSaveRegattaData};
    MessageText messageText;
    FakeShell shell;
    FakeView view;
    FileSaveDialog dialog{regatta, request, messageText, shell, dir.programDir()};
};

TEST_F(FileSave, ProposesTheNameOfTheFileLoadedAndAddsTheExtensionAlways) {
    for (auto [path, proposal] : {std::pair{"", ""}, {"..\\Daten\\.rsd", ""}, {"C:\\a\\Kiel 2004.rsd", "Kiel 2004"}}) {
        regatta.path = path;
        dialog.opened(view);
        EXPECT_EQ(view.texts[IDC_SAVE_PROMPT] + "|" + view.texts[IDC_SAVE_NAME] + "|" + dialog.fileName(),
                  std::string(kRegattaSavePrompt) + "|" + proposal + "|" + (*proposal ? proposal + std::string(".rsd") : ""));
    }
    type("");  // an emptied field keeps the proposal
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(designationIn("Kiel 2004.rsd"), "Sommer Cup");
    dir.write("Alt.rsd.rsd", "alter Inhalt");  // replaced without asking
    type("Alt.rsd");
    type(std::string(241, 'm'));
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(std::tuple(designationIn("Alt.rsd.rsd"), shell.shown), std::tuple("Sommer Cup", Texts{kSaveNameTooLongMessage}));
    type(std::string(240, 'n'));
    EXPECT_EQ(std::tuple(dialog.fileName(), view.closes),
              std::tuple(std::string(240, 'n') + ".rsd", std::vector<int>{button::kOk, button::kOk}));
}

TEST_F(FileSave, UnsafeOrMissingNamesWriteNothing) {
    regatta.path = "..\\Daten\\Sommer04.rsd";
    dialog.opened(view);
    for (const char* name : {"..\\Weg", "a/b", "C:Weg", "W*", "<W>", "W|W", "CON", "com1", "W\x01"}) type(name);
    EXPECT_EQ(dialog.fileName(), "");
    dialog.clicked(view, button::kOk);  // nothing is then written under the proposal either
    EXPECT_FALSE(view.closed());
    dialog.clicked(view, IDC_OVERWRITE);
    EXPECT_EQ(view.closes, std::vector<int>{button::kOk});
    Texts expected(9, kUnsafeFileNameMessage);
    expected.push_back(kNoSaveNameMessage);
    EXPECT_EQ(shell.shown, expected);
    regatta.path = "D:Weg.rsd";  // no "\": the proposal is "D:Weg"
    FakeView again;
    dialog.opened(again);
    dialog.clicked(again, button::kOk);
    dialog.clicked(again, IDC_OVERWRITE);
    EXPECT_EQ(Texts(shell.shown.begin() + 10, shell.shown.end()), Texts(2, kUnsafeFileNameMessage));
    dialog.clicked(again, button::kCancel);
    dialog.cancelRequested(again);
    EXPECT_EQ(std::tuple(again.closes, dir.fileCount()), std::tuple(std::vector<int>{button::kCancel, button::kCancel}, 0u));
}

// The writer's failure is said on "OK", which stays open, and "Überschreiben", which closes; a full drive as such.
TEST_F(FileSave, WriterFailureIsSaidOnOkAndOnOverwrite) {
    FileSaveDialog nowhere{regatta, request, messageText, shell, dir.programDir() + "fehlt\\"};
    view.type(nowhere, IDC_SAVE_NAME, "Sommer04");
    nowhere.clicked(view, button::kOk);
    EXPECT_FALSE(view.closed());
    nowhere.clicked(view, IDC_OVERWRITE);
    EXPECT_EQ(std::tuple(shell.shown, view.closes),
              std::tuple(Texts{kSaveFailedMessage, writeFailureText("Sommer04.rsd", kStatusCannotWrite)},
                         std::vector<int>{button::kOk}));
#ifndef _WIN32
    type("Sommer04");
    {
        const DriveRoom full(0);
        dialog.clicked(view, button::kOk);
    }
    EXPECT_EQ(shell.shown.back(), writeFailureText("Sommer04.rsd", kStatusDriveFull));
#endif
    dir.write("Sommer04.rsd", "alt");
    type("Sommer04");
    dialog.clicked(view, IDC_OVERWRITE);
    EXPECT_EQ(designationIn("Sommer04.rsd"), "Sommer Cup");
}

TEST(OpenFile, LoadingReadsTheChosenFileAndAfterACancelTheOneBefore) {
    TempDir dir;
    const RegattaRecord saved{.starters = 8};
    ASSERT_EQ(writeRegattaData(saved, "S.rsd", dir.programDir()), kStatusOk);
    dir.write("R-GER1.yrd", "$Dateikennung Yachtdaten\r\n$Yachtname Blue Star\r\n$Yacht-ID GER1\r\n$Start : x\r\n");
    FakeShell shell;
    VirtualClock clock;
    RegattaRecord regatta;
    YachtRecord yacht;
    regatta.regattaFileName = "bleibt";
    loadRegattaData(shell, regatta, yacht, clock);  // cancelled, no path: nothing is read
    EXPECT_EQ(regatta.regattaFileName, "bleibt");
    // The file title decides where a path goes: ".rsd" or ".RSD" to the regatta, ".ysd" or ".yrd" to the yacht.
    shell.choices = {{true, dir.programPath("S.rsd"), "S.RSD"}, {false, "", ""},
                     {true, dir.programPath("R-GER1.yrd"), "R-GER1.yrd"}, {true, "x.Rsd", "x.Rsd"}};
    loadRegattaData(shell, regatta, yacht, clock);
    regatta.starters = 1;
    loadRegattaData(shell, regatta, yacht, clock);
    EXPECT_EQ(std::to_string(regatta.starters) + regatta.regattaFileName, "8S");
    loadYachtData(shell, regatta, yacht, clock);
    EXPECT_EQ(yacht.yachtName + "|" + yacht.yachtId + "|" + yacht.masterFileName, "Blue Star|GER1|R-GER1");
    loadRegattaData(shell, regatta, yacht, clock);  // another kind changes nothing
    EXPECT_EQ(regatta.path + "|" + yacht.masterFileName, dir.programPath("S.rsd") + "|R-GER1");
    EXPECT_EQ(shell.chosen, (Texts{"1 Regatta-Stammdaten, Datei öffnen", "1 Regatta-Stammdaten, Datei öffnen",
                                   "1 Regatta-Stammdaten, Datei öffnen", "2 Yacht-Daten, Datei öffnen",
                                   "1 Regatta-Stammdaten, Datei öffnen"}));
    EXPECT_TRUE(shell.boxes.empty());
    // A file named beyond code page 1252 is refused where it was chosen; the regatta stays.
    shell.choices = {{true, "", "", true}};
    loadRegattaData(shell, regatta, yacht, clock);
    EXPECT_EQ(regatta.path + "|" + std::to_string(regatta.starters), dir.programPath("S.rsd") + "|8");
    EXPECT_EQ(shell.boxTexts(), Texts{std::string(kForeignFileCaption) + "|" + kForeignFileText});
}

// "Regatta-Stammdaten anzeigen": two digits up to 9, the numbers as they are from 10 on.
TEST(RegattaDisplay, ShowsTimesAndDatesWithTwoDigitsAndClosesOnOk) {
    const RegattaRecord regatta{.designation = "Sommer Cup", .starters = 17, .start = {5, 9, 0, 3, 6, 4},
                                .end = {10, 10, 0, 10, 10, 10}};
    RegattaDisplayDialog dialog(regatta);
    FakeView view;
    dialog.opened(view);
    EXPECT_EQ(std::tuple(view.texts[IDC_START_TIME], view.texts[IDC_START_DATE], view.texts[IDC_END_TIME],
                         view.texts[IDC_END_DATE], view.texts[IDC_STARTERS_SHOWN], view.texts[IDC_DESIGNATION]),
              std::tuple("09:05:00", "03:06:4", "10:10:00", "10:10:10", ":17", ":Sommer Cup"));
    dialog.clicked(view, button::kCancel);
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(view.closes, std::vector<int>{button::kOk});
}

struct RegattaEntry : ::testing::Test {
    RegattaRecord regatta;
    MessageText messageText;
    FileSaveRequest fileSave;
    FakeShell shell;
    FakeView view;
    RegattaEntryDialog dialog{regatta, messageText, fileSave, shell};
};

// Every field of every dialog passes this gate first (the one dialog adapter calls it).
TEST_F(RegattaEntry, AFieldHoldingWhatCodePage1252CannotCarryIsRefusedWhereItWasTyped) {
    view.texts[IDC_DESIGNATION] = "Förde-Pokal";  // umlauts are code page 1252
    EXPECT_TRUE(leaveField(dialog, view, shell, IDC_DESIGNATION));
    view.texts[IDC_DESIGNATION] = "Pok?al";
    view.foreign.insert(IDC_DESIGNATION);  // the field held an "ł"
    EXPECT_FALSE(leaveField(dialog, view, shell, IDC_DESIGNATION));
    EXPECT_EQ(std::tuple(regatta.designation, view.texts[IDC_DESIGNATION], shell.boxTexts()),
              std::tuple("Förde-Pokal", "", Texts{std::string(kForeignEntryCaption) + "|" + kForeignEntryText}));
    EXPECT_TRUE(shell.boxes[0].ownedByMainWindow && !view.closed());  // over the dialog, which stays
}

TEST_F(RegattaEntry, ShowsTheRecordAndTakesWhatIsTypedAsTheFileCarriesIt) {
    regatta = {.designation = "Kieler Woche", .starters = 42};
    dialog.opened(view);
    EXPECT_EQ(view.texts[IDC_DESIGNATION] + "|" + view.texts[IDC_STARTERS], "Kieler Woche|42");
    view.type(dialog, IDC_DESIGNATION, "  Rund um \t Fehmarn ");
    view.type(dialog, IDC_STARTERS, "17");
    EXPECT_EQ(regatta.designation + "|" + std::to_string(regatta.starters), "Rund um Fehmarn|17");
    for (const char* text : {"   ", ""}) view.type(dialog, IDC_DESIGNATION, text);  // not taken
    view.type(dialog, IDC_STARTERS, "");
    view.type(dialog, IDC_DESIGNATION, std::string(255, 'a'));
    EXPECT_EQ(regatta.designation + "|" + std::to_string(regatta.starters), std::string(255, 'a') + "|17");
    dialog.clicked(view, button::kCancel);  // does not undo what was taken
    dialog.clicked(view, button::kOk);
    dialog.cancelRequested(view);
    EXPECT_EQ(std::tuple(view.closes, shell.commandsPosted.size()),
              std::tuple(std::vector<int>{button::kCancel, button::kOk, button::kCancel}, 0u));
    // Too long: closes, shows its message at once and only then posts the reopening, the dialog
    // never opening inside itself (a posted message would wait behind the reopened dialog).
    shell.shows = &messageText;
    view.type(dialog, IDC_DESIGNATION, std::string(256, 'b'));
    EXPECT_EQ(std::tuple(regatta.designation, shell.shown, shell.commandsPosted),
              std::tuple(std::string(255, 'a'), Texts{kDesignationTooLongMessage}, std::vector<int>{cmd::kEnterRegattaData}));
    // "Speichern" asks for the file-save dialog, then closes.
    shell.onCommand = [&](int) { EXPECT_EQ(view.closes.size(), 4u); };
    dialog.clicked(view, IDC_SAVE);
    EXPECT_EQ(fileSave.prompt + "|" + fileSave.extension + "|" + fileSave.kind,
              std::string(kRegattaSavePrompt) + "|.rsd|R");
    EXPECT_EQ(std::tuple(shell.commandsRun, view.closes.size()),
              std::tuple(std::vector<int>{cmd::kShowMessage, cmd::kFileSave}, 5u));
}

} // namespace
} // namespace wg::test
