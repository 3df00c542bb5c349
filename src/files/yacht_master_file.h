#pragma once
#include <string>

#include "files/status.h"
#include "files/yacht_record.h"
#include "platform/clock.h"

namespace wg {

// Writes the six header lines as `directory` + the record's yacht master data
// file name, as a complete new file. 0, or 'o' with nothing written (the
// file cannot be written, or the name is not a safe file name).
Status writeYachtMasterData(const YachtRecord& record, const std::string& directory);

// Reads a .ysd file, or the header of a .yrd file. A name without "\" is
// looked for in `directory`; a path is read as it stands. Either way the
// yacht master data file name is left holding the file's base name.
// 'n' after a complete read (the file has no "#"), 'h', 'p', 'f', or 0 for a
// file that ends in "#".
Status readYachtMasterData(YachtRecord& record, const std::string& directory, Clock& clock);

} // namespace wg
