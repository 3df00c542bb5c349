#include <gtest/gtest.h>

#include "files/kv_scanner.h"
#include "support/fakes.h"

namespace wg::test {
namespace {

// A small record with one key of each kind.
struct Sample {
    std::int32_t number = -1, other = -1;
    std::string word = "-", name = "-";
    std::vector<KeyEntry> keys() {
        return {integerKey("Zahl", number), integerKey("Andere", other), textKey("Wort", word, 8),
                continuedTextKey("Name", name, 63)};
    }
    std::string values() const { return std::to_string(number) + " " + std::to_string(other) + " " + word + " " + name; }
};

const ReaderParams kNoEof{10, false, kStatusCannotOpen, false, nullptr, nullptr};

TEST(EntryScanner, ReadsAsTheFormatSays) {
    struct Case { std::string bytes; Status status; std::string values; /* number, other, word, name */ } cases[] = {
        {"  \r\n#", kStatusOk, "-1 -1 - -"}, {"$Zahl      1\r\n#", kStatusOk, "1 -1 - -"},
        {"#\n$Zahl 5\nxyz", kStatusOk, "-1 -1 - -"},  // nothing after the end marker is read
        {"$Fremd 1 2\n$Zahl 3\n/ a comment 99\n$Andere 4\n#", kStatusOk, "3 4 - -"},
        {"$Zahl 12abc\n$Andere abc\n#", kStatusOk, "12 0 - -"}, {"$Zahl -42\n#", kStatusOk, "-42 -1 - -"},
        {"$Zahl 99999999999\n#", kStatusOk, "2147483647 -1 - -"}, {"$Zahl 1\n$Zahl 2\n$zahl 3\n#", kStatusOk, "2 -1 - -"},
        {"$Zahl 1\nZahl 2\n$Andere 3\n#", kStatusBadCharacter, "1 -1 - -"}, {"$\n  Zahl\n 7\n#", kStatusOk, "7 -1 - -"},
        {"$Zahl\n$Andere 5\n#", kStatusBadCharacter, "0 -1 - -"},  // a missing value takes the next key
        {"$Wort abcdefghijk\n#", kStatusOk, "-1 -1 abcdefgh -"},
        {"$Name Blue   Star One\n$Zahl 1\n#", kStatusOk, "1 -1 - Blue Star One"},
        {"$Name Blue\tStar\n#", kStatusBadCharacter, "-1 -1 - Blue"}, {"$Wort a b\n#", kStatusBadCharacter, "-1 -1 a -"},
        {"$Name Blue \n$Zahl 4\n#", kStatusOk, "-1 -1 - Blue $Zahl 4"}, {"$Zahl 1\n\x1a", kStatusBadCharacter, "1 -1 - -"},
        // A skipped line ends after 131 characters; the rest is scanned on.
        {"$Fremd " + std::string(129, 'x') + "\n$Zahl 1\n#", kStatusOk, "1 -1 - -"},
        {"$Fremd " + std::string(140, 'x') + "\n$Zahl 1\n#", kStatusBadCharacter, "-1 -1 - -"},
        {"/" + std::string(131, '-') + "#", kStatusOk, "-1 -1 - -"},
        {"$Name " + std::string(5000, 'a') + "\n#", kStatusBadCharacter, "-1 -1 - " + std::string(63, 'a')},
    };
    for (const Case& c : cases) {
        Sample sample;
        VirtualClock clock;
        const Status status = scanBytes(c.bytes, kNoEof, sample.keys(), clock);
        EXPECT_EQ(std::tuple(status, sample.values()), std::tuple(c.status, c.values)) << c.bytes;
    }
}

TEST(EntryScanner, FileKindsDifferInTheirEndTheirIdentificationAndTheirLineEnds) {
    struct Case { ReaderParams params; std::string bytes; Status status; const char* values; std::int64_t ms; } cases[] = {
        // Without the end-of-file test a reader waits out its time limit.
        {kNoEof, "", kStatusNoEndMarker, "-1 -1 - -", 10000},
        {kNoEof, "$Zahl 5\n$", kStatusNoEndMarker, "5 -1 - -", 10000},
        {reader::yachtMaster, "$Zahl 5\n", kStatusNoEndMarker, "5 -1 - -", 0},
        {reader::yachtMaster, "$Dateikennung Yachtdaten\n$Zahl 2\n#", kStatusOk, "2 -1 - -", 0},
        {reader::yachtMaster, "$Zahl 2\n$Dateikennung Regattastammdaten\n$Andere 3\n", kStatusWrongFileKind,
         "2 -1 - -", 0},
        // Text mode reads CR LF as LF: the CR does not count towards a skipped line.
        {reader::yachtRegattaEvaluation, "$Fremd " + std::string(129, 'x') + "\r\n$Zahl 1\r\n", kStatusNoEndMarker,
         "1 -1 - -", 0},
    };
    for (const Case& c : cases) {
        Sample sample;
        VirtualClock clock;
        clock.advance(86400000);  // a program's clock has run for a while
        const Status status = scanBytes(c.bytes, c.params, sample.keys(), clock);
        EXPECT_EQ(std::tuple(status, sample.values(), clock.nowMs() - 86400000), std::tuple(c.status, c.values, c.ms))
            << c.bytes;
    }
}

} // namespace
} // namespace wg::test
