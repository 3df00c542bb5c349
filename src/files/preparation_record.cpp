#include "files/preparation_record.h"

#include "files/file_names.h"
#include "files/fingerprint.h"
#include "files/kv_scanner.h"
#include "files/kv_writer.h"
#include "files/text.h"
#include "files/write_outcome.h"
#include "files/yacht_header.h"
#include "files/regatta_record.h"
#include "files/yacht_record.h"
#include "platform/file_system.h"

namespace wg {
namespace {

constexpr ReaderParams kPreparationReader{10, true, kStatusCannotOpen, false, "Dateikennung", kPreparationKind};

} // namespace

std::string pcTimeText(const PcTime& t) {
    return format("%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string preparationFileName(const std::string& regatta, const std::string& yachtId) {
    const std::string name = regatta + "-" + yachtId + ".yvd";
    return !regatta.empty() && !yachtId.empty() && isSafeFileName(name) ? name : std::string();
}

std::string preparationBytes(const PreparationRecord& r) {
    EntryWriter out(kYachtValueColumn);
    out.text("Dateikennung", kPreparationKind)
        .textIfAny("Regatta", carriableText(r.regatta))
        .textIfAny("Yacht-ID", r.yachtId)
        .textIfAny("Yachtname", carriableText(cutTo(r.yachtName, kYachtNameLimit)))
        .textIfAny("ERLG-Seriennummer", r.serialNumber)
        .textIfAny("Schnittstelle", r.port)
        .textIfAny("Rechnername", r.computerName)
        .textIfAny("Programmversion", r.programVersion)
        .textIfAny("Zeitbasis", r.timeBase);
    for (const PreparationStepTime& step : r.steps) out.textIfAny(("Zeit_" + step.key).c_str(), step.time);
    out.integer("Loeschen_verlangt", r.eraseRequested)
        .integer("Loeschen_bestaetigt", r.eraseConfirmed)
        .textIfAny("Uhr_gesendet", r.clockSent)
        .textIfAny("Regattastart_gesendet", r.startSent)
        .textIfAny("Regattaende_gesendet", r.endSent)
        .integer("Betriebsart_gesendet", r.modeSent)
        .integer("Betriebsart_gelesen", r.modeRead)
        .textIfAny("Yacht-ID_gelesen", r.yachtIdRead)
        .textIfAny("Vorbereitet", r.preparedAt);
    return out.endMarker().bytes();
}

Status writePreparationRecord(const std::string& directory, const PreparationRecord& record) {
    const std::string name = preparationFileName(record.regatta, record.yachtId);
    if (name.empty()) return kStatusCannotWrite;
    const std::string bytes = preparationBytes(record), path = directory + name;
    std::string sidecar;
    if (!fingerprintBytes(bytes, name, sidecar)) return kStatusCannotWrite;
    const Replacement placed = replaceFiles({{path, bytes}, {path + kFingerprintSuffix, sidecar}});
    if (placed.complete(2)) return kStatusOk;
    // The record took its place without its fingerprint: a record nobody
    // can vouch for, beside an old fingerprint, is worse than none.
    if (placed.landed == 1) {
        removeFile(path);
        removeFile(path + kFingerprintSuffix);
    }
    if (!placed.keptAs.empty()) removeFile(placed.keptAs);
    // Why the record did not land, where that is more than "cannot write".
    const Status why = writeStatus(placed, 1);
    return why == kStatusOk || why == kStatusFileInUse ? kStatusCannotWrite : why;
}

std::string preparedText(const PreparationSummary& s) {
    // "2026-12-07T09:14:03" shown as "07.12. 09:14".
    const std::string& t = s.preparedAt;
    const std::string when = t.size() >= 16 ? t.substr(8, 2) + "." + t.substr(5, 2) + ". " + t.substr(11, 5) : t;
    return when + ", ERLG " + s.serialNumber;
}

Status readPreparationSummary(const std::string& directory, const std::string& fileName,
                              PreparationSummary& summary, Clock& clock) {
    const std::vector<KeyEntry> keys{
        continuedTextKey("Regatta", summary.regatta, kRegattaTextLimit),
        textKey("Yacht-ID", summary.yachtId, kYachtIdLimit),
        textKey("ERLG-Seriennummer", summary.serialNumber, kSerialNumberLimit),
        textKey("Vorbereitet", summary.preparedAt, kPcTimeTextLength),
    };
    return scanFile(directory + fileName, kPreparationReader, keys, clock);
}

} // namespace wg
