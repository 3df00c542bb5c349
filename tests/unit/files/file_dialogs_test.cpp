#include <gtest/gtest.h>

#include "files/file_save_dialog.h"
#include "files/open_file.h"
#include "files/regatta_display_dialog.h"
#include "files/regatta_entry_dialog.h"
#include "files/regatta_file.h"
#include "resources/resource_ids.h"
#include "support/fake_shell.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace wg::test {
namespace {

using Texts = std::vector<std::string>;

struct FileSave : ::testing::Test {
    FileSave() {
        regatta.designation = "Sommer Cup";
        regatta.starters = 8;
        shell.shows = &messageText;
    }
    void type(const std::string& text) { view.type(dialog, IDC_SAVE_NAME, text); }
    std::string designationIn(const std::string& name) {
        RegattaRecord back;
        back.path = dir.programPath(name);
        VirtualClock clock;
        return readRegattaData(back, clock) == kStatusOk ? back.designation : "unreadable";
    }
    TempDir dir;
    RegattaRecord regatta;
    FileSaveRequest request{kRegattaSavePrompt, ".rsd", kSaveRegattaData};
    MessageText messageText;
    FakeShell shell;
    FakeView view;
    FileSaveDialog dialog{regatta, request, messageText, shell, dir.programDir()};
};

TEST_F(FileSave, ProposesTheNameOfTheFileLoadedOrNone) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"x", ""}, {"..\\Daten\\.rsd", ""}, {"ab.rsd", "ab"}, {"C:\\a\\b\\Kiel 2004.rsd", "Kiel 2004"}};
    for (const auto& [path, proposal] : cases) {
        regatta.path = path;
        FakeView fresh;
        dialog.opened(fresh);
        EXPECT_EQ(fresh.texts[IDC_SAVE_PROMPT], kRegattaSavePrompt);
        EXPECT_EQ(fresh.texts[IDC_SAVE_NAME], proposal) << path;
        EXPECT_EQ(dialog.fileName(), *proposal ? std::string(proposal) + ".rsd" : "") << path;
    }
}

TEST_F(FileSave, OkWritesUnderTheProposalOrTheTypedNameWithTheExtensionAlways) {
    regatta.path = "..\\Daten\\Sommer04.rsd";
    dialog.opened(view);
    type("");  // an emptied field keeps the proposal
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(designationIn("Sommer04.rsd"), "Sommer Cup");
    dir.write("Alt.rsd.rsd", "alter Inhalt");  // replaced without asking
    type("Alt.rsd");
    type(std::string(241, 'm'));
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(designationIn("Alt.rsd.rsd"), "Sommer Cup");
    EXPECT_EQ(shell.shown, Texts{kSaveNameTooLongMessage});
    type(std::string(240, 'n'));
    EXPECT_EQ(dialog.fileName(), std::string(240, 'n') + ".rsd");
    EXPECT_EQ(view.closes, (std::vector<int>{button::kOk, button::kOk}));
    dialog.opened(view);  // every opening starts the name afresh
    type("Erst");
    dialog.opened(view);
    EXPECT_EQ(dialog.fileName(), "Sommer04.rsd");
}

