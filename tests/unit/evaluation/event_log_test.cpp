#include <gtest/gtest.h>

#include "evaluation/event_log.h"
#include "evaluation/time_arithmetic.h"
#include "evaluation/yrd_text.h"
#include "support/fake_shell.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

using test::eventLine;
using test::finishBlock;
using test::yrdFile;

constexpr double kMin = 60;

// Regatta start 10:00 on 3 June 2004; the files' finish is 14:00 that day.
RegattaRecord regattaAtTen(int hour = 10, int minute = 0, int day = 3, int month = 6, int year = 4) {
    RegattaRecord regatta;
    regatta.start = {minute, hour, 0, day, month, year};
    regatta.end = {0, 18, 0, day, month, year};
    return regatta;
}

struct Outcome {
    EvaluationCodes codes;
    YachtRecord yacht;
    std::vector<BoxRequest> boxes;
};

Outcome evaluateText(const std::string& bytes, const RegattaRecord& regatta = regattaAtTen()) {
    Outcome out;
    test::FakeShell shell;
    test::VirtualClock clock;
    out.codes = evaluateBytes(shell, out.yacht, regatta, &bytes, clock);
    out.boxes = shell.boxes;
    return out;
}

struct RuleCase {
    const char* what;
    std::vector<std::string> events;
    double engineSeconds;
    std::int32_t events_;
    std::int32_t powerOns;
    std::size_t resetBoxes;
};

class EventRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(EventRules, EngineTotalEventCountPowerOns) {
    const RuleCase& c = GetParam();
    const Outcome out = evaluateText(yrdFile(c.events));
    EXPECT_EQ(out.codes.firstPass, kStatusNoEndMarker) << c.what;
    EXPECT_EQ(out.codes.secondPass, kStatusNoEndMarker) << c.what;
    EXPECT_EQ(out.yacht.evaluation.engineTotalSeconds, c.engineSeconds) << c.what;
    EXPECT_EQ(out.yacht.evaluation.eventCount, c.events_) << c.what;
    EXPECT_EQ(out.yacht.evaluation.powerOnCount, c.powerOns) << c.what;
    EXPECT_EQ(out.boxes.size(), c.resetBoxes) << c.what;
    EXPECT_EQ(out.yacht.evaluation.durationText, durationText(c.engineSeconds)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    EventLog, EventRules,
    ::testing::Values(
        RuleCase{"a race with three intervals and one power-on",
                 {eventLine("Generator Ein", "09:50:00"), eventLine("Generator Aus", "10:20:00"),
                  eventLine("Getriebe Ein", "11:00:00"), eventLine("Getriebe Aus", "11:30:00"),
                  eventLine("Start", "12:00:00"), eventLine("Stecker abgezogen", "13:40:00"),
                  eventLine("Stecker angesteckt", "14:10:00")},
                 70 * kMin, 3, 1, 0},
        RuleCase{"no event lines", {}, 0, 0, 0, 0},
        RuleCase{"running from before the start until after the finish",
                 {eventLine("Generator Ein", "09:00:00"), eventLine("Generator Aus", "15:00:00")}, 0, 0, 0, 0},
        RuleCase{"two off lines in a row count the second from the start",
                 {eventLine("Getriebe Ein", "11:00:00"), eventLine("Getriebe Aus", "11:30:00"),
                  eventLine("Generator Aus", "12:00:00")},
                 30 * kMin + 120 * kMin, 2, 0, 0},
        RuleCase{"off before the start drops a pending on",
                 {eventLine("Generator Ein", "11:00:00"), eventLine("Generator Aus", "09:00:00"),
                  eventLine("Generator Aus", "12:00:00")},
                 120 * kMin, 1, 0, 0},
        // Bounds: an on is kept only strictly inside the window.
        RuleCase{"on exactly at the start is not kept",
                 {eventLine("Generator Ein", "10:00:00"), eventLine("Generator Aus", "14:30:00")}, 0, 0, 0, 0},
        RuleCase{"on a second after the start is kept",
                 {eventLine("Generator Ein", "10:00:01"), eventLine("Generator Aus", "14:30:00")},
                 240 * kMin - 1, 1, 0, 0},
        RuleCase{"on exactly at the finish is not kept",
                 {eventLine("Generator Ein", "14:00:00"), eventLine("Generator Aus", "14:30:00")}, 0, 0, 0, 0},
        RuleCase{"on a second before the finish is cut at the finish",
                 {eventLine("Generator Ein", "13:59:59"), eventLine("Generator Aus", "14:30:00")}, 1, 1, 0, 0},
        // An off at S or F falls inside.
        RuleCase{"off exactly at the start without on adds 0 and counts",
                 {eventLine("Getriebe Aus", "10:00:00")}, 0, 1, 0, 0},
        RuleCase{"off a second before the start counts nothing",
                 {eventLine("Getriebe Aus", "09:59:59")}, 0, 0, 0, 0},
        RuleCase{"off exactly at the finish closes the interval",
                 {eventLine("Getriebe Ein", "13:00:00"), eventLine("Getriebe Aus", "14:00:00")}, 60 * kMin, 1, 0, 0},
        RuleCase{"off exactly at the finish without on counts from the start",
                 {eventLine("Getriebe Aus", "14:00:00")}, 240 * kMin, 1, 0, 0},
        RuleCase{"off after the finish without on counts nothing",
                 {eventLine("Getriebe Aus", "14:00:01")}, 0, 0, 0, 0},
        // A Start at S or F counts.
        RuleCase{"Start exactly at the start", {eventLine("Start", "10:00:00")}, 0, 0, 1, 0},
        RuleCase{"Start a second before the start", {eventLine("Start", "09:59:59")}, 0, 0, 0, 0},
        RuleCase{"Start exactly at the finish", {eventLine("Start", "14:00:00")}, 0, 0, 1, 0},
        RuleCase{"Start a second after the finish", {eventLine("Start", "14:00:01")}, 0, 0, 0, 0},
        // A Reset at S does nothing; after it, it replaces everything.
        RuleCase{"Reset exactly at the start", {eventLine("Reset", "10:00:00")}, 0, 0, 0, 0},
        RuleCase{"Reset a second after the start", {eventLine("Reset", "10:00:01")}, 1, 1, 0, 1},
        RuleCase{"Reset replaces what was summed",
                 {eventLine("Getriebe Ein", "11:00:00"), eventLine("Getriebe Aus", "11:30:00"),
                  eventLine("Start", "11:40:00"), eventLine("Generator Aus", "11:50:00"),
                  eventLine("Reset", "12:00:00")},
                 120 * kMin, 1, 0, 1},
        RuleCase{"Reset after the finish exceeds the race",
                 {eventLine("Reset", "15:00:00")}, 300 * kMin, 1, 0, 1},
        RuleCase{"every Reset after the start is reported",
                 {eventLine("Reset", "11:00:00"), eventLine("Start", "11:01:00"), eventLine("Reset", "12:00:00")},
                 120 * kMin, 1, 0, 2},
        // Two on signals while one interval runs: the earlier beginning counts.
        RuleCase{"second on while pending, nothing counted yet",
                 {eventLine("Generator Ein", "11:00:00"), eventLine("Getriebe Ein", "11:20:00"),
                  eventLine("Getriebe Aus", "11:30:00")},
                 30 * kMin, 1, 0, 0},
        RuleCase{"second on while pending, after a counted interval",
                 {eventLine("Getriebe Aus", "10:10:00"), eventLine("Generator Ein", "11:00:00"),
                  eventLine("Stecker abgezogen", "11:20:00"), eventLine("Generator Aus", "11:30:00")},
                 10 * kMin + 30 * kMin, 2, 0, 0},
        // A pending interval at a Reset goes on from the reset.
        RuleCase{"interval open across a Reset",
                 {eventLine("Generator Ein", "11:00:00"), eventLine("Reset", "12:00:00"),
                  eventLine("Generator Aus", "12:30:00")},
                 120 * kMin + 30 * kMin, 2, 0, 1},
        RuleCase{"interval open across a Reset after the finish",
                 {eventLine("Generator Ein", "13:00:00"), eventLine("Reset", "15:00:00"),
                  eventLine("Generator Aus", "15:30:00")},
                 300 * kMin, 1, 0, 1},
        // Days and years without leap days and without overflow.
        RuleCase{"an earlier day is before the start",
                 {eventLine("Generator Ein", "12:00:00", "02.06.04"), eventLine("Generator Aus", "10:30:00")},
                 30 * kMin, 1, 0, 0},
        RuleCase{"a later month is after the finish",
                 {eventLine("Generator Ein", "13:00:00"), eventLine("Generator Aus", "09:00:00", "01.07.04")},
                 60 * kMin, 1, 0, 0}));

struct WindowCase {
    const char* what;
    RegattaRecord regatta;
    std::string finish;
    std::vector<std::string> events;
    double engineSeconds;
};

TEST(EventLog, WindowsAcrossDayAndYearBoundaries) {
    const WindowCase cases[] = {
        {"year 69 into 70", regattaAtTen(23, 0, 31, 12, 69), finishBlock(1, 0, 0, 1, 1, 70),
         {eventLine("Generator Ein", "23:30:00", "31.12.69"), eventLine("Generator Aus", "00:30:00", "01.01.70")},
         60 * kMin},
        {"year 98 into 99", regattaAtTen(23, 0, 31, 12, 98), finishBlock(1, 0, 0, 1, 1, 99),
         {eventLine("Getriebe Ein", "23:59:59", "31.12.98"), eventLine("Getriebe Aus", "00:00:01", "01.01.99")},
         2},
        {"28 February into 1 March", regattaAtTen(12, 0, 28, 2, 4), finishBlock(12, 0, 0, 1, 3, 4),
         {eventLine("Generator Ein", "23:00:00", "28.02.04"), eventLine("Generator Aus", "01:00:00", "01.03.04")},
         120 * kMin},
        {"29 February counts as 1 March", regattaAtTen(12, 0, 28, 2, 4), finishBlock(12, 0, 0, 1, 3, 4),
         {eventLine("Generator Ein", "23:00:00", "28.02.04"), eventLine("Generator Aus", "01:00:00", "29.02.04")},
         120 * kMin},
    };
    for (const WindowCase& c : cases) {
        const Outcome out = evaluateText(yrdFile(c.events, c.finish), c.regatta);
        EXPECT_EQ(out.yacht.evaluation.engineTotalSeconds, c.engineSeconds) << c.what;
        EXPECT_EQ(out.yacht.evaluation.eventCount, 1) << c.what;
    }
}

TEST(EventLog, ResetMessageBox) {
    const Outcome out = evaluateText(yrdFile({eventLine("Reset", "12:00:00")}));
    ASSERT_EQ(out.boxes.size(), 1u);
    const BoxRequest& box = out.boxes[0];
    EXPECT_EQ(box.caption, "Schwerer Benutzerfehler");
    EXPECT_EQ(box.text,
              "Es wurde ein ERLG-Reset nach dem Regattastart durchgeführt!\n"
              "Es fehlen damit Überwachungsdaten,\n"
              "Zeit zwischen Regattastart und Reset wird als Motorlaufzeit gerechnet!");
    EXPECT_EQ(box.icon, BoxIcon::Error);
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
    EXPECT_TRUE(box.ownedByMainWindow);
    EXPECT_TRUE(box.topmost);
}

TEST(EventLog, HeaderAndLastFinishBlockAreRead) {
    const Outcome out = evaluateText(
        yrdFile({eventLine("Getriebe Ein", "11:00:00"), eventLine("Getriebe Aus", "13:30:00")},
                finishBlock(12, 0, 0, 3, 6, 4) + finishBlock(13, 0, 0, 3, 6, 4)));
    const YachtRecord& y = out.yacht;
    EXPECT_EQ(y.yachtName, "Blue Star");
    EXPECT_EQ(y.yachtId, "GER12");
    EXPECT_EQ(y.serialNumber, "4711");
    EXPECT_EQ(y.operatingMode, 3);
    EXPECT_EQ(y.sealCount, 2);
    EXPECT_EQ(y.finish.hour, 13);
    EXPECT_EQ(y.evaluation.finish, secondCount(13, 0, 0, 3, 6, 4));
    EXPECT_EQ(y.evaluation.regattaStart, secondCount(10, 0, 0, 3, 6, 4));
    EXPECT_EQ(y.evaluation.engineTotalSeconds, 120 * kMin);
}

TEST(EventLog, FileWithoutFinishKeysIsJudgedAgainstZero) {
    const Outcome out = evaluateText(yrdFile({eventLine("Generator Ein", "11:00:00"),
                                              eventLine("Generator Aus", "11:30:00"),
                                              eventLine("Start", "11:40:00"), eventLine("Reset", "12:00:00")},
                                             ""));
    const YachtEvaluation& e = out.yacht.evaluation;
    EXPECT_EQ(e.regattaStart, 0);
    EXPECT_EQ(e.finish, 0);
    EXPECT_EQ(e.powerOnCount, 0);
    EXPECT_EQ(e.engineTotalSeconds, secondCount(12, 0, 0, 3, 6, 4));
    EXPECT_EQ(e.eventCount, 1);
    EXPECT_EQ(out.boxes.size(), 1u);
}

TEST(EventLog, WrongIdentificationStopsBothPasses) {
    std::string file = yrdFile({eventLine("Reset", "12:00:00")});
    file.replace(file.find("Yachtdaten"), 10, "Regattadat");
    const Outcome out = evaluateText(file);
    EXPECT_EQ(out.codes.firstPass, kStatusWrongFileKind);
    EXPECT_EQ(out.codes.secondPass, kStatusWrongFileKind);
    EXPECT_EQ(out.yacht.yachtName, "");
    EXPECT_EQ(out.yacht.evaluation.engineTotalSeconds, 0);
    EXPECT_TRUE(out.boxes.empty());
    EXPECT_EQ(out.yacht.evaluation.durationText, "    0 min  0 sek");
}

TEST(EventLog, LetterAtLineStartKeepsWhatCameBefore) {
    // Finish first, so that the window is known before the damage.
    const std::string file = test::yrdHeader() + finishBlock(14, 0, 0, 3, 6, 4) +
                             eventLine("Getriebe Ein", "11:00:00") + eventLine("Getriebe Aus", "11:30:00") +
                             "Generator Ein : 03.06.04 Do 12:00:00\r\n" +
                             eventLine("Getriebe Ein", "12:00:00") + eventLine("Getriebe Aus", "13:00:00");
    const Outcome out = evaluateText(file);
    EXPECT_EQ(out.codes.firstPass, kStatusBadCharacter);
    EXPECT_EQ(out.codes.secondPass, kStatusBadCharacter);
    EXPECT_EQ(out.yacht.evaluation.engineTotalSeconds, 30 * kMin);
    EXPECT_EQ(out.yacht.evaluation.eventCount, 1);
}

TEST(EventLog, EndMarkerEndsThePassesProperly) {
    const Outcome out = evaluateText(yrdFile({eventLine("Getriebe Ein", "11:00:00"),
                                              eventLine("Getriebe Aus", "11:30:00")}) +
                                     "#\r\n$Getriebe Aus : 03.06.04 Do 12:00:00\r\n");
    EXPECT_EQ(out.codes.firstPass, kStatusOk);
    EXPECT_EQ(out.codes.secondPass, kStatusOk);
    EXPECT_EQ(out.yacht.evaluation.eventCount, 1);
}

struct GrammarCase {
    const char* what;
    std::string lines;
    Status code;
    double engineSeconds;
    std::int32_t events_;
};

TEST(EventLog, EventLineGrammarAsTheLoggerWritesIt) {
    const GrammarCase cases[] = {
        {"state and separator on later lines", "$Generator\r\n  Ein\r\n :\r\n 03.06.04 Do 11:00:00\r\n" +
                                                   eventLine("Generator Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"words before the state and the separator", "$Getriebe Sensor 2 Ein jetzt : 03.06.04 Do 11:00:00\r\n" +
                                                         eventLine("Getriebe Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"generator separator 'Aus:'", "$Generator Ein Aus: 03.06.04 Do 11:00:00\r\n" +
                                           eventLine("Generator Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"keys and words are case-sensitive", "$generator Ein : 03.06.04 Do 11:00:00\r\n" +
                                                  eventLine("Getriebe aus", "11:10:00") +
                                                  eventLine("Getriebe Aus", "11:20:00"),
         kStatusNoEndMarker, 80 * kMin, 1},
        {"Start without colon is no event", "$Start erkannt\r\n" + eventLine("Getriebe Aus", "11:00:00"),
         kStatusNoEndMarker, 60 * kMin, 1},
        {"Reset without colon scans on after its word",
         "$Reset Zeit : 03.06.04 Do 12:00:00\r\n" + eventLine("Getriebe Aus", "11:00:00"), kStatusBadCharacter, 0,
         0},
        {"text after the time is scanned as characters",
         "$Getriebe Aus : 03.06.04 Do 11:00:00 Uhr\r\n" + eventLine("Getriebe Aus", "11:30:00"),
         kStatusBadCharacter, 60 * kMin, 1},
        {"a missing year keeps the slot's year", "$Getriebe Aus : 03.06 Do 11:00:00\r\n", kStatusNoEndMarker, 0,
         0},
        {"comment lines between events", "/ Kommentar Getriebe Aus : 03.06.04 Do 11:00:00\r\n" +
                                             eventLine("Getriebe Aus", "10:30:00"),
         kStatusNoEndMarker, 30 * kMin, 1},
        {"a word longer than a word may be", "$Generator " + std::string(5000, 'x') + " Ein : 03.06.04 Do 11:00:00\r\n" +
                                                  eventLine("Generator Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"absurd numbers", "$Getriebe Aus : 99999999999.-7.4000000000 Do 99:99:99999\r\n", kStatusNoEndMarker, 0,
         0},
    };
    for (const GrammarCase& c : cases) {
        const Outcome out = evaluateText(test::yrdHeader() + finishBlock(14, 0, 0, 3, 6, 4) + c.lines);
        EXPECT_EQ(out.codes.secondPass, c.code) << c.what;
        EXPECT_EQ(out.yacht.evaluation.engineTotalSeconds, c.engineSeconds) << c.what;
        EXPECT_EQ(out.yacht.evaluation.eventCount, c.events_) << c.what;
    }
}

TEST(EventLog, DateAndTimeTextsAreBounded) {
    const Outcome out = evaluateText(test::yrdHeader() + "$Getriebe Aus : " + std::string(100, '1') + " Do " +
                                     std::string(80, '2') + "\r\n");
    EXPECT_EQ(out.yacht.evaluation.dateText, std::string(31, '1'));
    EXPECT_EQ(out.yacht.evaluation.timeText, std::string(31, '2'));
}

TEST(EventLog, FileCutAtEveryLengthEndsDefined) {
    const std::string file = yrdFile({eventLine("Generator Ein", "09:50:00"), eventLine("Generator Aus", "10:20:00"),
                                      eventLine("Getriebe Ein", "11:00:00"), eventLine("Reset", "11:10:00"),
                                      eventLine("Getriebe Aus", "11:30:00"), eventLine("Start", "12:00:00")});
    const std::size_t identification = file.find('\r');
    for (std::size_t n = 0; n <= file.size(); ++n) {
        const Outcome out = evaluateText(file.substr(0, n));
        // Cut inside "Yachtdaten" the file names another kind.
        EXPECT_EQ(out.codes.secondPass, n < identification ? out.codes.secondPass : kStatusNoEndMarker) << n;
        EXPECT_TRUE(out.codes.secondPass == kStatusNoEndMarker || out.codes.secondPass == kStatusWrongFileKind)
            << n;
        EXPECT_LE(out.yacht.evaluation.eventCount, 2) << n;
        EXPECT_LE(out.yacht.evaluation.powerOnCount, 1) << n;
        EXPECT_LE(out.boxes.size(), 1u) << n;
    }
}

TEST(EventLog, EvaluatingTwiceGivesTheSameResult) {
    test::FakeShell shell;
    test::VirtualClock clock;
    const std::string file = yrdFile({eventLine("Getriebe Ein", "11:00:00"), eventLine("Getriebe Aus", "11:30:00"),
                                      eventLine("Start", "12:00:00"), eventLine("Generator Ein", "13:00:00")});
    YachtRecord yacht;
    evaluateBytes(shell, yacht, regattaAtTen(), &file, clock);
    const YachtEvaluation first = yacht.evaluation;
    evaluateBytes(shell, yacht, regattaAtTen(), &file, clock);
    EXPECT_EQ(yacht.evaluation.engineTotalSeconds, first.engineTotalSeconds);
    EXPECT_EQ(yacht.evaluation.eventCount, first.eventCount);
    EXPECT_EQ(yacht.evaluation.powerOnCount, first.powerOnCount);
    EXPECT_EQ(yacht.evaluation.durationText, "   30 min  0 sek");
}

TEST(EventLog, ReadsTheFileInTheDirectory) {
    test::TempDir dir;
    dir.write("Sommer04-GER12.yrd", yrdFile({eventLine("Getriebe Ein", "11:00:00"),
                                             eventLine("Getriebe Aus", "11:45:00")}));
    test::FakeShell shell;
    test::VirtualClock clock;
    YachtRecord yacht;
    yacht.regattaFileName = "Sommer04-GER12.yrd";
    const EvaluationCodes codes = evaluate(shell, yacht, regattaAtTen(), dir.programDir(), clock);
    EXPECT_EQ(codes.secondPass, kStatusNoEndMarker);
    EXPECT_EQ(yacht.evaluation.durationText, "   45 min  0 sek");

    // The same name as a full path with an empty directory.
    YachtRecord byPath;
    byPath.regattaFileName = dir.programPath("Sommer04-GER12.yrd");
    evaluate(shell, byPath, regattaAtTen(), "", clock);
    EXPECT_EQ(byPath.evaluation.engineTotalSeconds, 45 * kMin);
}

TEST(EventLog, MissingFileLeavesAClearedEvaluation) {
    test::TempDir dir;
    test::FakeShell shell;
    test::VirtualClock clock;
    YachtRecord yacht;
    yacht.regattaFileName = "fehlt.yrd";
    yacht.yachtName = "Blue Star";
    yacht.evaluation.engineTotalSeconds = 99;
    yacht.evaluation.eventCount = 4;
    const EvaluationCodes codes = evaluate(shell, yacht, regattaAtTen(), dir.programDir(), clock);
    EXPECT_EQ(codes.firstPass, kStatusNoEndMarker);
    EXPECT_EQ(codes.secondPass, kStatusNoEndMarker);
    EXPECT_EQ(yacht.evaluation.engineTotalSeconds, 0);
    EXPECT_EQ(yacht.evaluation.eventCount, 0);
    EXPECT_EQ(yacht.evaluation.durationText, "    0 min  0 sek");
    EXPECT_EQ(yacht.yachtName, "Blue Star");  // the header part is not cleared
}

TEST(EventLog, TimeLimitEndsAPass) {
    // A clock on which a full limit passes between any two readings.
    class JumpingClock final : public Clock {
    public:
        std::int64_t nowMs() override { return 1000 * 1000 * std::int64_t(reads_++); }
        void pauseMs(std::int64_t) override {}

    private:
        int reads_ = 0;
    } clock;
    std::string file = test::yrdHeader() + finishBlock(14, 0, 0, 3, 6, 4);
    while (file.size() < 10000) file += "/ Kommentar\r\n";
    file += eventLine("Getriebe Aus", "11:00:00");
    test::FakeShell shell;
    YachtRecord yacht;
    const EvaluationCodes codes = evaluateBytes(shell, yacht, regattaAtTen(), &file, clock);
    EXPECT_EQ(codes.firstPass, kStatusNoEndMarker);
    EXPECT_EQ(codes.secondPass, kStatusNoEndMarker);
    EXPECT_EQ(yacht.evaluation.eventCount, 0);
}

TEST(SplitDateAndTime, PiecesGoToTheirComponents) {
    struct Case {
        const char* date;
        const char* time;
        FinishTime expected;  // hour, minute, second, day, month, year
    };
    const Case cases[] = {
        {"12.05.04", "13:45:10", {13, 45, 10, 12, 5, 4}},
        {"12.05", "13:45", {13, 45, 9, 12, 5, 9}},  // missing pieces keep the old values
        {"1.2.3.4", "1:2:3:4", {1, 2, 3, 1, 2, 3}},
        {"ab.cd.ef", "x:y:z", {0, 0, 0, 0, 0, 0}},
        {"7", "8", {8, 9, 9, 7, 9, 9}},
        {"12..04", "13::10", {13, 0, 10, 12, 0, 4}},
    };
    for (const Case& c : cases) {
        YachtRecord yacht;
        yacht.evaluation.components[kEventStart] = {9, 9, 9, 9, 9, 9};
        yacht.evaluation.dateText = c.date;
        yacht.evaluation.timeText = c.time;
        splitDateAndTime(yacht, kEventStart);
        const FinishTime& got = yacht.evaluation.components[kEventStart];
        EXPECT_EQ(got.hour, c.expected.hour) << c.date << " " << c.time;
        EXPECT_EQ(got.minute, c.expected.minute) << c.date << " " << c.time;
        EXPECT_EQ(got.second, c.expected.second) << c.date << " " << c.time;
        EXPECT_EQ(got.day, c.expected.day) << c.date << " " << c.time;
        EXPECT_EQ(got.month, c.expected.month) << c.date << " " << c.time;
        EXPECT_EQ(got.year, c.expected.year) << c.date << " " << c.time;
        EXPECT_EQ(yacht.evaluation.components[kEventOn].day, 0);  // only its own slot
    }
}

TEST(ClearYachtRecord, KeepsTheFileNamesAndTheDurationText) {
    YachtRecord yacht;
    yacht.masterFileName = "Sommer04-GER12";
    yacht.regattaFileName = "..\\Daten\\Sommer04-GER12.yrd";
    yacht.yachtId = "GER12";
    yacht.serialNumber = "4711";
    yacht.operatingMode = 3;
    yacht.sealCount = 2;
    yacht.coarseMinutes = 12;
    yacht.yachtName = "Blue Star";
    yacht.finish = {1, 2, 3, 4, 5, 6};
    yacht.evaluation.engineTotalSeconds = 5;
    yacht.evaluation.eventCount = 1;
    yacht.evaluation.powerOnCount = 1;
    yacht.evaluation.durationText = "    0 min  5 sek";
    yacht.evaluation.dateText = "03.06.04";
    yacht.evaluation.timeText = "11:00:00";
    yacht.evaluation.components[kEventReset] = {1, 2, 3, 4, 5, 6};
    yacht.evaluation.regattaStart = 1;
    yacht.evaluation.finish = 2;
    yacht.evaluation.pendingOn = 3;
    yacht.evaluation.onPending = true;
    yacht.evaluation.lineSeconds[kEventOff] = 4;

    clearYachtRecord(yacht);
    EXPECT_EQ(yacht.masterFileName, "Sommer04-GER12");
    EXPECT_EQ(yacht.regattaFileName, "..\\Daten\\Sommer04-GER12.yrd");
    EXPECT_EQ(yacht.evaluation.durationText, "    0 min  5 sek");
    EXPECT_EQ(yacht.yachtId + yacht.serialNumber, "");
    EXPECT_EQ(yacht.operatingMode, 0);
    EXPECT_EQ(yacht.sealCount, 0);
    EXPECT_EQ(yacht.coarseMinutes, 0);
    EXPECT_EQ(yacht.yachtName, "");
    EXPECT_EQ(yacht.finish.hour + yacht.finish.year, 0);
    EXPECT_EQ(yacht.evaluation.engineTotalSeconds, 0);
    EXPECT_EQ(yacht.evaluation.eventCount + yacht.evaluation.powerOnCount, 0);
    EXPECT_EQ(yacht.evaluation.dateText + yacht.evaluation.timeText, "");
    EXPECT_EQ(yacht.evaluation.components[kEventReset].year, 0);
    EXPECT_EQ(yacht.evaluation.regattaStart + yacht.evaluation.finish + yacht.evaluation.pendingOn, 0);
    EXPECT_FALSE(yacht.evaluation.onPending);
    EXPECT_EQ(yacht.evaluation.lineSeconds[kEventOff], 0);
}

} // namespace
} // namespace wg
