#include <gtest/gtest.h>

#include "files/file_names.h"
#include "files/file_save_dialog.h"
#include "files/regatta_file.h"
#include "support/fake_shell.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

constexpr int kName = 1251;
constexpr int kPrompt = 1252;
constexpr int kOverwrite = 1253;

const char* const kExists =
    "Dateiname eixistiert bereits, Bitte neuen Namen eingeben oder mit <Überschreiben> bestehende "
    "Dateiüberschreiben.";

struct FileSave : ::testing::Test {
    test::TempDir dir;
    RegattaRecord regatta;
    FileSaveRequest request{kRegattaSavePrompt, ".rsd", 'R'};
    MessageText messageText;
    std::vector<std::string> shown;  // message texts as command 50000 found them
    test::FakeShell shell;
    test::FakeView view;
    FileSaveDialog dialog{regatta, request, messageText, shell, dir.programDir()};

    FileSave() {
        regatta.designation = "Sommer Cup";
        regatta.starters = 8;
        shell.onCommand = [this](int id) {
            if (id == 50000) shown.push_back(messageText.text());
        };
    }
    void type(const std::string& text) {
        view.texts[kName] = text;
        dialog.fieldLeft(view, kName);
    }
    RegattaRecord readBack(const std::string& name) {
        RegattaRecord back;
        back.path = dir.programPath(name);
        test::VirtualClock clock;
        EXPECT_EQ(readRegattaData(back, clock), kStatusOk) << name;
        return back;
    }
};

TEST_F(FileSave, ProposesTheLoadedFileAndOkWritesIt) {
    regatta.path = "..\\Daten\\Sommer04.rsd";
    EXPECT_STREQ(dialog.templateName(), "IDD_DateiSpeichern");
    dialog.opened(view);
    EXPECT_EQ(view.texts[kPrompt], kRegattaSavePrompt);
    EXPECT_EQ(view.texts[kName], "Sommer04");
    EXPECT_EQ(dialog.fileName(), "Sommer04.rsd");
    dialog.clicked(view, 1);
    EXPECT_EQ(view.closes, std::vector<int>{1});
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(readBack("Sommer04.rsd").designation, "Sommer Cup");
}

TEST_F(FileSave, Proposals) {
    struct Case {
        const char* path;
        const char* proposal;
    };
    for (const Case& c : {Case{"", ""}, Case{"x", ""}, Case{"..\\Daten\\.rsd", ""}, Case{"ab.rsd", "ab"},
                          Case{"C:\\a\\b\\Kiel 2004.rsd", "Kiel 2004"}}) {
        regatta.path = c.path;
        test::FakeView fresh;
        dialog.opened(fresh);
        EXPECT_EQ(fresh.texts[kName], c.proposal) << c.path;
        EXPECT_EQ(dialog.fileName(), c.proposal[0] ? std::string(c.proposal) + ".rsd" : "") << c.path;
    }
}

TEST_F(FileSave, TypedNameGetsTheExtensionAlways) {
    dialog.opened(view);
    type("Sommer04.rsd");
    dialog.clicked(view, 1);
    EXPECT_TRUE(dir.exists("Sommer04.rsd.rsd"));
    EXPECT_TRUE(view.closed());
}

TEST_F(FileSave, ClearedProposalStaysInForce) {
    regatta.path = "..\\Daten\\Sommer04.rsd";
    dialog.opened(view);
    type("");
    dialog.clicked(view, 1);
    EXPECT_TRUE(dir.exists("Sommer04.rsd"));
}

TEST_F(FileSave, NameOf240IsTakenAnd241Refused) {
    dialog.opened(view);
    type(std::string(240, 'n'));
    EXPECT_EQ(dialog.fileName(), std::string(240, 'n') + ".rsd");
    EXPECT_TRUE(shown.empty());
    type(std::string(241, 'm'));
    EXPECT_EQ(dialog.fileName(), std::string(240, 'n') + ".rsd");
    EXPECT_EQ(shown, std::vector<std::string>{"Eingabe zu lang, maximal 240 Zeichen erlaubt."});
    EXPECT_FALSE(view.closed());
}

