#include "files/yacht_regatta_file.h"

#include "files/file_names.h"
#include "files/fingerprint.h"
#include "files/kv_writer.h"
#include "files/write_outcome.h"
#include "files/yacht_header.h"
#include "platform/file_system.h"

namespace wg {

std::string eventLine(const std::string& loggerLine) {
    std::string line = "$";
    for (char c : loggerLine)
        if (c != '\r') line += c;
    line += "\r\n";
    return line;
}

std::string endLine() { return "$Ereigniss Ende\r\n"; }

// Only finish blocks follow the end line, so it is looked for from the end.
bool holdsEndLine(const std::string& fileBytes) { return fileBytes.rfind("\n$Ereigniss") != std::string::npos; }

Status writeYachtRegattaFile(const YachtRecord& record, const std::string& directory,
                             const std::string& eventBlock) {
    if (!isSafeFileName(record.regattaFileName)) return kStatusCannotWrite;
    return writeComplete(directory + record.regattaFileName, yachtHeaderBytes(record) + eventBlock);
}

std::string finishBlock(const FinishTime& finish) {
    return EntryWriter(kYachtValueColumn)
        .integer("Zielzeit_Stunde", finish.hour)
        .integer("Zielzeit_Minute", finish.minute)
        .integer("Zielzeit_Sekunde", finish.second)
        .integer("Zielzeit_Tag", finish.day)
        .integer("Zielzeit_Monat", finish.month)
        .integer("Zielzeit_Jahr", finish.year)
        .bytes();
}

FinishSave appendFinishTime(const YachtRecord& record, const std::string& directory, bool renewFingerprint) {
    FinishSave saved;
    saved.status = kStatusCannotWrite;
    if (!isSafeFileName(record.regattaFileName)) return saved;
    const std::string path = directory + record.regattaFileName;
    std::string bytes;
    if (!readWholeFile(path, bytes) && fileExists(path)) return saved;
    bytes += finishBlock(record.finish);
    std::string sidecar;
    std::vector<NewContent> files{{path, bytes}};
    if (renewFingerprint && fingerprintBytes(bytes, record.regattaFileName, sidecar))
        files.push_back({path + kFingerprintSuffix, sidecar});
    const Replacement replaced = replaceFiles(files);
    saved.status = writeStatus(replaced, 1);
    saved.fingerprintRenewed = replaced.complete(2);  // never with the file alone
    if (renewFingerprint && saved.status == kStatusOk && !saved.fingerprintRenewed)
        removeFile(path + kFingerprintSuffix);
    return saved;
}

} // namespace wg
