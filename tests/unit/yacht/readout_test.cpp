#include "platform/file_system.h"
#include "files/fingerprint.h"
#include "files/yacht_header.h"
#include "support/drive_room.h"
#include "support/logger_rig.h"
#include "support/temp_dir.h"
#include "yacht/coarse_minutes.h"
#include "yacht/readout.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

TEST(CoarseMinutes, TheNumberTwoCharactersAfterTheLastColonLessTheLastFourOfItsPiece) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"\nEreignisdauer bis Regatta-Ende: 123 min\r\n", 123}, {"Dauer: 7 min\r\n", 7}, {"a: 1 b: 42 min\r\n", 42},
        {"Dauer: 12345 min\r\n", 12345},  // the piece is cut at 9 characters
        {"Dauer: 1234567890", 12345},     // ... and loses its last four
        {"no colon 123 min\r\n", 0}, {"Dauer: 12\n", 0} /* a piece of four characters */, {"Dauer:", 0},
        {std::string(250, 'x') + ": 98765 min\r\n", 0},  // only the first 256 characters count
        {std::string(240, 'x') + ": 98765 min\r\n", 98765},
    };
    for (const auto& [reply, minutes] : cases) EXPECT_EQ(extractCoarseMinutes(reply), minutes) << reply;
}

TEST_F(LoggerTest, CoarseMinutesQueryStoresTheLoggersTotalOrKeepsTheRecord) {
    logger().coarseMinutes = 123;
    YachtRecord yacht;
    ASSERT_TRUE(coarseMinutesQuery(context, yacht));
    // Drain, one read before the command, the answer's delay, two seconds of collection.
    EXPECT_EQ(std::tuple(yacht.coarseMinutes, wire(), clock.nowMs()), std::tuple(123, "T\r", 2000 + 1000 + 50 + 2000));
    behaviour().fault = sim::Fault::Silent;
    EXPECT_FALSE(coarseMinutesQuery(context, yacht));
    // The echo's three seconds, the recovery.
    EXPECT_EQ(std::tuple(yacht.coarseMinutes, shown(), clock.nowMs()),
              std::tuple(123, Texts{kCommandFailedText}, 5050 + 2000 + 1000 + 3000 + 1000));
}

struct ReadoutTest : LoggerTest {
    ReadoutTest() {
        logger().loggedIn = true;
        logger().events = {"Start : 14.06.08 Sa 09:00:00", "Generator Ein : 14.06.08 Sa 09:10:00"};
        header = yachtHeaderBytes(yacht);
    }
    Status run() { return readOut(context, yacht, dir.programDir()); }
    std::string file() const { return dir.read("Sommer04-GER12.yrd"); }
    TempDir dir;
    YachtRecord yacht{.regattaFileName = "Sommer04-GER12.yrd", .coarseMinutes = 123, .yachtName = "Blue Star"};
    const std::string twoLines = "$Start : 14.06.08 Sa 09:00:00\r\n$Generator Ein : 14.06.08 Sa 09:10:00\r\n";
    std::string header;
};

