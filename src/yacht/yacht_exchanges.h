#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "files/yacht_record.h"
#include "logger/exchange.h"

namespace wg {

inline constexpr const char* kYachtWrongPasswordText = "Falsches Master- oder User-Paßwort eingegeben!";
inline constexpr const char* kModeChangedText = "Betriebsart geändert.";
inline constexpr const char* kModeNotChangedText = "Fehler bei Betriebsartwechsel.";
inline constexpr const char* kNoYachtIdText = " Keine Yacht-ID eingegeben, Vorgang abgebrochen.";
inline constexpr const char* kYachtIdChangedText = " Yacht-ID geaendert ";
inline constexpr const char* kYachtFileSavedText = " Daten in Datei gespeichert";
inline constexpr std::size_t kConfigurationInfoLimit = 1023;

// The operating mode in a reply to "F": the character two places after the
// first colon as a decimal digit; a non-digit, or a reply too short or
// without a colon, gives 0.
std::int32_t modeInReply(const std::string& reply);

// Asks the logger for its operating mode with "F" (no drain first). Empty
// when the port could not be opened or the logger did not echo; the user
// has been told then.
std::optional<std::int32_t> modeQuery(LoggerContext& context);

// Logs in with the master password as the yacht configuration does: "X"
// and CR, the password and CR, and the logger's verdict. Returns the text
// for the dialog's password output field; empty when the outcome went to the
// message dialog instead (no password, port not opened).
std::string yachtMasterLogin(LoggerContext& context, const std::string& password);

// What the transfer leaves for the dialog: the configuration info text and
// the password output text, each only when it is to be shown.
struct YachtTransferOutcome {
    std::optional<std::string> info;
    std::optional<std::string> passwordOutput;
};

// Sends the operating mode and the yacht ID to the logger and writes the
// yacht master data file into `directory`: mode command, then (for a yacht
// ID that is neither empty nor one blank) "D0" and the yacht ID, then the
// file. A logger that demands its password for the mode gets the
// "Passwortfehler" box and nothing more; one that refuses "D0", stops
// echoing or falls silent ends in the recovery command.
YachtTransferOutcome yachtTransfer(LoggerContext& context, const YachtRecord& yacht,
                                   const std::string& directory);

// The mode command and the yacht ID each on a link of their own, with the
// same bytes and waits as in the transfer; the outcome goes through
// report(): kModeNotChangedText or kCommandFailedText on failure. A logger
// that demands its password for the mode gets the "Passwortfehler" box.
Verdict modeExchange(LoggerContext& context, std::int32_t mode);
Verdict yachtIdExchange(LoggerContext& context, const std::string& yachtId);

} // namespace wg
