#include "files/regatta_file.h"

#include "files/file_names.h"
#include "files/kv_scanner.h"
#include "files/kv_writer.h"
#include "files/text.h"

namespace wg {

namespace {
constexpr std::size_t kValueColumn = 43;
}

Status readRegattaData(RegattaRecord& record, Clock& clock) {
    record.regattaFileName = cutTo(regattaBaseName(record.path), kRegattaTextLimit);
    const std::vector<KeyEntry> keys{
        continuedTextKey("Regattabezeichnung", record.designation, kRegattaTextLimit),
        integerKey("Teilnehmerzahl", record.starters),
        integerKey("Startzeit-Minuten", record.start.minute),
        integerKey("Startzeit-Stunden", record.start.hour),
        integerKey("Startzeit-Tag", record.start.day),
        integerKey("Startzeit-Monat", record.start.month),
        integerKey("Startzeit-Jahr", record.start.year),
        integerKey("Zielzeit-Minuten", record.end.minute),
        integerKey("Zielzeit-Stunden", record.end.hour),
        integerKey("Zielzeit-Tag", record.end.day),
        integerKey("Zielzeit-Monat", record.end.month),
        integerKey("Zielzeit-Jahr", record.end.year),
    };
    return scanFile(record.path, reader::regatta, keys, clock);
}

Status writeRegattaData(const RegattaRecord& record, const std::string& fileName,
                        const std::string& directory) {
    const std::string designation = carriableText(cutTo(record.designation, kRegattaTextLimit));
    if (!isSafeFileName(fileName)) return kStatusCannotWrite;
    EntryWriter out(kValueColumn);
    out.text("Datei-Kennung", "Regattastammdaten")
        .integer("Startzeit-Minuten", record.start.minute)
        .integer("Startzeit-Stunden", record.start.hour)
        .integer("Startzeit-Tag", record.start.day)
        .integer("Startzeit-Monat", record.start.month)
        .integer("Startzeit-Jahr", record.start.year)
        .integer("Zielzeit-Minuten", record.end.minute)
        .integer("Zielzeit-Stunden", record.end.hour)
        .integer("Zielzeit-Tag", record.end.day)
        .integer("Zielzeit-Monat", record.end.month)
        .integer("Zielzeit-Jahr", record.end.year)
        .textIfAny("Regattabezeichnung", designation)
        .integer("Teilnehmerzahl", record.starters)
        .endMarker();
    return writeComplete(directory + fileName, out.bytes());
}

} // namespace wg