TEST_F(FileSave, OkWithoutNameAsksForOne) {
    dialog.opened(view);
    dialog.clicked(view, 1);
    EXPECT_EQ(shown, std::vector<std::string>{
                         "Kein Dateiname eingegeben, Bitte Namen eingeben oder mit <Abbruch> Dialog beenden."});
    EXPECT_FALSE(view.closed());
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST_F(FileSave, OkReplacesAnExistingFileWithoutAsking) {
    dir.write("Alt.rsd", "alter Inhalt");
    dialog.opened(view);
    type("Alt");
    dialog.clicked(view, 1);
    EXPECT_TRUE(view.closed());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(readBack("Alt.rsd").starters, 8);
}

TEST_F(FileSave, WriterFailureShowsTheMessageOnOkAndClosesSilentlyOnOverwrite) {
    FileSaveDialog nowhere{regatta, request, messageText, shell, dir.programDir() + "fehlt\\"};
    nowhere.opened(view);
    view.texts[kName] = "Sommer04";
    nowhere.fieldLeft(view, kName);
    nowhere.clicked(view, 1);
    EXPECT_EQ(shown, std::vector<std::string>{kExists});
    EXPECT_FALSE(view.closed());
    nowhere.clicked(view, kOverwrite);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(view.closes, std::vector<int>{1});
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST_F(FileSave, OverwriteWritesAndCloses) {
    dir.write("Sommer04.rsd", "alt");
    dialog.opened(view);
    type("Sommer04");
    dialog.clicked(view, kOverwrite);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(readBack("Sommer04.rsd").designation, "Sommer Cup");
}

TEST_F(FileSave, OverwriteWithoutNameClosesWithoutWriting) {
    dialog.opened(view);
    dialog.clicked(view, kOverwrite);
    EXPECT_TRUE(view.closed());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST_F(FileSave, CancelClosesWithoutWriting) {
    regatta.path = "..\\Daten\\Sommer04.rsd";
    dialog.opened(view);
    dialog.clicked(view, 2);
    dialog.cancelRequested(view);
    EXPECT_EQ(view.closes, (std::vector<int>{2, 2}));
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST_F(FileSave, EveryOpeningStartsTheNameAfresh) {
    dialog.opened(view);
    type("Erst");
    dialog.opened(view);
    EXPECT_EQ(dialog.fileName(), "");
}

TEST_F(FileSave, UnsafeTypedNamesAreRefusedWithAMessage) {
    regatta.path = "..\\Daten\\Sommer04.rsd";
    dialog.opened(view);
    for (const char* name : {"..\\Weg", "..\\..\\Windows\\win", "a/b", "C:Weg", "W*", "W?", "\"W\"", "<W>", "W|W",
                             "CON", "com1", "W\x01"}) {
        shown.clear();
        type(name);
        EXPECT_EQ(shown, std::vector<std::string>{kUnsafeFileNameMessage}) << name;
        EXPECT_EQ(dialog.fileName(), "") << name;
    }
    // Nothing is then written under the proposal either.
    shown.clear();
    dialog.clicked(view, 1);
    EXPECT_EQ(shown, std::vector<std::string>{
                         "Kein Dateiname eingegeben, Bitte Namen eingeben oder mit <Abbruch> Dialog beenden."});
    dialog.clicked(view, kOverwrite);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST_F(FileSave, UnsafeProposalIsRefusedOnBothButtons) {
    regatta.path = "D:Weg.rsd";  // no "\": the proposal is "D:Weg"
    dialog.opened(view);
    dialog.clicked(view, 1);
    dialog.clicked(view, kOverwrite);
    EXPECT_EQ(shown, (std::vector<std::string>{kUnsafeFileNameMessage, kUnsafeFileNameMessage}));
    EXPECT_FALSE(view.closed());
    EXPECT_EQ(dir.fileCount(), 0u);
}

TEST_F(FileSave, RegattaWithoutDesignationIsWrittenAndReadsBack) {
    regatta.designation.clear();
    dialog.opened(view);
    type("Leer");
    dialog.clicked(view, 1);
    EXPECT_TRUE(view.closed());
    EXPECT_TRUE(shown.empty());
    RegattaRecord back = readBack("Leer.rsd");
    EXPECT_EQ(back.designation, "");
    EXPECT_EQ(back.starters, 8);
}

TEST_F(FileSave, WrittenRecordReadsBackWhole) {
    regatta.designation = "Rund um Fehmarn - Nordseewoche";
    regatta.start = TimeOfRegatta{5, 9, 0, 3, 6, 4};
    regatta.end = TimeOfRegatta{30, 17, 0, 4, 6, 4};
    dialog.opened(view);
    type("Fehmarn");
    dialog.clicked(view, 1);
    RegattaRecord back = readBack("Fehmarn.rsd");
    EXPECT_EQ(back.designation, "Rund um Fehmarn - Nordseewoche");
    EXPECT_EQ(back.start.hour, 9);
    EXPECT_EQ(back.end.day, 4);
}

} // namespace
} // namespace wg