TEST_F(ReadoutTest, StoresEveryLoggerLineBehindADollarUpToTheEreignissLine) {
    // The events as the logger holds them (it ends each with CR LF), and the file after the header.
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"Reset\nStart"}, "$Reset\r\n$Start\r\n$Ereigniss Ende\r\n"}, {{"Reset\n"}, "$Reset\r\n$\r\n$Ereigniss Ende\r\n"},
        {{"Gene\rrator\r"}, "$Generator\r\n$Ereigniss Ende\r\n"}, {{}, "$Ereigniss Ende\r\n"},
        {{"Kein Ereigniss hier"}, "$Kein Ereigniss hier\r\n$Ereigniss Ende\r\n"},
        {{"Ereignisspeicher leer", "Start : 1.1.08 x 1:00:00"}, "$Ereigniss Ende\r\n"},
    };
    dir.write("Sommer04-GER12.yrd", "old\r\n$Zielzeit_Jahr 8\r\n");  // replaced, finish block and all
    dir.write("Sommer04-GER12.yrd.grobminuten", "$Grobminuten 7\r\n");
    for (const auto& [events, block] : cases) {
        logger().events = events;
        ASSERT_EQ(run(), kReadoutDone) << block;
        EXPECT_EQ(file(), header + block);
        EXPECT_EQ(checkFingerprint(dir.programDir(), "Sommer04-GER12.yrd"), FingerprintCheck::Matches);
    }
    // The file, its fingerprint and its coarse minutes, nothing shown.
    EXPECT_EQ(std::tuple(dir.read("Sommer04-GER12.yrd.grobminuten"), dir.fileCount(), shown()),
              std::tuple("$Grobminuten                            123\r\n", 3u, Texts{}));
    // A fingerprint that cannot take its place is reported, coarse minutes are not; the readout stands.
    for (const std::string sidecar : {".sha256", ".grobminuten"}) {
        std::filesystem::remove(nativePath(dir.programPath("Sommer04-GER12.yrd" + sidecar)));
        dir.makeDirectory("Sommer04-GER12.yrd" + sidecar + "/in-the-way");
    }
    ASSERT_EQ(run(), kReadoutDone);
    EXPECT_EQ(std::tuple(shown(), dir.fileCount(), file()),
              std::tuple(Texts{fingerprintFailureText("Sommer04-GER12.yrd")}, 1u, header + "$Ereigniss Ende\r\n"));
}

TEST_F(ReadoutTest, PausesShorterThanTheBoundAndAnswersGluedToTheEchoChangeNothing) {
    behaviour().dumpPauseAt = 20;
    behaviour().dumpPauseMs = (kReadoutSilenceSeconds - 1) * 1000;
    std::vector<ReadoutProgress> heard;
    ASSERT_EQ(readOut(context, yacht, dir.programDir(), [&](const ReadoutProgress& p) { heard.push_back(p); }),
              kReadoutDone);
    EXPECT_EQ(file(), header + twoLines + "$Ereigniss Ende\r\n");
    // Progress after every read, the timed-out ones of the pause too: the seconds go on while the bytes wait.
    ASSERT_GE(heard.size(), 5u);
    // All but the line feed before the first line.
    EXPECT_EQ(std::tuple(heard.back().bytes, heard.back().lines), std::tuple(84u, 3u));
    EXPECT_GE(heard.back().seconds, kReadoutSilenceSeconds - 1);
    for (std::size_t i = 1; i < heard.size(); ++i) EXPECT_GE(heard[i].bytes, heard[i - 1].bytes);
    behaviour().fault = sim::Fault::GluedAnswer;
    dir.write("Sommer04-GER12.yrd", "");
    ASSERT_EQ(run(), kReadoutDone);
    EXPECT_EQ(std::tuple(file(), wire()), std::tuple(header + twoLines + "$Ereigniss Ende\r\n", "I\rI\r"));
}

#ifndef _WIN32
TEST_F(ReadoutTest, ACompleteReadoutThatDoesNotFitKeepsTheEarlierFilesAndSaysWhy) {
    ASSERT_EQ(run(), kReadoutDone);
    const std::string earlier = file(), earlierSum = dir.read("Sommer04-GER12.yrd.sha256");
    logger().events.push_back("Generator Aus : 14.06.08 Sa 09:40:00");  // the new readout is longer
    {
        const DriveRoom room(earlier.size());
        ASSERT_EQ(run(), kReadoutCannotCreate);
    }
    EXPECT_EQ(std::tuple(file(), dir.read("Sommer04-GER12.yrd.sha256"), dir.fileCount(), shown()),
              std::tuple(earlier, earlierSum, 3u, Texts{readoutNotSavedText("Sommer04-GER12.yrd", kStatusDriveFull)}));
    EXPECT_NE(shown()[0].find("Der Datenträger ist voll."), std::string::npos);
    ASSERT_EQ(run(), kReadoutDone);  // once there is room
    EXPECT_EQ(checkFingerprint(dir.programDir(), "Sommer04-GER12.yrd"), FingerprintCheck::Matches);
    EXPECT_NE(file(), earlier);
}
#endif

