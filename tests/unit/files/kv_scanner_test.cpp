#include <gtest/gtest.h>

#include "files/kv_scanner.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

// A small record with one key of each kind, read with a chosen file kind.
struct Sample {
    std::int32_t number = -1;
    std::int32_t other = -1;
    std::string word = "unset";
    std::string name = "unset";

    std::vector<KeyEntry> keys() {
        return {integerKey("Zahl", number), integerKey("Andere", other), textKey("Wort", word, 8),
                continuedTextKey("Name", name, 63)};
    }
};

const ReaderParams kNoEof{10, false, kStatusCannotOpen, false, nullptr, nullptr};
const ReaderParams kWithEof{10, true, kStatusCannotOpen, false, nullptr, nullptr};

struct Case {
    const char* what;
    std::string bytes;
    Status status;
    std::int32_t number;
    std::int32_t other;
    const char* word;
    const char* name;
};

class ScannerCases : public ::testing::TestWithParam<Case> {};

TEST_P(ScannerCases, ReadsAsTheFormatSays) {
    const Case& c = GetParam();
    Sample sample;
    test::VirtualClock clock;
    EXPECT_EQ(scanBytes(c.bytes, kNoEof, sample.keys(), clock), c.status) << c.what;
    EXPECT_EQ(sample.number, c.number) << c.what;
    EXPECT_EQ(sample.other, c.other) << c.what;
    EXPECT_EQ(sample.word, c.word) << c.what;
    EXPECT_EQ(sample.name, c.name) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    EntryScanner, ScannerCases,
    ::testing::Values(
        Case{"only the end marker", "  \r\n#", kStatusOk, -1, -1, "unset", "unset"},
        Case{"CR LF line ends", "$Zahl      1\r\n#", kStatusOk, 1, -1, "unset", "unset"},
        Case{"LF line ends", "$Zahl      1\n#", kStatusOk, 1, -1, "unset", "unset"},
        Case{"nothing after the end marker is read", "#\n$Zahl 5\nxyz", kStatusOk, -1, -1, "unset", "unset"},
        Case{"unknown key and its numbers skipped", "$Fremd 1 2\n$Zahl 3\n#", kStatusOk, 3, -1, "unset", "unset"},
        Case{"comment between entries", "$Zahl 3\n/ a comment 99\n$Andere 4\n#", kStatusOk, 3, 4, "unset", "unset"},
        Case{"digits then letters", "$Zahl 12abc\n#", kStatusOk, 12, -1, "unset", "unset"},
        Case{"letters only", "$Zahl abc\n#", kStatusOk, 0, -1, "unset", "unset"},
        Case{"negative number", "$Zahl -42\n#", kStatusOk, -42, -1, "unset", "unset"},
        Case{"number beyond 32 bits is held", "$Zahl 99999999999\n#", kStatusOk, 2147483647, -1, "unset", "unset"},
        Case{"key given twice", "$Zahl 1\n$Zahl 2\n#", kStatusOk, 2, -1, "unset", "unset"},
        Case{"letter at line start", "$Zahl 1\nZahl 2\n$Andere 3\n#", kStatusBadCharacter, 1, -1, "unset", "unset"},
        Case{"dollar apart from its key", "$\n  Zahl\n 7\n#", kStatusOk, 7, -1, "unset", "unset"},
        Case{"missing value takes the next key", "$Zahl\n$Andere 5\n#", kStatusBadCharacter, 0, -1, "unset", "unset"},
        Case{"keys are case-sensitive", "$zahl 5\n#", kStatusOk, -1, -1, "unset", "unset"},
        Case{"text cut to its field", "$Wort abcdefghijk\n#", kStatusOk, -1, -1, "abcdefgh", "unset"},
        Case{"continued text, three words", "$Name Blue Star One\n$Zahl 1\n#", kStatusOk, 1, -1, "unset", "Blue Star One"},
        Case{"continued text, run of blanks", "$Name Blue   Star\n#", kStatusOk, -1, -1, "unset", "Blue Star"},
        Case{"tab does not continue", "$Name Blue\tStar\n#", kStatusBadCharacter, -1, -1, "unset", "Blue"},
        Case{"plain text does not continue", "$Wort a b\n#", kStatusBadCharacter, -1, -1, "a", "unset"},
        Case{"blank at line end continues into the next key",
             "$Name Blue \n$Zahl 4\n#", kStatusOk, -1, -1, "unset", "Blue $Zahl 4"},
        Case{"a byte outside the format", "$Zahl 1\n\x1a", kStatusBadCharacter, 1, -1, "unset", "unset"}));

