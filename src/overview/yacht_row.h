#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/preparation_record.h"
#include "files/regatta_record.h"
#include "overview/finish_list.h"
#include "overview/yacht_files.h"
#include "overview/yacht_timeline.h"
#include "platform/clock.h"

namespace wg {

// What the overview says about a yacht besides its numbers, most serious
// first; a row shows every one that applies.
enum class Finding {
    Failed,             // "Auswertung fehlgeschlagen": the program could not finish it
    NameRefused,        // "Dateiname unzulässig": not read at all
    Damaged,            // "Datei beschädigt: <reason>"
    Changed,            // "nach dem Auslesen verändert"
    OtherLogger,        // "anderer ERLG als vorbereitet": read out from another logger than its record names
    Incomplete,         // "Auslesen abgebrochen"
    NotReadOut,         // "nicht ausgelesen"
    PreparedNotReadOut, // "vorbereitet, nicht ausgelesen"
    NotPrepared,        // "nicht vorbereitet": in the entry list, without a preparation record
    FinishMissing,      // "Zieldurchgang fehlt"
    FinishBeforeStart,  // "Zieldurchgang vor dem Regattastart"
    FinishDiffers,      // "Zieldurchgang weicht von der Liste ab": the typed one counts
    NotInList,          // "nicht in der Liste"
    FinishFromList,     // "Zieldurchgang aus Liste": the file has none
    NoChecksum,         // "ohne Prüfsumme"
};

// A yacht regatta data file larger than this is not read: a readout stores
// at most about a megabyte.
inline constexpr std::uint64_t kYachtFileByteLimit = 8u << 20;

// One yacht of the overview.
struct YachtRow {
    YachtFiles files;
    std::string yachtName;
    std::string serialNumber;
    std::int32_t sealCount = 0;
    std::int32_t operatingMode = 0;
    bool headerRead = false;     // the values above come from a file
    bool hasFinish = false;      // a finish crossing to evaluate to: the file's, else the list's
    FinishTime finish;
    double finishSeconds = 0;
    std::optional<FinishTime> listFinish;  // what the finish list says, if it names the yacht
    bool hasEngineTime = false;  // evaluated up to a finish crossing, from a file that can be trusted
    double engineSeconds = 0;
    std::string durationText;    // as "Auswertung anzeigen" shows it
    std::int32_t eventCount = 0;
    std::int32_t powerOnCount = 0;
    std::int32_t resetsAfterStart = 0;
    std::optional<std::int32_t> coarseMinutes;  // as kept beside the .yrd, if they are
    std::optional<PreparationSummary> prepared;  // its preparation record, when one reads
    std::vector<Finding> findings;
    std::string damage;          // the reason behind Finding::Damaged
    YachtTimeline timeline;
};

// Reads and evaluates one yacht's files from `dataDir` as "Berechnen" in
// "Auswertung anzeigen" does: the record cleared, the .yrd evaluated over
// its full path against the regatta, every Reset box counted. A file
// without a finish crossing is evaluated as if the list's had been saved
// into it; the file itself is only read.
YachtRow evaluateYacht(const std::string& dataDir, const YachtFiles& files, const RegattaRecord& regatta,
                       Clock& clock, std::size_t detailLimit, const ListEntry& listed = {});

// The row of a yacht whose evaluation failed in the program itself.
YachtRow failedRow(const YachtFiles& files, const ListEntry& listed);

// "ausgewertet", or the findings joined by "; ".
std::string statusText(const YachtRow& row);

// The whole hours by which the list's finishes lie after the typed ones
// (negative: before), when at least three yachts have both and every one
// differs by the same one or two hours; else 0. Such a list seems to be in
// another time base than the settings.
int listHoursOff(const std::vector<YachtRow>& rows);

// Longest engine time first; rows without one after them; equal times and
// the rows without one keep their order (by yacht ID, as found).
void sortRows(std::vector<YachtRow>& rows);

} // namespace wg
