#include "logger/login.h"
#include "logger/port_name.h"
#include "support/logger_rig.h"

namespace wg::test {
namespace {

TEST(PortName, TakesComOneToComTwoHundredFiftySixInAnyCase) {
    struct Case { const char* what; const char* typed; const char* port; } cases[] = {
        {"the first port", "COM1", "COM1"},           {"lower case", "com4", "COM4"},
        {"mixed case", "Com12", "COM12"},             {"the highest port", "COM256", "COM256"},
        {"beyond the highest", "COM257", ""},         {"port zero", "COM0", ""},
        {"a leading zero", "COM04", ""},              {"no number", "COM", ""},
        {"a colon behind", "COM4:", ""},              {"a blank inside", "COM 4", ""},
        {"the device path", "\\\\.\\COM10", ""}, {"another device", "LPT1", ""},
        {"a letter for a digit", "COMX", ""},         {"far too long", "COM1000000000000", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(portName(c.typed).value_or(""), c.port) << c.what;
    EXPECT_EQ(sortedPorts({"COM10", "COM2", "\\Device\\Serial0", "COM2", "com1"}),
              (std::vector<std::string>{"COM1", "COM2", "COM10"}));
}

// The message names the port in use, the PC's ports and how to start with another; nothing is sent or waited for.
TEST(PortFailure, NamesThePortListsThePortsOfThePcAndComesAtOnce) {
    const std::string help = "kann nicht geöffnet werden. Bitte prüfen, ob der ERLG angeschlossen und die "
                             "Schnittstelle vorhanden und nicht von einem anderen Programm belegt ist.\n\n";
    struct Case { const char* what; const char* port; std::vector<std::string> present; bool heldElsewhere;
                  std::string shown; } cases[] = {
        {"other ports, numbers in order", "COM1", {"COM12", "COM3"}, false,
         "Schnittstelle COM1 " + help + "Serielle Schnittstellen dieses PCs: COM3, COM12.\n"
         "Wakeguard mit einer davon starten, zum Beispiel \"Wakeguard.exe COM12\" im Feld \"Ziel\" der Verknüpfung."},
        {"the port in use held by another program", "COM9", {"COM9", "COM2"}, true,
         "Schnittstelle COM9 " + help + "Serielle Schnittstellen dieses PCs: COM2, COM9.\n"
         "Wakeguard mit einer davon starten, zum Beispiel \"Wakeguard.exe COM2\" im Feld \"Ziel\" der Verknüpfung."},
        {"no port at all", "COM4", {}, false,
         "Schnittstelle COM4 " + help + "Dieser PC meldet keine serielle Schnittstelle. Ist der USB-Seriell-Adapter "
         "eingesteckt?\nWakeguard mit der Schnittstelle des Adapters starten, zum Beispiel \"Wakeguard.exe COM4\" "
         "im Feld \"Ziel\" der Verknüpfung."},
    };
    for (const Case& c : cases) {
        LoggerRig r;
        r.context.port = c.port;
        r.ports.portNames = c.present;
        r.ports.held = c.heldElsewhere;
        loginExchange(r.context, PasswordKind::Master, "MASTER");
        EXPECT_EQ(std::tuple(r.shown(), r.wire() + std::to_string(r.clock.nowMs()), r.ports.opens.at(0).name),
                  std::tuple(Texts{c.shown}, "0", c.port)) << c.what;
    }
    std::vector<std::string> many;
    for (int i = 1; i <= 40; ++i) many.push_back("COM" + std::to_string(i));
    EXPECT_LT(portFailureText("COM50", many).size(), 600u);
    EXPECT_NE(portFailureText("COM50", many).find("COM16 und 24 weitere.\n"), std::string::npos);
    many.resize(16);  // all of them, when they fit
    EXPECT_NE(portFailureText("COM50", many).find("COM16.\n"), std::string::npos);
}

} // namespace
} // namespace wg::test
