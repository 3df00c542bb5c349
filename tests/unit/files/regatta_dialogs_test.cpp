#include <gtest/gtest.h>

#include "files/regatta_display_dialog.h"
#include "files/regatta_entry_dialog.h"
#include "support/fake_shell.h"
#include "support/fake_view.h"

namespace wg {
namespace {

constexpr int kDesignation = 1247;
constexpr int kStarters = 1250;
constexpr int kSave = 1249;

struct EntryFixture : ::testing::Test {
    RegattaRecord regatta;
    MessageText messageText;
    FileSaveRequest fileSave;
    test::FakeShell shell;
    test::FakeView view;
    RegattaEntryDialog dialog{regatta, messageText, fileSave, shell};

    void type(int id, const std::string& text) {
        view.texts[id] = text;
        dialog.fieldLeft(view, id);
    }
};

TEST_F(EntryFixture, OpensWithTheRecordsValues) {
    regatta.designation = "Kieler Woche";
    regatta.starters = 42;
    EXPECT_STREQ(dialog.templateName(), "IDD_StammDaten");
    dialog.opened(view);
    EXPECT_EQ(view.texts[kDesignation], "Kieler Woche");
    EXPECT_EQ(view.texts[kStarters], "42");
}

TEST_F(EntryFixture, TakesDesignationAndStartersWhenTheFieldsAreLeft) {
    dialog.opened(view);
    type(kDesignation, "Rund um Fehmarn 2004");
    type(kStarters, "17");
    EXPECT_EQ(regatta.designation, "Rund um Fehmarn 2004");
    EXPECT_EQ(regatta.starters, 17);
    // Emptied fields are not taken, nor is a designation of blanks only.
    type(kDesignation, "");
    type(kDesignation, "   ");
    type(kStarters, "");
    EXPECT_EQ(regatta.designation, "Rund um Fehmarn 2004");
    EXPECT_EQ(regatta.starters, 17);
    // "Abbrechen" does not undo what was taken.
    dialog.clicked(view, 2);
    EXPECT_EQ(view.closes, std::vector<int>{2});
    EXPECT_EQ(regatta.designation, "Rund um Fehmarn 2004");
}

TEST_F(EntryFixture, DesignationIsKeptAsTheFileCarriesIt) {
    type(kDesignation, "  Kieler \t  Woche ");
    EXPECT_EQ(regatta.designation, "Kieler Woche");
}

TEST_F(EntryFixture, DesignationOf255CharactersIsTaken) {
    type(kDesignation, std::string(255, 'a'));
    EXPECT_EQ(regatta.designation, std::string(255, 'a'));
    EXPECT_FALSE(view.closed());
    EXPECT_TRUE(shell.commandsPosted.empty());
}

TEST_F(EntryFixture, DesignationOf256CharactersIsRefusedAndTheDialogReopens) {
    regatta.designation = "alt";
    std::string shown;
    shell.onCommand = [&](int) { shown = messageText.text(); };
    type(kDesignation, std::string(256, 'a'));
    EXPECT_EQ(regatta.designation, "alt");
    EXPECT_TRUE(view.closed());
    // Shown at once: a posted message would wait behind the reopened dialog.
    EXPECT_EQ(shown, "Bezeichnung darf maximal 255 Zeichen lang sein, bitte neu eingeben!");
    EXPECT_EQ(shell.commandsRun, std::vector<int>{50000});
    EXPECT_EQ(shell.commandsPosted, std::vector<int>{1017});
}

TEST_F(EntryFixture, SpeichernAsksForTheFileSaveDialogThenCloses) {
    shell.onCommand = [this](int id) {
        EXPECT_EQ(id, 50001);
        EXPECT_EQ(fileSave.prompt,
                  "Namen für Regatta-Stammdaten Datei eingeben. Dateiendung immer .rsd, Verzeichnis ist ..\\daten");
        EXPECT_EQ(fileSave.extension, ".rsd");
        EXPECT_EQ(fileSave.kind, 'R');
        EXPECT_FALSE(view.closed());
    };
    dialog.clicked(view, kSave);
    EXPECT_EQ(shell.commandsRun, std::vector<int>{50001});
    EXPECT_TRUE(view.closed());
}

TEST_F(EntryFixture, OkAndCloseBoxClose) {
    dialog.clicked(view, 1);
    dialog.cancelRequested(view);
    EXPECT_EQ(view.closes, (std::vector<int>{1, 2}));
}

struct DisplayCase {
    const char* what;
    RegattaRecord regatta;
    const char* startTime;
    const char* startDate;
    const char* endTime;
    const char* endDate;
    const char* starters;
    const char* designation;
};

class Display : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(Display, ShowsTheTextsExactly) {
    const DisplayCase& c = GetParam();
    test::FakeView view;
    RegattaDisplayDialog dialog(c.regatta);
    EXPECT_STREQ(dialog.templateName(), "IDD_AnzeigeParameter");
    dialog.opened(view);
    EXPECT_EQ(view.texts[1240], c.startTime) << c.what;
    EXPECT_EQ(view.texts[1241], c.startDate) << c.what;
    EXPECT_EQ(view.texts[1242], c.endTime) << c.what;
    EXPECT_EQ(view.texts[1243], c.endDate) << c.what;
    EXPECT_EQ(view.texts[1248], c.starters) << c.what;
    EXPECT_EQ(view.texts[1247], c.designation) << c.what;
}

RegattaRecord shown(TimeOfRegatta start, TimeOfRegatta end, std::int32_t starters, const char* designation) {
    RegattaRecord r;
    r.start = start;
    r.end = end;
    r.starters = starters;
    r.designation = designation;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Records, Display,
    ::testing::Values(
        DisplayCase{"all zero", RegattaRecord{}, "00:00:00", "00:00:0", "00:00:00", "00:00:0", ":0", ":"},
        DisplayCase{"9:05 on 3 June 04", shown({5, 9, 0, 3, 6, 4}, {30, 17, 0, 3, 6, 4}, 42, "Kieler Woche"),
                    "09:05:00", "03:06:4", "17:30:00", "03:06:4", ":42", ":Kieler Woche"},
        DisplayCase{"two-digit values", shown({59, 23, 0, 31, 12, 99}, {10, 10, 0, 10, 10, 10}, 1234, "X"),
                    "23:59:00", "31:12:99", "10:10:00", "10:10:10", ":1234", ":X"}));

TEST(DisplayDialog, OnlyOkCloses) {
    RegattaRecord regatta;
    test::FakeView view;
    RegattaDisplayDialog dialog(regatta);
    dialog.opened(view);
    dialog.cancelRequested(view);
    dialog.clicked(view, 2);
    EXPECT_FALSE(view.closed());
    dialog.clicked(view, 1);
    EXPECT_EQ(view.closes, std::vector<int>{1});
}

} // namespace
} // namespace wg
