#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "files/status.h"
#include "platform/clock.h"

namespace wg {

// The logger's coarse minutes (its own rough total of event time up to the
// regatta end) reach the program only during the readout, and the yacht
// regatta data file has no place for them. "<name>.yrd.grobminuten" beside
// it keeps them: one entry "$Grobminuten" at the yacht files' value column.

inline constexpr const char* kCoarseMinutesSuffix = ".grobminuten";

// The file's bytes.
std::string coarseMinutesBytes(std::int32_t minutes);

// The coarse minutes kept beside `directory` + `fileName`; nothing when
// there is no such file (a readout from before they were kept), or it
// cannot be read to its end or lacks the entry.
std::optional<std::int32_t> readCoarseMinutes(const std::string& directory, const std::string& fileName,
                                              Clock& clock);

} // namespace wg
