#include <gtest/gtest.h>

#include "files/open_file.h"
#include "files/regatta_file.h"
#include "support/fake_shell.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

struct RouteCase {
    const char* title;
    bool toRegatta;
    bool toYacht;
};

class Routing : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Routing, TheFileTitleDecidesWhereThePathGoes) {
    const RouteCase& c = GetParam();
    RegattaRecord regatta;
    YachtRecord yacht;
    regatta.path = "alt.rsd";
    yacht.masterFileName = "alt.ysd";
    const std::string path = std::string("C:\\Wakeguard\\daten\\") + c.title;
    routeChosenFile(true, path, c.title, regatta, yacht);
    EXPECT_EQ(regatta.path, c.toRegatta ? path : "alt.rsd") << c.title;
    EXPECT_EQ(yacht.masterFileName, c.toYacht ? path : "alt.ysd") << c.title;
}

INSTANTIATE_TEST_SUITE_P(
    Titles, Routing,
    ::testing::Values(RouteCase{"regatta.rsd", true, false}, RouteCase{"REGATTA.RSD", true, false},
                      RouteCase{"a.ysd", false, true}, RouteCase{"A.YSD", false, true},
                      RouteCase{"R-GER1.yrd", false, true}, RouteCase{"R-GER1.YRD", false, true},
                      RouteCase{"x.Rsd", false, false}, RouteCase{"x.txt", false, false},
                      RouteCase{"x.rsd.ysd", true, true}, RouteCase{"Kiel.RSD-Kopie", true, false}));

TEST(OpenFile, CancelKeepsBothPaths) {
    test::FakeShell shell;
    shell.choices.push_back({false, "", ""});
    RegattaRecord regatta;
    YachtRecord yacht;
    regatta.path = "vorher.rsd";
    yacht.masterFileName = "vorher.ysd";
    EXPECT_EQ(openFile(shell, kChooseRegattaFile, kChooseRegattaTitle, regatta, yacht), kStatusOk);
    EXPECT_EQ(regatta.path, "vorher.rsd");
    EXPECT_EQ(yacht.masterFileName, "vorher.ysd");
    ASSERT_EQ(shell.chooseCalls.size(), 1u);
    EXPECT_EQ(shell.chooseCalls[0].kind, 1);
    EXPECT_EQ(shell.chooseCalls[0].title, "Regatta-Stammdaten, Datei öffnen");
}

TEST(OpenFile, AYachtFileChosenForRegattaDataLandsInTheYachtRecord) {
    test::FakeShell shell;
    shell.choices.push_back({true, "..\\daten\\R-GER1.ysd", "R-GER1.ysd"});
    RegattaRecord regatta;
    YachtRecord yacht;
    openFile(shell, kChooseRegattaFile, kChooseRegattaTitle, regatta, yacht);
    EXPECT_EQ(regatta.path, "");
    EXPECT_EQ(yacht.masterFileName, "..\\daten\\R-GER1.ysd");
}

TEST(OpenFile, LoadRegattaDataReadsTheChosenFileAndAfterACancelTheOneBefore) {
    test::TempDir dir;
    RegattaRecord saved;
    saved.designation = "Sommer Cup";
    saved.starters = 8;
    ASSERT_EQ(writeRegattaData(saved, "Sommer04.rsd", dir.programDir()), kStatusOk);

    test::FakeShell shell;
    test::VirtualClock clock;
    shell.choices.push_back({true, dir.programPath("Sommer04.rsd"), "Sommer04.rsd"});
    RegattaRecord regatta;
    YachtRecord yacht;
    loadRegattaData(shell, regatta, yacht, clock);
    EXPECT_EQ(regatta.designation, "Sommer Cup");
    EXPECT_EQ(regatta.starters, 8);
    EXPECT_EQ(regatta.regattaFileName, "Sommer04");

    regatta.starters = 1;
    shell.choices.push_back({false, "", ""});
    loadRegattaData(shell, regatta, yacht, clock);
    EXPECT_EQ(regatta.starters, 8);  // read again from the file chosen before
}

TEST(OpenFile, LoadRegattaDataReadsNothingWithoutAPath) {
    test::FakeShell shell;
    test::VirtualClock clock;
    RegattaRecord regatta;
    YachtRecord yacht;
    regatta.regattaFileName = "bleibt";
    loadRegattaData(shell, regatta, yacht, clock);
    EXPECT_EQ(regatta.regattaFileName, "bleibt");
}

TEST(OpenFile, LoadYachtDataUsesKindTwoAndReadsTheHeader) {
    test::TempDir dir;
    dir.write("R-GER1.yrd", "$Dateikennung Yachtdaten\r\n$Yachtname Blue Star\r\n$Yacht-ID GER1\r\n$Start : x\r\n");
    test::FakeShell shell;
    test::VirtualClock clock;
    shell.choices.push_back({true, dir.programPath("R-GER1.yrd"), "R-GER1.yrd"});
    RegattaRecord regatta;
    YachtRecord yacht;
    loadYachtData(shell, regatta, yacht, clock);
    ASSERT_EQ(shell.chooseCalls.size(), 1u);
    EXPECT_EQ(shell.chooseCalls[0].kind, 2);
    EXPECT_EQ(shell.chooseCalls[0].title, "Yacht-Daten, Datei öffnen");
    EXPECT_EQ(yacht.yachtName, "Blue Star");
    EXPECT_EQ(yacht.yachtId, "GER1");
    EXPECT_EQ(yacht.masterFileName, "R-GER1");
}

} // namespace
} // namespace wg
