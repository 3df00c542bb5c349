#include "logger/erase.h"

#include "logger_fixture.h"
#include "resources/resource_ids.h"
#include "scripted_port.h"
#include "support/fake_view.h"

namespace wg {
namespace {

const std::string kRunning = std::string(kEraseWarningText) + kEraseRunningText;
const std::string kWithSize = std::string(kEraseRunningText) + "  EEProm Size = 8192";

class EraseTest : public test::LoggerTest {
protected:
    // Every text the text area showed, in order.
    std::vector<std::string> erase(LoggerContext& on) {
        std::vector<std::string> texts;
        EraseProgress progress{[&](const std::string& text) { texts.push_back(text); }, [&] { ++repaints; }};
        erased = eraseLogger(on, progress);
        return texts;
    }
    bool erased = false;
    int repaints = 0;
};

TEST_F(EraseTest, ShowsTheSizeLineAndEndsOnTheConfirmation) {
    behaviour().eraseMs = 7000;
    logger().events = {"Start : 14.06.08 Sa 09:00:00"};
    const std::vector<std::string> texts = erase(context);
    EXPECT_TRUE(erased);
    EXPECT_EQ(texts, (std::vector<std::string>{kRunning, kWithSize, kErasedText}));
    EXPECT_EQ(wire(), "C\r");
    EXPECT_TRUE(logger().events.empty());
    // Drain, the logger's seven seconds, one second for the rest of the line.
    EXPECT_GE(clock.nowMs(), 9000);
    EXPECT_LE(clock.nowMs(), 12000);
    EXPECT_GT(repaints, 2);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(message.text(), "");
}

struct Unconfirmed {
    const char* what;
    sim::Fault fault;
    std::size_t sendLimit;
    std::int64_t fromMs, toMs;
};

class EraseUnconfirmed : public EraseTest, public ::testing::WithParamInterface<Unconfirmed> {};

TEST_P(EraseUnconfirmed, EndsInTheRecoveryAndIsNotClaimed) {
    const Unconfirmed& c = GetParam();
    behaviour().fault = c.fault;
    behaviour().sendLimit = c.sendLimit;
    const std::vector<std::string> texts = erase(context);
    EXPECT_FALSE(erased);
    EXPECT_EQ(texts, (std::vector<std::string>{kRunning, kEraseWarningText}));
    EXPECT_EQ(shown, shownOnly(kEraseUnconfirmedText));
    EXPECT_EQ(wire(), "C\rT\r");
    EXPECT_GE(clock.nowMs(), c.fromMs);
    EXPECT_LE(clock.nowMs(), c.toMs);
    // The window kept repainting through the watch.
    EXPECT_GE(repaints, (c.fromMs - 2000) / 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Loggers, EraseUnconfirmed,
    ::testing::Values(
        // The echoes of C and CR, then nothing: the whole watch.
        Unconfirmed{"silent", sim::Fault::None, 2, 2000 + kEraseWatchSeconds * 1000,
                    2000 + kEraseWatchSeconds * 1000 + 4000},
        // "Falsches Kommando", without a line feed before it, ends the watch at once.
        Unconfirmed{"refusing", sim::Fault::WrongCommand, 0, 0, 6000}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(EraseTest, LoggerThatDoesNotEchoIsNotReportedErased) {
    behaviour().fault = sim::Fault::Silent;
    const std::vector<std::string> texts = erase(context);
    EXPECT_FALSE(erased);
    EXPECT_EQ(texts, (std::vector<std::string>{kRunning, kEraseWarningText}));
    EXPECT_EQ(shown, shownOnly(kCommandFailedText));
    EXPECT_LE(clock.nowMs(), 8000);
}

TEST_F(EraseTest, OnlyTheExactSizeLineIsShown) {
    struct Case {
        std::string sizeLine;
        bool shown;
    } cases[] = {
        {"EEProm Size = 8192\r\n", true},
        {"EEProm Size = 8192\n", true},
        {"EEProm Size = 4096\r\n", false},
        {"EEProm Size = 81920\r\n", false},
        {" EEProm Size = 8192\r\n", false},
        {"EEProm Size = 819\r\n", false},
    };
    for (const Case& c : cases) {
        test::VirtualClock scriptClock;
        test::ScriptedPorts ports(scriptClock);
        ports.answers["C"] = {{50, "\n" + c.sizeLine}, {3000, "EEProm geloescht\r\nRest"}};
        test::FakeShell scriptShell;
        MessageText scriptMessage;
        LoggerContext scripted{ports, scriptClock, scriptMessage, scriptShell};
        const std::vector<std::string> texts = erase(scripted);
        const std::vector<std::string> expected =
            c.shown ? std::vector<std::string>{kRunning, kWithSize, kErasedText}
                    : std::vector<std::string>{kRunning, kErasedText};
        EXPECT_EQ(texts, expected) << c.sizeLine;
        // The confirmation ended the watch, not the 120 seconds.
        EXPECT_LT(scriptClock.nowMs(), 10000) << c.sizeLine;
    }
}

TEST_F(EraseTest, DialogWarnsFirstAndLeavingSendsNothing) {
    EraseDialog dialog(context);
    test::FakeView view;
    dialog.opened(view);
    EXPECT_EQ(view.texts[IDC_ERASE_TEXT], kEraseWarningText);
    dialog.clicked(view, button::kCancel);
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(wire(), "");
}

TEST_F(EraseTest, DialogStaysOpenAndCanEraseAgain) {
    behaviour().eraseMs = 1000;
    EraseDialog dialog(context);
    test::FakeView view;
    dialog.opened(view);
    dialog.clicked(view, IDC_ERASE_RUN);
    EXPECT_EQ(view.texts[IDC_ERASE_TEXT], kErasedText);
    EXPECT_FALSE(view.closed());
    EXPECT_GT(view.repaints, 0);
    dialog.clicked(view, IDC_ERASE_RUN);
    EXPECT_EQ(wire(), "C\rC\r");
    EXPECT_EQ(view.texts[IDC_ERASE_TEXT], kErasedText);
}

TEST(EraseQuestion, AsksWithYesAndNo) {
    const BoxRequest box = eraseQuestion();
    EXPECT_EQ(box.caption, "Warnung");
    EXPECT_EQ(box.text, "Wirklich alle Daten im ERLG löschen?\n Sind Sie sich sicher?");
    EXPECT_EQ(box.buttons, BoxButtons::YesNo);
    EXPECT_EQ(box.icon, BoxIcon::Error);
}

} // namespace
} // namespace wg