TEST_F(FileSave, WithoutANameOkAsksForOneAndOverwriteClosesWithoutWriting) {
    dialog.opened(view);
    dialog.clicked(view, button::kOk);
    EXPECT_EQ(shell.shown, Texts{kNoSaveNameMessage});
    EXPECT_FALSE(view.closed());
    dialog.clicked(view, IDC_OVERWRITE);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST_F(FileSave, WriterFailureShowsItsMessageOnOkAndClosesSilentlyOnOverwrite) {
    FileSaveDialog nowhere{regatta, request, messageText, shell, dir.programDir() + "fehlt\\"};
    nowhere.opened(view);
    view.type(nowhere, IDC_SAVE_NAME, "Sommer04");
    nowhere.clicked(view, button::kOk);
    EXPECT_EQ(shell.shown, Texts{kSaveFailedMessage});
    EXPECT_FALSE(view.closed());
    nowhere.clicked(view, IDC_OVERWRITE);
    EXPECT_EQ(shell.shown.size(), 1u);
    EXPECT_EQ(view.closes, std::vector<int>{button::kOk});
    dir.write("Sommer04.rsd", "alt");
    dialog.opened(view);
    type("Sommer04");
    dialog.clicked(view, IDC_OVERWRITE);
    EXPECT_EQ(designationIn("Sommer04.rsd"), "Sommer Cup");
}

TEST_F(FileSave, UnsafeNamesAreRefusedTypedOrProposed) {
    regatta.path = "..\\Daten\\Sommer04.rsd";
    dialog.opened(view);
    for (const char* name : {"..\\Weg", "a/b", "C:Weg", "W*", "<W>", "W|W", "CON", "com1", "W\x01"}) {
        type(name);
        EXPECT_EQ(dialog.fileName(), "") << name;
    }
    EXPECT_EQ(shell.shown, Texts(9, kUnsafeFileNameMessage));
    dialog.clicked(view, button::kOk);  // nothing is then written under the proposal either
    EXPECT_EQ(shell.shown.back(), kNoSaveNameMessage);
    regatta.path = "D:Weg.rsd";  // no "\": the proposal is "D:Weg"
    dialog.opened(view);
    dialog.clicked(view, button::kOk);
    dialog.clicked(view, IDC_OVERWRITE);
    EXPECT_EQ(shell.shown.size(), 12u);
    EXPECT_EQ(shell.shown.back(), kUnsafeFileNameMessage);
    EXPECT_FALSE(view.closed());
    dialog.clicked(view, button::kCancel);
    dialog.cancelRequested(view);
    EXPECT_EQ(view.closes, (std::vector<int>{button::kCancel, button::kCancel}));
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST(OpenFile, TheFileTitleDecidesWhereThePathGoes) {
    struct Case {
        const char* title;
        bool toRegatta, toYacht;
    } cases[] = {{"regatta.rsd", true, false}, {"REGATTA.RSD", true, false}, {"a.ysd", false, true},
                 {"A.YSD", false, true},       {"R-GER1.yrd", false, true},   {"R-GER1.YRD", false, true},
                 {"x.Rsd", false, false},      {"x.rsd.ysd", true, true},     {"Kiel.RSD-Kopie", true, false}};
    for (const Case& c : cases) {
        RegattaRecord regatta;
        YachtRecord yacht;
        const std::string path = std::string("C:\\daten\\") + c.title;
        routeChosenFile(true, path, c.title, regatta, yacht);
        EXPECT_EQ(regatta.path, c.toRegatta ? path : "") << c.title;
        EXPECT_EQ(yacht.masterFileName, c.toYacht ? path : "") << c.title;
        routeChosenFile(false, "x.rsd.ysd", "x.rsd.ysd", regatta, yacht);
        EXPECT_EQ(regatta.path + yacht.masterFileName, (c.toRegatta ? path : "") + (c.toYacht ? path : ""));
    }
}

TEST(OpenFile, LoadingReadsTheChosenFileAndAfterACancelTheOneBefore) {
    TempDir dir;
    RegattaRecord saved;
    saved.starters = 8;
    ASSERT_EQ(writeRegattaData(saved, "S.rsd", dir.programDir()), kStatusOk);
    dir.write("R-GER1.yrd", "$Dateikennung Yachtdaten\r\n$Yachtname Blue Star\r\n$Yacht-ID GER1\r\n$Start : x\r\n");
    FakeShell shell;
    VirtualClock clock;
    RegattaRecord regatta;
    YachtRecord yacht;
    regatta.regattaFileName = "bleibt";
    loadRegattaData(shell, regatta, yacht, clock);  // cancelled, no path: nothing is read
    EXPECT_EQ(regatta.regattaFileName, "bleibt");
    shell.choices = {{true, dir.programPath("S.rsd"), "S.rsd"}, {false, "", ""},
                     {true, dir.programPath("R-GER1.yrd"), "R-GER1.yrd"}};
    loadRegattaData(shell, regatta, yacht, clock);
    EXPECT_EQ(std::to_string(regatta.starters) + regatta.regattaFileName, "8S");
    regatta.starters = 1;
    loadRegattaData(shell, regatta, yacht, clock);
    EXPECT_EQ(regatta.starters, 8);
    loadYachtData(shell, regatta, yacht, clock);
    EXPECT_EQ(yacht.yachtName + "|" + yacht.yachtId + "|" + yacht.masterFileName, "Blue Star|GER1|R-GER1");
    EXPECT_EQ(shell.chosen, (Texts{"1 Regatta-Stammdaten, Datei öffnen", "1 Regatta-Stammdaten, Datei öffnen",
                                   "1 Regatta-Stammdaten, Datei öffnen", "2 Yacht-Daten, Datei öffnen"}));
}

RegattaRecord regattaOf(std::string designation, std::int32_t starters, TimeOfRegatta start, TimeOfRegatta end) {
    RegattaRecord r;
    r.designation = std::move(designation);
    r.starters = starters;
    r.start = start;
    r.end = end;
    return r;
}

struct RegattaEntry : ::testing::Test {
    RegattaRecord regatta;
    MessageText messageText;
    FileSaveRequest fileSave;
    FakeShell shell;
    FakeView view;
    RegattaEntryDialog dialog{regatta, messageText, fileSave, shell};
};

TEST_F(RegattaEntry, ShowsTheRecordAndTakesWhatIsTypedAsTheFileCarriesIt) {
    regatta.designation = "Kieler Woche";
    regatta.starters = 42;
    dialog.opened(view);
    EXPECT_EQ(view.texts[IDC_DESIGNATION] + "|" + view.texts[IDC_STARTERS], "Kieler Woche|42");
    view.type(dialog, IDC_DESIGNATION, "  Rund um \t Fehmarn ");
    view.type(dialog, IDC_STARTERS, "17");
    EXPECT_EQ(regatta.designation + "|" + std::to_string(regatta.starters), "Rund um Fehmarn|17");
    view.type(dialog, IDC_DESIGNATION, "   ");  // blanks only, or nothing: not taken
    view.type(dialog, IDC_STARTERS, "");
    view.type(dialog, IDC_DESIGNATION, std::string(255, 'a'));
    EXPECT_EQ(regatta.designation + "|" + std::to_string(regatta.starters), std::string(255, 'a') + "|17");
    dialog.clicked(view, button::kCancel);  // does not undo what was taken
    dialog.clicked(view, button::kOk);
    dialog.cancelRequested(view);
    EXPECT_EQ(view.closes, (std::vector<int>{button::kCancel, button::kOk, button::kCancel}));
    EXPECT_EQ(regatta.starters, 17);
    EXPECT_TRUE(shell.commandsPosted.empty());
}

TEST_F(RegattaEntry, DesignationOf256CharactersClosesShowsItsMessageAndReopens) {
    regatta.designation = "alt";
    view.type(dialog, IDC_DESIGNATION, std::string(256, 'a'));
    EXPECT_EQ(regatta.designation, "alt");
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(messageText.text(), kDesignationTooLongMessage);
    EXPECT_EQ(shell.commandsPosted, (std::vector<int>{cmd::kShowMessage, cmd::kEnterRegattaData}));
    EXPECT_TRUE(shell.commandsRun.empty());
}

TEST_F(RegattaEntry, SpeichernAsksForTheFileSaveDialogThenCloses) {
    shell.onCommand = [this](int) {
        EXPECT_EQ(fileSave.prompt + "|" + fileSave.extension + "|" + fileSave.kind,
                  "Namen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten|.rsd|R");
        EXPECT_FALSE(view.closed());
    };
    dialog.clicked(view, IDC_SAVE);
    EXPECT_EQ(shell.commandsRun, std::vector<int>{cmd::kFileSave});
    EXPECT_TRUE(view.closed());
}

TEST(RegattaDisplay, ShowsTheTextsExactlyAndOnlyOkCloses) {
    struct Case {
        RegattaRecord regatta;
        const char* texts;  // start time, start date, end time, end date, starters, designation
    } cases[] = {
        {RegattaRecord{}, "00:00:00 00:00:0 00:00:00 00:00:0 :0 :"},
        {regattaOf("Kieler Woche", 42, {5, 9, 0, 3, 6, 4}, {30, 17, 0, 3, 6, 4}),
         "09:05:00 03:06:4 17:30:00 03:06:4 :42 :Kieler Woche"},
        {regattaOf("X", 1234, {59, 23, 0, 31, 12, 99}, {10, 10, 0, 10, 10, 10}),
         "23:59:00 31:12:99 10:10:00 10:10:10 :1234 :X"},
    };
    for (const Case& c : cases) {
        RegattaDisplayDialog dialog(c.regatta);
        FakeView view;
        dialog.opened(view);
        std::string texts;
        for (int id : {IDC_START_TIME, IDC_START_DATE, IDC_END_TIME, IDC_END_DATE, IDC_STARTERS_SHOWN, IDC_DESIGNATION})
            texts += (texts.empty() ? "" : " ") + view.texts[id];
        EXPECT_EQ(texts, c.texts);
        dialog.cancelRequested(view);
        dialog.clicked(view, button::kCancel);
        EXPECT_FALSE(view.closed());
        dialog.clicked(view, button::kOk);
        EXPECT_EQ(view.closes, std::vector<int>{button::kOk});
    }
}

} // namespace
} // namespace wg::test
