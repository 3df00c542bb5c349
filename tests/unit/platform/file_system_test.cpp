#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "platform/file_system.h"
#include "support/drive_room.h"
#include "support/temp_dir.h"

namespace wg::test {
namespace {

// "<name>.<computer>-<process>-<count>.wg-new": who left a temporary file.
TEST(TemporaryNames, NameTheirPcAndProcessAndNothingElseIsOne) {
    // computer: nullptr where the name is no temporary file's.
    struct Case { const char* what; const char* name; const char* computer; long process; } cases[] = {
        {"a settings file's", "Wakeguard.ini.BUERO_2-4711-3.wg-new", "BUERO_2", 4711},
        {"a readout's, kept while replacing a file held open", "K-GER1.yrd.VM-12-1.wg-new.alt", "VM", 12},
        {"a computer name with a hyphen left in", "K.rsd.RACE-OFFICE-77-2.wg-new", "RACE-OFFICE", 77},
        {"the earlier form without a computer", "K.rsd.4711.wg-new", nullptr, 0},
        {"no count", "K.rsd.VM-12.wg-new", nullptr, 0},
        {"a process that is no number", "K.rsd.VM-x1-2.wg-new", nullptr, 0},
        {"no computer", "K.rsd.-12-2.wg-new", nullptr, 0},
        {"a plain file", "K-GER1.yrd", nullptr, 0},
        {"the suffix alone", ".wg-new", nullptr, 0},
    };
    for (const Case& c : cases) {
        const std::optional<TemporaryOwner> owner = temporaryOwner(c.name);
        EXPECT_EQ(owner ? std::tuple(owner->computer, owner->process) : std::tuple(std::string("-"), 0L),
                  c.computer ? std::tuple(std::string(c.computer), c.process) : std::tuple(std::string("-"), 0L))
            << c.what;
    }
    // Every tag is new, and names what it is made of.
    const std::string first = nextTemporaryTag(), second = nextTemporaryTag();
    const std::optional<TemporaryOwner> mine = temporaryOwner(temporaryName("K.rsd", first));
    EXPECT_TRUE(first != second && mine && mine->process > 0);
    for (const auto& [system, temporary] : {std::pair("Büro-PC 2", "B_ro_PC_2"), {"Zielschiff", "Zielschiff"}, {"", "PC"}})
        EXPECT_EQ(temporaryComputerName(system), temporary) << system;
}

TEST(TemporaryNames, OnlyThoseOfThisPcsEndedCopiesAreStale) {
    const long running = 42;
    struct Case { const char* what; std::string name; bool stale; } cases[] = {
        {"an ended copy's", "K.rsd.VM-43-1.wg-new", true},
        {"an ended copy's kept old file", "K.rsd.VM-43-2.wg-new.alt", true},
        {"a running copy's", "K.rsd.VM-42-1.wg-new", false},
        {"another PC's", "K.rsd.BUERO-43-1.wg-new", false},
        {"the earlier form", "K.rsd.43.wg-new", false},
        {"a data file", "K-GER1.yrd", false},
    };
    std::vector<std::string> names;
    for (const Case& c : cases) names.push_back(c.name);
    const std::vector<std::string> stale =
        staleTemporaryFiles(names, "VM", [&](long process) { return process == running; });
    for (const Case& c : cases)
        EXPECT_EQ(std::find(stale.begin(), stale.end(), c.name) != stale.end(), c.stale) << c.what;

    // In a folder: this copy's own name stays, it is running.
    TempDir dir;
    const std::string own = temporaryName("K.rsd", nextTemporaryTag());
    const std::string endedHere = "K.rsd." + temporaryOwner(own)->computer + "-999999999-1.wg-new";
    for (const std::string& name : {own, endedHere, std::string("K.rsd.ANDERER-1-1.wg-new")}) dir.write(name, "x");
    EXPECT_EQ(removeStaleTemporaryFiles(dir.programDir()), 1u);
    EXPECT_TRUE(dir.exists(own) && !dir.exists(endedHere) && dir.exists("K.rsd.ANDERER-1-1.wg-new"));
}

TEST(Replacement, ANameTakenIsPassedOverAndNothingTemporaryStays) {
    TempDir dir;
    dir.write("K.rsd", "alt");
    // The next names this copy would choose are taken already, by a copy that ran before under the same process id.
    const std::string tag = nextTemporaryTag();
    const std::string count = tag.substr(tag.rfind('-') + 1), base = tag.substr(0, tag.rfind('-') + 1);
    for (int ahead = 1; ahead <= 3; ++ahead)
        dir.write(temporaryName("K.rsd", base + std::to_string(std::stoul(count) + ahead)), "fremd");
    ASSERT_TRUE(replaceFile(dir.programPath("K.rsd"), "neu").complete(1));
    EXPECT_EQ(std::tuple(dir.read("K.rsd"), dir.fileCount()), std::tuple("neu", 4u));
    // A probe of the folder leaves nothing either.
    EXPECT_TRUE(canWriteIn(dir.programDir()));
    EXPECT_EQ(dir.fileCount(), 4u);
}

TEST(Replacement, NewContentKeptBesideAFileHeldOpenKeepsWhatOpensIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Kiel-Uebersicht.csv", "Kiel-Uebersicht.neu.csv"}, {"Kiel-Uebersicht.html", "Kiel-Uebersicht.neu.html"},
        {"Kiel-GER12.yrd", "Kiel-GER12.yrd.neu"},  // no reader takes it for yacht "GER12.neu"
        {"..\\init\\Wakeguard.ini", "..\\init\\Wakeguard.ini.neu"}, {"..\\Da.ten\\Liste", "..\\Da.ten\\Liste.neu"},
    };
    for (const auto& [name, kept] : cases) EXPECT_EQ(keptBesideName(name), kept) << name;
}

#ifndef _WIN32
TEST(Replacement, OnAFullDriveNoneLandsAndNothingTemporaryStays) {
    TempDir dir;
    dir.write("K-GER1.yrd", "alt");
    dir.write("K-GER1.yrd.sha256", "alte Summe");
    for (const std::size_t room : {2u, 10u}) {  // no file fits; the first fits, the second does not
        const DriveRoom full(room);
        const Replacement replaced = replaceFiles(
            {{dir.programPath("K-GER1.yrd"), "neu1234"}, {dir.programPath("K-GER1.yrd.sha256"), "neue Summe!"}});
        EXPECT_EQ(std::tuple(replaced.landed, replaced.fault), std::tuple(0u, FileFault::DriveFull)) << room;
    }
    EXPECT_EQ(std::tuple(dir.read("K-GER1.yrd"), dir.read("K-GER1.yrd.sha256"), dir.fileCount()),
              std::tuple("alt", "alte Summe", 2u));
}
#endif

} // namespace
} // namespace wg::test
