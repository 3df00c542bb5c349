#include "logger/identification.h"
#include "logger_fixture.h"

namespace wg {
namespace {

using IdentificationTest = test::LoggerTest;

TEST_F(IdentificationTest, LoggerThatIsLoggedInFillsSerialNumberAndYachtId) {
    logger().loggedIn = true;
    logger().serialNumber = "100234";
    logger().yachtId = "GER12";
    YachtRecord yacht;
    yacht.serialNumber = "old";
    yacht.yachtId = "old";
    EXPECT_EQ(identificationQuery(context, yacht), kIdentified);
    EXPECT_EQ(wire(), "D\r");
    EXPECT_EQ(yacht.serialNumber, "100234");
    EXPECT_EQ(yacht.yachtId, "GER12");
    EXPECT_TRUE(shown.empty());
}

TEST_F(IdentificationTest, PasswordDemandShowsTheBoxAndLeavesTheRecordAlone) {
    YachtRecord yacht;
    yacht.serialNumber = "111111";
    yacht.yachtId = "SUI1";
    EXPECT_EQ(identificationQuery(context, yacht), kIdentificationPasswordRequired);
    EXPECT_EQ(yacht.serialNumber, "111111");
    EXPECT_EQ(yacht.yachtId, "SUI1");
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].caption, "Passwortfehler");
    EXPECT_EQ(shell.boxes[0].text, "Master-Passwort fehlt!\nzuerst Master - Passwort eingeben.");
    EXPECT_EQ(shell.boxes[0].icon, BoxIcon::Error);
    EXPECT_TRUE(shell.boxes[0].topmost);
}

TEST_F(IdentificationTest, SilentLoggerEndsInTheRecoveryWithinItsBound) {
    behaviour().fault = sim::Fault::Silent;
    YachtRecord yacht;
    yacht.serialNumber = "111111";
    EXPECT_EQ(identificationQuery(context, yacht), kIdentificationFailed);
    EXPECT_EQ(shown, shownOnly(kCommandFailedText));
    EXPECT_EQ(wire(), "DDDT\r");
    EXPECT_EQ(yacht.serialNumber, "111111");
    EXPECT_LE(clock.nowMs(), 8000);
}

TEST_F(IdentificationTest, RefusedQueryIsAFailureAndLeavesTheRecordAlone) {
    logger().loggedIn = true;
    behaviour().fault = sim::Fault::WrongCommand;
    YachtRecord yacht;
    yacht.serialNumber = "111111";
    yacht.yachtId = "SUI1";
    EXPECT_EQ(identificationQuery(context, yacht), kIdentificationFailed);
    EXPECT_EQ(shown, shownOnly(kCommandFailedText));
    EXPECT_EQ(yacht.serialNumber, "111111");
    EXPECT_EQ(yacht.yachtId, "SUI1");
}

TEST_F(IdentificationTest, PortThatCannotBeOpenedIsNamed) {
    ports.portNames.clear();
    YachtRecord yacht;
    EXPECT_EQ(identificationQuery(context, yacht), kIdentificationFailed);
    EXPECT_EQ(shown, shownOnly(portFailureText("COM1")));
    EXPECT_EQ(clock.nowMs(), 0);
}

TEST(IdentificationReply, SerialNumberAndYachtIdComeFromTheFirstAndLastColon) {
    struct Case {
        std::string reply, serial, yachtId;
    } cases[] = {
        {"ERLG: 123456\r\nYacht: ABC\r\n", "123456", "ABC"},
        {"SN: 1234567890\r\nID: ABCDEFGHI\r\n", "123456", "ABCDEF"},
        // A single colon fills both from the same place.
        {"Nr: 42AB\r", "42AB", "42AB"},
        {"no colon at all", "", ""},
        {"", "", ""},
        {"x:", "", ""},
        {"x: ", "", ""},
        // The serial number comes only from the first 20 characters.
        {"Seriennummern: 123456 Yacht: Q\r", "12345", "Q"},
        {"ERLG01 Seriennummer: 123456\r\n", "", "123456"},
        // The yacht ID comes only from the first 50 characters.
        {std::string(44, '.') + ": ABCDEFGH", "", "ABCD"},
        // The reply is a text: a zero byte ends it.
        {std::string("A: 1\0" "2: Z", 9), "1", "1"},
    };
    for (const Case& c : cases) {
        const Identification id = extractIdentification(c.reply);
        EXPECT_EQ(id.serialNumber, c.serial) << c.reply;
        EXPECT_EQ(id.yachtId, c.yachtId) << c.reply;
    }
}

TEST(IdentificationReply, AnyReplyGivesBoundedTexts) {
    std::string reply;
    for (int i = 0; i < 1200; ++i) {
        reply += static_cast<char>(i * 37 % 256);
        const Identification id = extractIdentification(reply);
        EXPECT_LE(id.serialNumber.size(), 6u);
        EXPECT_LE(id.yachtId.size(), 6u);
    }
}

} // namespace
} // namespace wg
