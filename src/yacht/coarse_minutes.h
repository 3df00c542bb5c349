#pragma once
#include <cstdint>
#include <string>

#include "files/yacht_record.h"
#include "logger/exchange.h"

namespace wg {

// The logger's rough total up to the regatta end from its reply to "T": the
// number two characters after the last colon. A piece of at most 9
// characters is taken from there (only from the first 256 characters of the
// reply, ending after a line feed), its last four characters (" min" less
// the blank, or the line end) are dropped and the leading number of the rest
// counts. No colon, or a piece of four characters or fewer, gives 0.
std::int32_t extractCoarseMinutes(const std::string& reply);

// Asks the logger with "T" and stores its coarse minutes in the record.
// False when the port cannot be opened or the logger does not echo; the user
// has been told and the record is unchanged.
bool coarseMinutesQuery(LoggerContext& context, YachtRecord& yacht);

} // namespace wg
