#include <gtest/gtest.h>

#include <cmath>

#include "evaluation/event_log.h"
#include "evaluation/time_arithmetic.h"
#include "support/yrd_text.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"  // records with the fields a test needs

namespace wg::test {
namespace {

constexpr double kMin = 60;

TEST(TimeArithmetic, YearsOf365DaysFebruaryOf28AndAnyComponentsDefined) {
    const double monthStarts[12] = {0,       2678400,  5097600,  7776000,  10368000, 13046400,
                                    15638400, 18316800, 20995200, 23587200, 26265600, 28857600};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(monthOffsetSeconds(month), monthStarts[month - 1]);
    for (int month : {0, 13, INT32_MIN}) EXPECT_EQ(monthOffsetSeconds(month), 0.0) << month;
    // From and to as hour, minute, second, day, month, year.
    struct Span { std::int32_t from[6], to[6]; double seconds; } spans[] = {
        {{0, 0, 0, 1, 1, 1}, {0, 0, 0, 1, 1, 2}, 31536000}, {{0, 0, 0, 31, 4, 7}, {0, 0, 0, 1, 5, 7}, 0},
        {{12, 0, 0, 29, 2, 4}, {12, 0, 0, 1, 3, 4}, 0},  // no leap day
        {{23, 59, 59, 31, 12, 69}, {0, 0, 0, 1, 1, 70}, 1},
        {{0, 0, 0, 1, 1, 3}, {23, 59, 59, 31, 12, 99}, 97 * 31536000.0 - 1},  // beyond 32-bit seconds
    };
    for (const Span& s : spans) {
        const auto count = [](const std::int32_t* t) { return secondCount(t[0], t[1], t[2], t[3], t[4], t[5]); };
        EXPECT_EQ(count(s.to) - count(s.from), s.seconds) << s.seconds;
    }
    EXPECT_EQ(secondCount(0, 0, 0, 1, 1, 1), 0.0);
    EXPECT_TRUE(std::isfinite(secondCount(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 77, INT32_MIN)));
}

TEST(TimeArithmetic, DurationTextShowsSignedWholeMinutesAndTheSecondsLeft) {
    const std::pair<double, const char*> cases[] = {
        {3725, "   62 min  5 sek"},   {0, "    0 min  0 sek"},         {3599, "   59 min 59 sek"},
        {-90, "   -1 min -30 sek"},   {6000000, "100000 min  0 sek"}, {5999999, "99999 min 59 sek"}};
    for (const auto& [seconds, text] : cases) EXPECT_EQ(durationText(seconds), text) << seconds;
}

// Regatta start 10:00 on 3 June 2004 (its seconds do not count); the files' finish is 14:00 that day.
RegattaRecord regattaAt() { return {.start = {0, 10, 45, 3, 6, 4}}; }

struct Outcome {
    EvaluationCodes codes;
    YachtRecord yacht;
    std::vector<BoxRequest> boxes;
    const YachtEvaluation& e() const { return yacht.evaluation; }
};

Outcome evaluateText(const std::string& bytes, const RegattaRecord& regatta = regattaAt()) {
    Outcome out;
    FakeShell shell;
    VirtualClock clock;
    out.codes = evaluateBytes(shell, out.yacht, regatta, &bytes, clock);
    out.boxes = shell.boxes;
    return out;
}

TEST(EventLog, EngineTotalEventCountPowerOnsAndResetReports) {
    const std::string genOn = "Generator Ein", genOff = "Generator Aus";
    const std::string gearOn = "Getriebe Ein", gearOff = "Getriebe Aus";
    struct Case { const char* what; std::vector<std::string> events; double seconds; std::int32_t events_, powerOns;
                  std::size_t resets; } cases[] = {
        {"three intervals, one power-on",
         {ev(genOn, "09:50:00"), ev(genOff, "10:20:00"), ev(gearOn, "11:00:00"), ev(gearOff, "11:30:00"),
          ev("Start", "12:00:00"), ev("Stecker abgezogen", "13:40:00"), ev("Stecker angesteckt", "14:10:00")},
         70 * kMin, 3, 1, 0},
        {"nothing", {}, 0, 0, 0, 0},
        {"off without on counts from the start",
         {ev(gearOn, "11:00:00"), ev(gearOff, "11:30:00"), ev(genOff, "12:00:00")}, 150 * kMin, 2, 0, 0},
        {"off before the start drops an on",
         {ev(genOn, "11:00:00"), ev(genOff, "09:00:00"), ev(genOff, "12:00:00")}, 120 * kMin, 1, 0, 0},
        // An on is kept only strictly inside the window; an off at S or F falls inside.
        {"on at S", {ev(genOn, "10:00:00"), ev(genOff, "14:30:00")}, 0, 0, 0, 0},
        {"on after S", {ev(genOn, "10:00:01"), ev(genOff, "14:30:00")}, 240 * kMin - 1, 1, 0, 0},
        {"on at F", {ev(genOn, "14:00:00"), ev(genOff, "14:30:00")}, 0, 0, 0, 0},
        {"on before F", {ev(genOn, "13:59:59"), ev(genOff, "14:30:00")}, 1, 1, 0, 0},
        {"off at S", {ev(gearOff, "10:00:00")}, 0, 1, 0, 0}, {"off before S", {ev(gearOff, "09:59:59")}, 0, 0, 0, 0},
        {"off at F", {ev(gearOn, "13:00:00"), ev(gearOff, "14:00:00")}, 60 * kMin, 1, 0, 0},
        {"off at F without on", {ev(gearOff, "14:00:00")}, 240 * kMin, 1, 0, 0},
        {"off after F without on", {ev(gearOff, "14:00:01")}, 0, 0, 0, 0},
        // A Start at S or F counts.
        {"Start at S", {ev("Start", "10:00:00")}, 0, 0, 1, 0}, {"Start before S", {ev("Start", "09:59:59")}, 0, 0, 0, 0},
        {"Start at F", {ev("Start", "14:00:00")}, 0, 0, 1, 0}, {"Start after F", {ev("Start", "14:00:01")}, 0, 0, 0, 0},
        // A Reset at S does nothing; after it, it replaces everything and is reported.
        {"Reset at S", {ev("Reset", "10:00:00")}, 0, 0, 0, 0}, {"Reset after S", {ev("Reset", "10:00:01")}, 1, 1, 0, 1},
        {"Reset replaces the sum",
         {ev(gearOn, "11:00:00"), ev(gearOff, "11:30:00"), ev("Start", "11:40:00"), ev(genOff, "11:50:00"),
          ev("Reset", "12:00:00")},
         120 * kMin, 1, 0, 1},
        {"Reset after F", {ev("Reset", "15:00:00")}, 300 * kMin, 1, 0, 1},
        {"every Reset", {ev("Reset", "11:00:00"), ev("Start", "11:01:00"), ev("Reset", "12:00:00")}, 120 * kMin, 1, 0,
         2},
        // A second on signal while one interval runs leaves its beginning.
        {"second on", {ev(genOn, "11:00:00"), ev(gearOn, "11:20:00"), ev(gearOff, "11:30:00")}, 30 * kMin, 1, 0, 0},
        // An interval open at a Reset goes on from the reset.
        {"open across a Reset", {ev(genOn, "11:00:00"), ev("Reset", "12:00:00"), ev(genOff, "12:30:00")}, 150 * kMin, 2,
         0, 1},
        {"open across a Reset after F", {ev(genOn, "13:00:00"), ev("Reset", "15:00:00"), ev(genOff, "15:30:00")},
         300 * kMin, 1, 0, 1},
        {"a later month", {ev(genOn, "13:00:00"), ev(genOff, "09:00:00", "01.07.04")}, 60 * kMin, 1, 0, 0},
    };
    for (const Case& c : cases) {
        const Outcome out = evaluateText(yrdFile(c.events));
        EXPECT_EQ(std::tuple(out.codes.firstPass, out.codes.secondPass, out.e().engineTotalSeconds, out.e().eventCount,
                             out.e().powerOnCount, out.boxes.size(), out.e().durationText),
                  std::tuple(kStatusNoEndMarker, kStatusNoEndMarker, c.seconds, c.events_, c.powerOns, c.resets,
                             durationText(c.seconds))) << c.what;
    }
    const BoxRequest box = evaluateText(yrdFile({ev("Reset", "12:00:00")})).boxes.at(0);
    EXPECT_EQ(box.caption + "|" + box.text,
              "Schwerer Benutzerfehler|Es wurde ein ERLG-Reset nach dem Regattastart durchgeführt!\n"
              "Es fehlen damit Überwachungsdaten,\nZeit zwischen Regattastart und Reset wird als Motorlaufzeit "
              "gerechnet!");
    EXPECT_TRUE(box.topmost && box.ownedByMainWindow && box.icon == BoxIcon::Error);
}

TEST(EventLog, ReadsTheHeaderAndTheLastFinishBlock) {
    const Outcome out = evaluateText(yrdFile({ev("Getriebe Ein", "11:00:00"), ev("Getriebe Aus", "13:30:00")},
                                             finishBlock(12, 0, 0, 3, 6, 4) + finishBlock(13, 0, 0, 3, 6, 4)));
    const YachtRecord& y = out.yacht;
    // The window runs from the regatta start without its seconds to the last finish.
    EXPECT_EQ(std::tuple(y.yachtName, y.yachtId, y.serialNumber, y.operatingMode, y.sealCount,
                         out.e().finish - out.e().regattaStart, out.e().engineTotalSeconds),
              std::tuple("Blue Star", "GER12", "4711", 3, 2, 3 * 3600.0, 120 * kMin));
    // Without finish keys the window is judged against zero.
    const Outcome none = evaluateText(
        yrdFile({ev("Generator Ein", "11:00:00"), ev("Start", "11:40:00"), ev("Reset", "12:00:00")}, ""));
    EXPECT_EQ(std::tuple(none.e().finish, none.e().engineTotalSeconds, none.e().powerOnCount),
              std::tuple(0.0, secondCount(12, 0, 0, 3, 6, 4), 0));
}

// What a pass ends with, and what it counted up to there.
TEST(EventLog, EventLinesAsTheLoggerWritesThemAndDamagedFiles) {
    struct Case { const char* what; std::string lines; Status code; double seconds; std::int32_t events_; } cases[] = {
        {"state and separator on later lines",
         "$Generator\r\n  Ein\r\n :\r\n 03.06.04 Do 11:00:00\r\n" + ev("Generator Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"words before state and separator",
         "$Getriebe Sensor 2 Ein jetzt : 03.06.04 Do 11:00:00\r\n" + ev("Getriebe Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"separator 'Aus:'", "$Generator Ein Aus: 03.06.04 Do 11:00:00\r\n" + ev("Generator Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"case-sensitive",
         "$generator Ein : 03.06.04 Do 11:00:00\r\n" + ev("Getriebe aus", "11:10:00") + ev("Getriebe Aus", "11:20:00"),
         kStatusNoEndMarker, 80 * kMin, 1},
        {"Start without colon", "$Start erkannt\r\n" + ev("Getriebe Aus", "11:00:00"), kStatusNoEndMarker,
         60 * kMin, 1},
        {"Reset without colon", "$Reset Zeit : 03.06.04 Do 12:00:00\r\n" + ev("Getriebe Aus", "11:00:00"),
         kStatusBadCharacter, 0, 0},
        {"text after the time", "$Getriebe Aus : 03.06.04 Do 11:00:00 Uhr\r\n" + ev("Getriebe Aus", "11:30:00"),
         kStatusBadCharacter, 60 * kMin, 1},
        {"letter at line start", ev("Getriebe Ein", "11:00:00") + ev("Getriebe Aus", "11:30:00") +
                                     "Generator Ein : 03.06.04 Do 12:00:00\r\n" + ev("Getriebe Aus", "13:00:00"),
         kStatusBadCharacter, 30 * kMin, 1},
        {"an empty logger line before an event", ev("Getriebe Ein", "11:00:00") + "$\r\n" + ev("Getriebe Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"end marker", ev("Getriebe Aus", "11:00:00") + "#\r\n" + ev("Getriebe Aus", "12:00:00"), kStatusOk,
         60 * kMin, 1},
        {"overlong word",
         "$Generator " + std::string(5000, 'x') + " Ein : 03.06.04 Do 11:00:00\r\n" + ev("Generator Aus", "11:10:00"),
         kStatusNoEndMarker, 10 * kMin, 1},
        {"cut after the date", ev("Getriebe Aus", "11:00:00") + "$Getriebe Aus : 03.06.04", kStatusNoEndMarker, 60 * kMin, 1},
        {"a lone CR stays white space", "$Getriebe Aus : 03.06.04 Do 11:00:00\r1\n", kStatusBadCharacter, 60 * kMin, 1},
    };
    for (const Case& c : cases) {
        const Outcome out = evaluateText(kYrdHeader + finishBlock(14, 0, 0, 3, 6, 4) + c.lines);
        EXPECT_EQ(std::tuple(out.codes.firstPass, out.codes.secondPass, out.e().engineTotalSeconds, out.e().eventCount),
                  std::tuple(c.code, c.code, c.seconds, c.events_)) << c.what;
    }
    std::string wrongKind = yrdFile({ev("Reset", "12:00:00")});
    wrongKind.replace(wrongKind.find("Yachtdaten"), 10, "Regattadat");
    const Outcome out = evaluateText(wrongKind);
    EXPECT_EQ(std::tuple(out.codes.firstPass, out.codes.secondPass, out.yacht.yachtName, out.e().durationText,
                         out.boxes.size()),
              std::tuple(kStatusWrongFileKind, kStatusWrongFileKind, "", "    0 min  0 sek", 0u));
    const Outcome bounded = evaluateText(kYrdHeader + "$Getriebe Aus : " + std::string(100, '1') + " Do " +
                                         std::string(80, '2') + "\r\n");
    EXPECT_EQ(bounded.e().dateText + bounded.e().timeText, std::string(31, '1') + std::string(31, '2'));
}

TEST(EventLog, AMissingFileEvaluatesAsEmptyAndLeavesTheHeaderRead) {
    TempDir dir;
    FakeShell shell;
    VirtualClock clock;
    YachtRecord yacht = evaluateText(yrdFile({ev("Getriebe Ein", "11:00:00"), ev("Getriebe Aus", "11:45:00")})).yacht;
    yacht.regattaFileName = "fehlt.yrd";
    const EvaluationCodes codes = evaluate(shell, yacht, regattaAt(), dir.programDir(), clock);
    EXPECT_EQ(std::tuple(codes.firstPass, codes.secondPass, yacht.evaluation.engineTotalSeconds, yacht.evaluation.eventCount,
                         yacht.evaluation.durationText, yacht.yachtName),
              std::tuple(kStatusNoEndMarker, kStatusNoEndMarker, 0.0, 0, "    0 min  0 sek", "Blue Star"));
}

TEST(SplitDateAndTime, PiecesGoToTheirComponentsMissingOnesKeepTheirValue) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"12.05.04", "13:45:10", "13:45:10 12.5.4"}, {"12.05", "13:45", "13:45:9 12.5.9"},
        {"1.2.3.4", "1:2:3:4", "1:2:3 1.2.3"},      {"ab.cd.ef", "x:y:z", "0:0:0 0.0.0"},
        {"12..04", "13::10", "13:0:10 12.0.4"}};
    for (const auto& [date, time, expected] : cases) {
        YachtRecord yacht;
        yacht.evaluation.components[kEventStart] = {9, 9, 9, 9, 9, 9};
        yacht.evaluation.dateText = date;
        yacht.evaluation.timeText = time;
        splitDateAndTime(yacht, kEventStart);
        const FinishTime& c = yacht.evaluation.components[kEventStart];
        EXPECT_EQ(std::to_string(c.hour) + ":" + std::to_string(c.minute) + ":" + std::to_string(c.second) + " " +
                      std::to_string(c.day) + "." + std::to_string(c.month) + "." + std::to_string(c.year),
                  expected);
        EXPECT_EQ(yacht.evaluation.components[kEventOn].day, 0);  // only its own slot
    }
}

} // namespace
} // namespace wg::test
