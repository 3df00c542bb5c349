#include <gtest/gtest.h>

#include "logger/typed_field.h"
#include "platform/command_ids.h"
#include "support/fake_shell.h"
#include "support/fake_view.h"

namespace wg {
namespace {

constexpr int kField = 1105;
constexpr int kReopen = 1021;

struct FieldCase {
    const char* typed;
    FieldKind kind;
    TypedFieldOutcome outcome;
    std::int32_t stored;  // what reaches the destination
};

class TypedFieldCases : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TypedFieldCases, StoresOrRefusesAndReopens) {
    const FieldCase& c = GetParam();
    test::FakeView view;
    test::FakeShell shell;
    RegattaRecord regatta;
    MessageText message;
    std::vector<std::string> shown;
    bool closedBeforeMessage = false;
    // The message is shown at once, by a dialog already closed and hidden;
    // only then is the reopening posted.
    shell.onCommand = [&](int id) {
        closedBeforeMessage = id == cmd::kShowMessage && view.closed() && !view.isVisible() &&
                              shell.commandsPosted.empty();
        shown.push_back(message.text());
    };
    TypedFieldContext context{view, shell, regatta, message, kReopen};
    view.texts[kField] = c.typed;
    std::vector<std::int32_t> stored;

    EXPECT_EQ(typedFieldLeft(context, kField, c.kind, [&](std::int32_t v) { stored.push_back(v); }),
              c.outcome)
        << c.typed;
    EXPECT_EQ(stored, std::vector<std::int32_t>{c.stored}) << c.typed;
    if (c.outcome == TypedFieldOutcome::Refused) {
        EXPECT_EQ(shown, std::vector<std::string>{rangeMessage(c.kind)}) << c.typed;
        EXPECT_TRUE(closedBeforeMessage) << c.typed;
        EXPECT_EQ(shell.commandsPosted, std::vector<int>{kReopen}) << c.typed;
        EXPECT_EQ(message.text(), "") << c.typed;
    } else {
        EXPECT_TRUE(shown.empty()) << c.typed;
        EXPECT_FALSE(view.closed()) << c.typed;
        EXPECT_TRUE(shell.commandsPosted.empty()) << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TypedField, TypedFieldCases,
    ::testing::Values(FieldCase{"7", FieldKind::Hour, TypedFieldOutcome::Accepted, 7},
                      FieldCase{"23", FieldKind::Hour, TypedFieldOutcome::Accepted, 23},
                      FieldCase{"24", FieldKind::Hour, TypedFieldOutcome::Refused, 0},
                      FieldCase{"59", FieldKind::Second, TypedFieldOutcome::Accepted, 59},
                      FieldCase{"60", FieldKind::Second, TypedFieldOutcome::Refused, 0},
                      FieldCase{"  -5", FieldKind::Minute, TypedFieldOutcome::Refused, 0},
                      FieldCase{"abc", FieldKind::Minute, TypedFieldOutcome::Accepted, 0},
                      FieldCase{"abc", FieldKind::Day, TypedFieldOutcome::Refused, 1},
                      FieldCase{"0", FieldKind::Day, TypedFieldOutcome::Refused, 1},
                      FieldCase{"32", FieldKind::Day, TypedFieldOutcome::Refused, 1},
                      FieldCase{"31", FieldKind::Day, TypedFieldOutcome::Accepted, 31},
                      FieldCase{"12xyz", FieldKind::Month, TypedFieldOutcome::Accepted, 12},
                      FieldCase{"13", FieldKind::Month, TypedFieldOutcome::Refused, 1},
                      FieldCase{"2", FieldKind::Year, TypedFieldOutcome::Refused, 3},
                      FieldCase{"03", FieldKind::Year, TypedFieldOutcome::Accepted, 3},
                      FieldCase{"2007", FieldKind::Year, TypedFieldOutcome::Refused, 3},
                      FieldCase{"99999999999", FieldKind::Year, TypedFieldOutcome::Refused, 3}));

TEST(TypedField, EmptyFieldChangesNothing) {
    test::FakeView view;
    test::FakeShell shell;
    RegattaRecord regatta;
    regatta.scratch.hour = 17;
    MessageText message;
    TypedFieldContext context{view, shell, regatta, message, kReopen};
    bool stored = false;
    EXPECT_EQ(typedFieldLeft(context, kField, FieldKind::Hour, [&](std::int32_t) { stored = true; }),
              TypedFieldOutcome::Empty);
    EXPECT_FALSE(stored);
    EXPECT_EQ(regatta.scratch.hour, 17);
    EXPECT_TRUE(shell.commandsRun.empty());
    EXPECT_FALSE(view.closed());
    EXPECT_TRUE(shell.commandsPosted.empty());
}

TEST(TypedField, TheTypedValueIsCheckedInTheDateTimeRecord) {
    test::FakeView view;
    test::FakeShell shell;
    RegattaRecord regatta;
    MessageText message;
    TypedFieldContext context{view, shell, regatta, message, kReopen};
    view.texts[kField] = "45";
    typedFieldLeft(context, kField, FieldKind::Minute, [](std::int32_t) {});
    EXPECT_EQ(regatta.scratch.minute, 45);
    view.texts[kField] = "40";
    typedFieldLeft(context, kField, FieldKind::Day, [](std::int32_t) {});
    EXPECT_EQ(regatta.scratch.day, 40);
    EXPECT_EQ(regatta.scratch.minute, 45);
}

} // namespace
} // namespace wg
