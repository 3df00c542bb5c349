#include "overview/yacht_row.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "evaluation/event_log.h"
#include "evaluation/time_arithmetic.h"
#include "files/coarse_minutes_file.h"
#include "files/fingerprint.h"
#include "files/text.h"
#include "files/yacht_master_file.h"
#include "files/yacht_regatta_file.h"
#include "overview/counting_shell.h"
#include "overview/output_text.h"
#include "platform/file_system.h"

namespace wg {
namespace {

const char* damageOf(Status status) {
    switch (status) {
    case kStatusCannotOpen: return "nicht lesbar";
    case kStatusWrongFileKind: return "keine Yacht-Datei";
    case kStatusBadCharacter: return "unzulässiges Zeichen";
    default: return nullptr;
    }
}

void markDamaged(YachtRow& row, const char* reason) {
    if (!reason) return;
    if (row.damage.empty()) row.findings.push_back(Finding::Damaged);
    else row.damage += ", ";
    row.damage += reason;
}

void takeHeader(YachtRow& row, const YachtRecord& yacht) {
    row.yachtName = yacht.yachtName;
    row.serialNumber = yacht.serialNumber;
    row.sealCount = yacht.sealCount;
    row.operatingMode = yacht.operatingMode;
    row.headerRead = true;
}

void readMasterFile(YachtRow& row, const std::string& dataDir, Clock& clock) {
    YachtRecord yacht;
    yacht.masterFileName = row.files.masterName;
    const Status status = readYachtMasterData(yacht, dataDir, clock);
    markDamaged(row, damageOf(status));
    if (status != kStatusCannotOpen) takeHeader(row, yacht);
}

void evaluateRegattaFile(YachtRow& row, const std::string& dataDir, const RegattaRecord& regatta, Clock& clock,
                         const ListEntry& listed) {
    if (row.files.regattaSize > kYachtFileByteLimit) return markDamaged(row, "zu groß");
    YachtRecord yacht;
    clearYachtRecord(yacht);
    yacht.regattaFileName = dataDir + row.files.regattaName;
    std::string bytes;
    if (!readWholeFile(yacht.regattaFileName, bytes)) return markDamaged(row, damageOf(kStatusCannotOpen));

    const YachtTimeline unheard = row.timeline;
    CountingShell shell;
    EvaluationCodes codes = evaluateBytes(shell, yacht, regatta, &bytes, clock, &row.timeline);
    // Pass 1 fixes the finish when it meets the finish year, the last line
    // of a finish block; without one the finish stays 0.
    const bool typed = yacht.evaluation.finish != 0;
    if (!typed && listed.finish) {
        // As "Daten Speichern" would append it, after a line end of its own
        // in case the file's last line has none.
        const bool lineEnded = !bytes.empty() && bytes.back() == '\n';
        const std::string withFinish = bytes + (lineEnded ? "" : "\r\n") + finishBlock(*listed.finish);
        shell.boxes = 0;
        row.timeline = unheard;
        clearYachtRecord(yacht);
        codes = evaluateBytes(shell, yacht, regatta, &withFinish, clock, &row.timeline);
    }
    const YachtEvaluation& e = yacht.evaluation;
    if (codes.firstPass == kStatusWrongFileKind) return markDamaged(row, damageOf(kStatusWrongFileKind));
    markDamaged(row, damageOf(codes.secondPass));
    if (!holdsEndLine(bytes)) markDamaged(row, "Endezeile fehlt");

    switch (checkFingerprint(bytes, dataDir, row.files.regattaName)) {
    case FingerprintCheck::Matches: break;
    case FingerprintCheck::Changed: row.findings.push_back(Finding::Changed); break;
    case FingerprintCheck::Missing: row.findings.push_back(Finding::NoChecksum); break;
    case FingerprintCheck::Unreadable: markDamaged(row, "Prüfsumme nicht berechenbar"); break;
    }
    takeHeader(row, yacht);
    row.hasFinish = e.finish != 0;
    row.finish = yacht.finish;
    row.finishSeconds = e.finish;
    // An engine on at the end of the file ran at least up to the readout.
    row.timeline.close(std::numeric_limits<double>::infinity());
    if (!row.hasFinish) return row.findings.push_back(Finding::FinishMissing);
    if (!typed) row.findings.push_back(Finding::FinishFromList);
    else if (listed.finish && std::abs(secondCount(*listed.finish) - e.finish) >= 1)
        row.findings.push_back(Finding::FinishDiffers);
    if (dateTimeText(yacht.finish).empty()) markDamaged(row, "Zieldurchgang ungültig");
    else if (e.finish < e.regattaStart) row.findings.push_back(Finding::FinishBeforeStart);
    // A file that cannot be trusted gives no engine time to rank.
    if (!row.damage.empty()) return;

    row.hasEngineTime = true;
    row.engineSeconds = e.engineTotalSeconds;
    row.durationText = e.durationText;
    row.eventCount = e.eventCount;
    row.powerOnCount = e.powerOnCount;
    row.resetsAfterStart = shell.boxes;
}

const char* findingText(Finding f) {
    switch (f) {
    case Finding::NameRefused: return "Dateiname unzulässig";
    case Finding::Damaged: return "Datei beschädigt: ";
    case Finding::Changed: return "nach dem Auslesen verändert";
    case Finding::Incomplete: return "Auslesen abgebrochen";
    case Finding::NotReadOut: return "nicht ausgelesen";
    case Finding::OtherLogger: return "anderer ERLG als vorbereitet";
    case Finding::PreparedNotReadOut: return "vorbereitet, nicht ausgelesen";
    case Finding::NotPrepared: return "nicht vorbereitet";
    case Finding::FinishMissing: return "Zieldurchgang fehlt";
    case Finding::FinishBeforeStart: return "Zieldurchgang vor dem Regattastart";
    case Finding::FinishDiffers: return "Zieldurchgang weicht von der Liste ab";
    case Finding::NotInList: return "nicht in der Liste";
    case Finding::FinishFromList: return "Zieldurchgang aus Liste";
    case Finding::Failed: return "Auswertung fehlgeschlagen";
    case Finding::NoChecksum: return "ohne Prüfsumme";
    }
    return "";
}

} // namespace

YachtRow evaluateYacht(const std::string& dataDir, const YachtFiles& files, const RegattaRecord& regatta,
                       Clock& clock, std::size_t detailLimit, const ListEntry& listed) {
    YachtRow row;
    row.files = files;
    row.listFinish = listed.finish;
    row.timeline = YachtTimeline(detailLimit);
    if (files.nameRefused) {
        row.findings.push_back(Finding::NameRefused);
        return row;
    }
    if (!files.regattaName.empty()) {
        row.coarseMinutes = readCoarseMinutes(dataDir, files.regattaName, clock);
        evaluateRegattaFile(row, dataDir, regatta, clock, listed);
    } else if (!files.masterName.empty()) {
        readMasterFile(row, dataDir, clock);
    }
    if (!files.preparationName.empty()) {
        PreparationSummary summary;
        const Status status = readPreparationSummary(dataDir, files.preparationName, summary, clock);
        if (status == kStatusOk || status == kStatusNoEndMarker) row.prepared = summary;
        else markDamaged(row, "Vorbereitungsprotokoll unlesbar");
    }
    if (row.prepared && !files.regattaName.empty() && row.headerRead && row.serialNumber != row.prepared->serialNumber)
        row.findings.push_back(Finding::OtherLogger);
    if (files.incomplete) row.findings.push_back(Finding::Incomplete);
    else if (files.regattaName.empty())
        row.findings.push_back(row.prepared ? Finding::PreparedNotReadOut : Finding::NotReadOut);
    if (files.entryListed && files.preparationName.empty()) row.findings.push_back(Finding::NotPrepared);
    if (listed.listGiven && !listed.finish) row.findings.push_back(Finding::NotInList);
    std::stable_sort(row.findings.begin(), row.findings.end());
    return row;
}

YachtRow failedRow(const YachtFiles& files, const ListEntry& listed) {
    YachtRow row;
    row.files = files;
    row.listFinish = listed.finish;
    row.findings.push_back(Finding::Failed);
    return row;
}

std::string statusText(const YachtRow& row) {
    if (row.findings.empty()) return "ausgewertet";
    std::string text;
    for (const Finding f : row.findings) {
        if (!text.empty()) text += "; ";
        text += findingText(f);
        if (f == Finding::Damaged) text += row.damage;
    }
    return text;
}

int listHoursOff(const std::vector<YachtRow>& rows) {
    constexpr std::size_t kYachtsNeeded = 3;
    constexpr int kMostHoursOff = 2;
    std::size_t compared = 0;
    double offset = 0;
    for (const YachtRow& row : rows) {
        const bool typed = row.hasFinish && std::find(row.findings.begin(), row.findings.end(),
                                                      Finding::FinishFromList) == row.findings.end();
        if (!typed || !row.listFinish) continue;
        const double difference = secondCount(*row.listFinish) - row.finishSeconds;
        if (compared++ > 0 && difference != offset) return 0;
        offset = difference;
    }
    const int hours = static_cast<int>(offset / 3600);
    return compared >= kYachtsNeeded && hours * 3600.0 == offset && hours != 0 && std::abs(hours) <= kMostHoursOff
               ? hours : 0;
}

void sortRows(std::vector<YachtRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const YachtRow& a, const YachtRow& b) {
        if (a.hasEngineTime != b.hasEngineTime) return a.hasEngineTime;
        return a.hasEngineTime && a.engineSeconds > b.engineSeconds;
    });
}

} // namespace wg
