#pragma once
#include <string>

#include "files/yacht_record.h"
#include "logger/exchange.h"

namespace wg {

// Results of the identification query.
inline constexpr int kIdentified = 0;
inline constexpr int kIdentificationPasswordRequired = 132;
// The port could not be opened or the logger did not echo: the user has
// been told, and the caller stops as it does for a missing password.
inline constexpr int kIdentificationFailed = 5;

// The serial number and the yacht ID as the logger's reply to "D" gives
// them: at most 6 characters from the second character after the first
// colon (only from the reply's first 20 characters), and at most 6 from the
// second character after the last colon (only from its first 50). Both end
// at a line end. A reply without a colon gives two empty texts.
struct Identification {
    std::string serialNumber;
    std::string yachtId;
};
Identification extractIdentification(const std::string& reply);

// Asks the logger who it is with "D". Fills the yacht record's serial number
// and yacht ID and returns kIdentified, or shows the "Passwortfehler" box and
// returns kIdentificationPasswordRequired, leaving the record alone, when
// the logger demands its master password.
int identificationQuery(LoggerContext& context, YachtRecord& yacht);

} // namespace wg
