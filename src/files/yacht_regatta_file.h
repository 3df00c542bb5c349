#pragma once
#include <string>

#include "files/status.h"
#include "files/yacht_record.h"

namespace wg {

// Pieces of a yacht regatta data file as the readout writes it: the yacht
// header (shared with the yacht master data file), one "$" line per logger
// line, the end line, and later the finish blocks.

// "$" and the logger's line with every carriage return removed, then CR LF.
std::string eventLine(const std::string& loggerLine);

// "$Ereigniss Ende" and CR LF, whatever the logger sent after "Ereigniss".
std::string endLine();

// True when a file's bytes hold the end line every complete readout wrote.
bool holdsEndLine(const std::string& fileBytes);

// Writes the header followed by `eventBlock` (event lines and end line) as
// `directory` + the record's yacht regatta data file name, as a complete new
// file that replaces an old one, finish blocks included. 0, or 'o' with
// nothing written (cannot be written, or the name is not a safe file name).
Status writeYachtRegattaFile(const YachtRecord& record, const std::string& directory,
                             const std::string& eventBlock);

// The finish block: six lines from `finish`.
std::string finishBlock(const FinishTime& finish);

// What "Daten Speichern" did.
struct FinishSave {
    Status status = kStatusOk;  // of the yacht regatta data file
    bool fingerprintRenewed = false;
};

// Appends one finish block to `directory` + the record's yacht regatta data
// file name (a missing file is created), as a complete new file that takes
// the old one's place: the file gains the whole block or stays as it was.
// With `renewFingerprint` its fingerprint is replaced together with it; when
// the file landed but its fingerprint did not, the older one is removed, as
// it no longer stands for the file. 0, or why the file was not written
// ('o' also for a name that is not a safe file name, or a file that cannot
// be read).
FinishSave appendFinishTime(const YachtRecord& record, const std::string& directory, bool renewFingerprint);

} // namespace wg
