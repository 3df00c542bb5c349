#pragma once
#include <string>

#include "files/regatta_record.h"
#include "files/status.h"
#include "platform/clock.h"

namespace wg {

// Reads the .rsd file at the record's path. The regatta file name becomes
// the path's base name first, also when the read then fails. Keys the file
// lacks keep their values; a designation longer than its field is cut.
// Returns 0, 'f', 'h', 'n' or 'p'.
Status readRegattaData(RegattaRecord& record, Clock& clock);

// Writes the record as `directory` + `fileName` (extension included), as a
// complete new file that replaces an old one; an empty designation leaves its
// entry out. Returns 0, or 'o' with nothing written when the file cannot be
// written or the name is not a safe file name.
Status writeRegattaData(const RegattaRecord& record, const std::string& fileName,
                        const std::string& directory);

} // namespace wg
