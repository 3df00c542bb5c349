#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "files/status.h"
#include "platform/clock.h"
#include "platform/shell.h"

namespace wg {

// The preparation record "<regatta>-<yacht ID>.yvd": what one preparation
// did to the logger of one yacht and when, in the key-value layout of the
// yacht files, with its fingerprint "<name>.yvd.sha256" beside it, so the
// jury can show which logger went to which yacht and that it was erased.

inline constexpr const char* kPreparationKind = "ERLG-Vorbereitung";

// One step of a preparation and the PC time it began.
struct PreparationStepTime {
    std::string key;   // "Anmeldung", "Loeschen", ...: part of a file key
    std::string time;  // pcTimeText()
};

struct PreparationRecord {
    std::string regatta;  // the regatta file's base name
    std::string yachtId, yachtName;
    std::string serialNumber;  // as the logger reported it
    std::string port, computerName, programVersion;
    std::string timeBase;      // "UTC" or "Lokalzeit": the clock sent
    std::vector<PreparationStepTime> steps;
    bool eraseRequested = false, eraseConfirmed = false;
    std::string clockSent, startSent, endSent;  // the twelve digits of E, G and H
    std::int32_t modeSent = 0, modeRead = 0;
    std::string yachtIdRead;
    std::string preparedAt;    // pcTimeText() of the end
};

// "2026-12-07T09:14:03": one word in a key-value file.
std::string pcTimeText(const PcTime& time);
inline constexpr std::size_t kPcTimeTextLength = 19;

// "<regatta>-<yacht ID>.yvd"; empty when it would be no safe file name.
std::string preparationFileName(const std::string& regatta, const std::string& yachtId);

std::string preparationBytes(const PreparationRecord& record);

// Writes the record and its fingerprint into `directory`, both whole or
// neither: 0, or why not (a full drive, no permission, 'o' for the rest)
// with an earlier record as it was; only when the record took its place and
// its fingerprint could not, neither is left.
Status writePreparationRecord(const std::string& directory, const PreparationRecord& record);

// What the overview and the preparation dialog read back of a record.
struct PreparationSummary {
    std::string regatta, yachtId, serialNumber, preparedAt;
};

// "07.12. 09:14, ERLG 100234": when and which logger.
std::string preparedText(const PreparationSummary& summary);

// Reads `directory` + `fileName`: 0 or 'n' for a record read to its end;
// 'h', 'p', 'f' as every reader.
Status readPreparationSummary(const std::string& directory, const std::string& fileName,
                              PreparationSummary& summary, Clock& clock);

} // namespace wg
