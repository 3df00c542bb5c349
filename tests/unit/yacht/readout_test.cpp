#include <gtest/gtest.h>

#include "files/fingerprint.h"
#include "logger/logger_fixture.h"
#include "support/temp_dir.h"
#include "yacht/readout.h"

namespace wg::test {
namespace {

constexpr const char* kHeader =
    "$Dateikennung                           Yachtdaten\r\n"
    "$Yachtname                              Blue Star\r\n"
    "$Yacht-ID                               GER12\r\n"
    "$ERLG-Seriennummer                      100234\r\n"
    "$Betriebsart                            3\r\n"
    "$Siegel-Anzahl                          4\r\n";

class ReadoutTest : public LoggerTest {
protected:
    ReadoutTest() {
        yacht.yachtName = "Blue Star";
        yacht.yachtId = "GER12";
        yacht.serialNumber = "100234";
        yacht.operatingMode = 3;
        yacht.sealCount = 4;
        yacht.regattaFileName = "Sommer04-GER12.yrd";
        logger().loggedIn = true;
    }
    Status run() { return readOut(context, yacht, dir.programDir()); }
    std::string file() const { return dir.read("Sommer04-GER12.yrd"); }

    TempDir dir;
    YachtRecord yacht;
};

struct DumpCase {
    const char* name;
    std::vector<std::string> events;  // the logger ends each with CR LF
    const char* block;                // the file after the header
};

class ReadoutLines : public ReadoutTest, public ::testing::WithParamInterface<DumpCase> {};

TEST_P(ReadoutLines, StoresEveryLoggerLineBehindADollar) {
    logger().events = GetParam().events;
    ASSERT_EQ(run(), kReadoutDone);
    EXPECT_EQ(file(), std::string(kHeader) + GetParam().block);
    EXPECT_EQ(wire(), "I\r");
    EXPECT_FALSE(dir.exists("Sommer04-GER12.yrd.wg-new"));
    EXPECT_EQ(checkFingerprint(dir.programDir(), "Sommer04-GER12.yrd"), FingerprintCheck::Matches);
}

INSTANTIATE_TEST_SUITE_P(
    Dumps, ReadoutLines,
    ::testing::Values(
        DumpCase{"CrLf", {"Start : 14.06.08 Sa 09:00:00", "Generator Ein : 14.06.08 Sa 09:10:00"},
                 "$Start : 14.06.08 Sa 09:00:00\r\n$Generator Ein : 14.06.08 Sa 09:10:00\r\n"
                 "$Ereigniss Ende\r\n"},
        DumpCase{"LoneLf", {"Reset\nStart"}, "$Reset\r\n$Start\r\n$Ereigniss Ende\r\n"},
        DumpCase{"TwoLfs", {"Reset\n"}, "$Reset\r\n$\r\n$Ereigniss Ende\r\n"},
        DumpCase{"CrInside", {"Gene\rrator\r"}, "$Generator\r\n$Ereigniss Ende\r\n"},
        DumpCase{"OnlyCr", {"\r"}, "$\r\n$Ereigniss Ende\r\n"},
        DumpCase{"EreignissInsideALine", {"Kein Ereigniss hier"},
                 "$Kein Ereigniss hier\r\n$Ereigniss Ende\r\n"},
        DumpCase{"EmptyMemoryLine", {"Ereignisspeicher leer", "Start : 1.1.08 x 1:00:00"},
                 "$Ereigniss Ende\r\n"},
        DumpCase{"NoEvents", {}, "$Ereigniss Ende\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadoutTest, PausesShorterThanTheBoundChangeNothing) {
    logger().events = {"Start : 14.06.08 Sa 09:00:00", "Generator Ein : 14.06.08 Sa 09:10:00"};
    behaviour().dumpPauseAt = 20;
    behaviour().dumpPauseMs = (kReadoutSilenceSeconds - 1) * 1000;
    std::vector<ReadoutProgress> heard;
    ASSERT_EQ(readOut(context, yacht, dir.programDir(), [&](const ReadoutProgress& p) { heard.push_back(p); }),
              kReadoutDone);
    EXPECT_EQ(file(), std::string(kHeader) +
                          "$Start : 14.06.08 Sa 09:00:00\r\n$Generator Ein : 14.06.08 Sa 09:10:00\r\n"
                          "$Ereigniss Ende\r\n");
    EXPECT_TRUE(shown.empty());
    // Heard after every read, the timed-out ones of the pause too: the
    // seconds go on while the bytes wait.
    ASSERT_GE(heard.size(), 5u);
    EXPECT_EQ(heard.back().bytes, 84u);  // all but the line feed before the first line
    EXPECT_EQ(heard.back().lines, 3u);
    EXPECT_GE(heard.back().seconds, kReadoutSilenceSeconds - 1);
    for (std::size_t i = 1; i < heard.size(); ++i) EXPECT_GE(heard[i].bytes, heard[i - 1].bytes);
}

TEST(ReadoutProgressText, SetsThousandsApartWithABlank) {
    EXPECT_EQ(readoutProgressText({0, 0, 0}), "Auslesen läuft: 0 Bytes, 0 Zeilen, 0 s");
    EXPECT_EQ(readoutProgressText({12400, 214, 26}), "Auslesen läuft: 12 400 Bytes, 214 Zeilen, 26 s");
    EXPECT_EQ(readoutProgressText({1234567, 1000, 999}), "Auslesen läuft: 1 234 567 Bytes, 1 000 Zeilen, 999 s");
}

TEST_F(ReadoutTest, ReplacesAnEarlierFileFinishBlockIncluded) {
    dir.write("Sommer04-GER12.yrd", "old\r\n$Zielzeit_Jahr 8\r\n");
    logger().events = {"Reset"};
    ASSERT_EQ(run(), kReadoutDone);
    EXPECT_EQ(file(), std::string(kHeader) + "$Reset\r\n$Ereigniss Ende\r\n");
}

TEST_F(ReadoutTest, SidecarThatCannotBeWrittenIsReportedAndTheReadoutStands) {
    dir.write("Sommer04-GER12.yrd.sha256", "from an earlier readout");
    dir.makeDirectory("Sommer04-GER12.yrd.sha256.wg-new");
    logger().events = {"Reset"};
    ASSERT_EQ(run(), kReadoutDone);
    EXPECT_EQ(file(), std::string(kHeader) + "$Reset\r\n$Ereigniss Ende\r\n");
    EXPECT_EQ(shown, shownOnly(fingerprintFailureText("Sommer04-GER12.yrd")));
    EXPECT_FALSE(dir.exists("Sommer04-GER12.yrd.sha256"));
}

TEST_F(ReadoutTest, LoggerFallingSilentMidDumpEndsWithinTheBoundAndKeepsTheEarlierFile) {
    const std::string earlier = std::string(kHeader) + "$Reset\r\n$Ereigniss Ende\r\n$Zielzeit_Jahr 8\r\n";
    dir.write("Sommer04-GER12.yrd", earlier);
    logger().events = {"Start : 14.06.08 Sa 09:00:00", "Generator Ein : 14.06.08 Sa 09:10:00"};
    behaviour().dumpLimit = 40;

    ASSERT_EQ(run(), kReadoutIncomplete);
    // Drain, echoes and the dump take well under 5 s; the rest is the bound.
    EXPECT_LT(clock.nowMs(), (kReadoutSilenceSeconds + 5) * 1000);
    EXPECT_EQ(file(), earlier);
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd.unvollstaendig"),
              std::string(kHeader) + "$Start : 14.06.08 Sa 09:00:00\r\n$Generator");
    EXPECT_FALSE(dir.exists("Sommer04-GER12.yrd.wg-new"));
    EXPECT_EQ(shown, shownOnly(readoutBrokenText("Sommer04-GER12.yrd", true, true)));
}

TEST_F(ReadoutTest, AbsentLoggerEndsWithinTheBoundAndLeavesNoFile) {
    behaviour().fault = sim::Fault::Silent;
    ASSERT_EQ(run(), kReadoutIncomplete);
    EXPECT_LT(clock.nowMs(), 10000);
    EXPECT_EQ(dir.fileCount(), 0u);
    EXPECT_EQ(shown, shownOnly(kCommandFailedText));
}

TEST_F(ReadoutTest, SilentLoggerAfterTheEchoesWithoutEarlierFileSaysSo) {
    logger().events = {"Start"};
    behaviour().dumpLimit = 1;  // only the line feed before the first line
    ASSERT_EQ(run(), kReadoutIncomplete);
    EXPECT_EQ(dir.fileCount(), 0u);
    EXPECT_EQ(shown, shownOnly(readoutBrokenText("Sommer04-GER12.yrd", false, false)));
    EXPECT_EQ(shown[0].find("unverändert"), std::string::npos);
}

TEST_F(ReadoutTest, FileThatCannotBeCreatedStopsBeforeTheLoggerIsContacted) {
    for (const char* name : {"..\\x.yrd", ""}) {
        yacht.regattaFileName = name;
        EXPECT_EQ(run(), kReadoutCannotCreate) << name;
    }
    yacht.regattaFileName = "a.yrd";
    EXPECT_EQ(readOut(context, yacht, dir.programPath("missing\\")), kReadoutCannotCreate);
    EXPECT_EQ(ports.created, 0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(ReadoutTest, KeepsUpWithThePacedWire) {
    logger().events.assign(200, "Generator Ein : 14.06.08 Sa 09:10:00");  // 7.4 KB
    behaviour().paced = true;
    ASSERT_EQ(run(), kReadoutDone);
    const double dumpBytes = 200 * 38 + 17;
    // The protocol's own waits come on top of the transfer: the drain (2 s),
    // the read of one byte before the command (1 s on a quiet line), the
    // echoes and the answer delay.
    const double transferMs = dumpBytes / 480.0 * 1000.0;
    EXPECT_LT(clock.nowMs(), 3000 + 200 + transferMs * 1.01);
}

} // namespace
} // namespace wg::test
