#include <gtest/gtest.h>

#include "files/kv_scanner.h"
#include "support/virtual_clock.h"

namespace wg {
namespace {

const ReaderParams kWithEof{10, true, kStatusCannotOpen, false, nullptr, nullptr};

struct HookCase {
    const char* what;
    std::string bytes;
    Status status;
    std::vector<std::string> seen;  // keys and the words the handler took
    std::int32_t number;
};

TEST(EntryScannerOtherKeys, HandlerTakesWordsOrLetsTheLineBeSkipped) {
    const HookCase cases[] = {
        {"handled key: scanning goes on after its words", "$Ev a b\n$Zahl 4\n", kStatusNoEndMarker,
         {"Ev", "a", "b"}, 4},
        {"words across lines", "$Ev\n a\n\n b $Zahl 5\n", kStatusNoEndMarker, {"Ev", "a", "b"}, 5},
        {"what follows its words is scanned as characters", "$Ev a b c\n$Zahl 4\n", kStatusBadCharacter,
         {"Ev", "a", "b"}, -1},
        {"declined key: the line is skipped", "$Fremd a b c\n$Zahl 6\n", kStatusNoEndMarker, {"Fremd"}, 6},
        {"file ends inside its words", "$Ev a", kStatusNoEndMarker, {"Ev", "a", ""}, -1},
        {"keys in the table never reach it", "$Zahl 7\n", kStatusNoEndMarker, {}, 7},
    };
    for (const HookCase& c : cases) {
        std::int32_t number = -1;
        std::vector<std::string> seen;
        const OtherKeyHandler handler = [&seen](std::string_view key, WordReader& words) {
            seen.emplace_back(key);
            if (key != "Ev") return false;
            seen.emplace_back(words.word());
            seen.emplace_back(words.word());
            return true;
        };
        test::VirtualClock clock;
        EXPECT_EQ(scanBytes(c.bytes, kWithEof, {integerKey("Zahl", number)}, clock, handler), c.status) << c.what;
        EXPECT_EQ(seen, c.seen) << c.what;
        EXPECT_EQ(number, c.number) << c.what;
    }
}

TEST(EntryScannerOtherKeys, TimeLimitCountsSkippedLines) {
    // Each reading of this clock finds a further 10 s gone.
    class StepClock final : public Clock {
    public:
        std::int64_t nowMs() override { return 10000 * std::int64_t(reads_++); }
        void pauseMs(std::int64_t) override {}

    private:
        int reads_ = 0;
    } clock;
    std::string bytes;
    while (bytes.size() < 20000) bytes += "/ a comment line of some length\n";
    std::int32_t number = -1;
    EXPECT_EQ(scanBytes(bytes + "$Zahl 1\n", kWithEof, {integerKey("Zahl", number)}, clock), kStatusNoEndMarker);
    EXPECT_EQ(number, -1);
}

} // namespace
} // namespace wg