TEST(ReadoutProgress, TextSetsThousandsApartWithABlank) {
    EXPECT_EQ(readoutProgressText({0, 0, 0}), "Auslesen läuft: 0 Bytes, 0 Zeilen, 0 s");
    EXPECT_EQ(readoutProgressText({12400, 214, 26}), "Auslesen läuft: 12 400 Bytes, 214 Zeilen, 26 s");
    EXPECT_EQ(readoutProgressText({1234567, 1000, 999}), "Auslesen läuft: 1 234 567 Bytes, 1 000 Zeilen, 999 s");
}

TEST_F(ReadoutTest, LoggerFallingSilentMidDumpKeepsTheEarlierFileAndSetsTheRestAside) {
    const std::string earlier = header + "$Reset\r\n$Ereigniss Ende\r\n$Zielzeit_Jahr 8\r\n";
    dir.write("Sommer04-GER12.yrd", earlier);
    dir.write("Sommer04-GER12.yrd.grobminuten", "$Grobminuten 7\r\n");  // stays with the earlier file
    behaviour().dumpLimit = 40;
    ASSERT_EQ(run(), kReadoutIncomplete);
    EXPECT_EQ(std::tuple(file(), dir.read("Sommer04-GER12.yrd.grobminuten"), dir.fileCount()),
              std::tuple(earlier, "$Grobminuten 7\r\n", 3u));
    EXPECT_EQ(dir.read("Sommer04-GER12.yrd.unvollstaendig"), header + "$Start : 14.06.08 Sa 09:00:00\r\n$Generator");
    // Drain, one read, the dump, then five seconds of silence.
    EXPECT_EQ(std::tuple(shown(), clock.nowMs()), std::tuple(Texts{readoutBrokenText("Sommer04-GER12.yrd", true, true)},
                                                           2000 + 1000 + 50 + kReadoutSilenceSeconds * 1000));
}

TEST_F(ReadoutTest, SilentLoggerOrAFileThatCannotBeCreatedLeaveNoFile) {
    behaviour().dumpLimit = 1;  // only the line feed before the first line
    ASSERT_EQ(run(), kReadoutIncomplete);
    behaviour().fault = sim::Fault::Silent;  // not even an echo
    ASSERT_EQ(run(), kReadoutIncomplete);
    EXPECT_EQ(std::tuple(shown(), dir.fileCount()),
              std::tuple(Texts{readoutBrokenText("Sommer04-GER12.yrd", false, false), kCommandFailedText}, 0u));
    EXPECT_EQ(shown()[0].find("unverändert"), std::string::npos);
    // A file that cannot be created stops the readout before the logger is contacted.
    for (const char* name : {"..\\x.yrd", ""}) {
        yacht.regattaFileName = name;
        EXPECT_EQ(run(), kReadoutCannotCreate) << name;
    }
    yacht.regattaFileName = "a.yrd";
    EXPECT_EQ(readOut(context, yacht, dir.programPath("missing\\")), kReadoutCannotCreate);
    EXPECT_EQ(std::tuple(ports.created, shown().size()), std::tuple(2, 2u));
}

TEST_F(ReadoutTest, KeepsUpWithThePacedWire) {
    logger().events.assign(200, "Generator Ein : 14.06.08 Sa 09:10:00");  // 7.4 KB
    behaviour().paced = true;
    ASSERT_EQ(run(), kReadoutDone);
    // Besides the transfer only the protocol's waits: the drain (2 s), a read before the command (1 s), echoes, delay.
    const double transferMs = (200 * 38 + 17) / 480.0 * 1000.0;
    EXPECT_LT(clock.nowMs(), 3000 + 200 + transferMs * 1.01);
}

} // namespace
} // namespace wg::test