TEST(EntryScanner, UnknownKeyLineLongerThanTheSkipIsScannedOn) {
    Sample sample;
    test::VirtualClock clock;
    // 131 characters are skipped; what is left of the line is scanned.
    std::string line = "$Fremd " + std::string(140, 'x') + "\n$Zahl 1\n#";
    EXPECT_EQ(scanBytes(line, kNoEof, sample.keys(), clock), kStatusBadCharacter);
    std::string fits = "$Fremd " + std::string(129, 'x') + "\n$Zahl 1\n#";
    EXPECT_EQ(scanBytes(fits, kNoEof, sample.keys(), clock), kStatusOk);
    EXPECT_EQ(sample.number, 1);
}

TEST(EntryScanner, OverlongWordIsCutNeverOverflows) {
    Sample sample;
    test::VirtualClock clock;
    std::string bytes = "$Name " + std::string(5000, 'a') + "\n#";
    EXPECT_EQ(scanBytes(bytes, kNoEof, sample.keys(), clock), kStatusBadCharacter);
    EXPECT_EQ(sample.name, std::string(63, 'a'));
}

TEST(EntryScanner, WithoutEndMarkerWaitsOutTheTimeLimit) {
    for (const std::string& bytes : {std::string(""), std::string("$Zahl 5\n"), std::string("$Zahl 5\n$")}) {
        Sample sample;
        test::VirtualClock clock;
        EXPECT_EQ(scanBytes(bytes, kNoEof, sample.keys(), clock), kStatusNoEndMarker);
        EXPECT_GE(clock.nowMs(), 10000) << "returned before the limit for: " << bytes;
    }
}

TEST(EntryScanner, EndOfFileTestEndsAtOnce) {
    Sample sample;
    test::VirtualClock clock;
    EXPECT_EQ(scanBytes("$Zahl 5\n", kWithEof, sample.keys(), clock), kStatusNoEndMarker);
    EXPECT_EQ(sample.number, 5);
    EXPECT_EQ(clock.nowMs(), 0);
}

TEST(EntryScanner, IdentificationEntry) {
    const ReaderParams params{10, true, kStatusCannotOpen, false, "Dateikennung", "Yachtdaten"};
    test::VirtualClock clock;
    Sample right;
    EXPECT_EQ(scanBytes("$Dateikennung Yachtdaten\n$Zahl 2\n", params, right.keys(), clock), kStatusNoEndMarker);
    EXPECT_EQ(right.number, 2);
    Sample wrong;
    EXPECT_EQ(scanBytes("$Zahl 2\n$Dateikennung Regattastammdaten\n$Andere 3\n", params, wrong.keys(), clock),
              kStatusWrongFileKind);
    EXPECT_EQ(wrong.number, 2);
    EXPECT_EQ(wrong.other, -1);
}

TEST(EntryScanner, TextModeDropsCarriageReturnsBeforeLineEnds) {
    // A skipped line counts its characters without the CR in text mode.
    const ReaderParams text{10, true, kStatusNoEndMarker, true, nullptr, nullptr};
    Sample sample;
    test::VirtualClock clock;
    std::string line = "$Fremd " + std::string(129, 'x') + "\r\n$Zahl 1\r\n";
    EXPECT_EQ(scanBytes(line, text, sample.keys(), clock), kStatusNoEndMarker);
    EXPECT_EQ(sample.number, 1);
}

TEST(EntryScanner, MissingFileGivesTheKindsOpenFailure) {
    Sample sample;
    test::VirtualClock clock;
    EXPECT_EQ(scanFile("no\\such\\dir\\file.rsd", reader::regatta, sample.keys(), clock), kStatusCannotOpen);
    EXPECT_EQ(scanFile("no\\such\\dir\\file.yrd", reader::yachtRegattaEvaluation, sample.keys(), clock),
              kStatusNoEndMarker);
}

} // namespace
} // namespace wg
