#include "files/fingerprint.h"

#include "files/file_names.h"
#include "files/kv_writer.h"
#include "platform/file_system.h"
#include "platform/sha256.h"

namespace wg {

bool fingerprintBytes(const std::string& content, const std::string& fileName, std::string& sidecar) {
    std::string hex;
    if (!sha256Hex(content, hex)) return false;
    sidecar = hex + "  " + fileName + "\n";
    return true;
}

Status writeFingerprint(const std::string& directory, const std::string& fileName) {
    if (!isSafeFileName(fileName)) return kStatusCannotWrite;
    const std::string path = directory + fileName;
    std::string content, sidecar;
    if (readWholeFile(path, content) && fingerprintBytes(content, fileName, sidecar) &&
        writeComplete(path + kFingerprintSuffix, sidecar) == kStatusOk)
        return kStatusOk;
    removeFile(path + kFingerprintSuffix);
    return kStatusCannotWrite;
}

FingerprintCheck checkFingerprint(const std::string& content, const std::string& directory,
                                  const std::string& fileName) {
    std::string stored, expected;
    if (!fingerprintBytes(content, fileName, expected)) return FingerprintCheck::Unreadable;
    if (!readWholeFile(directory + fileName + kFingerprintSuffix, stored)) return FingerprintCheck::Missing;
    return stored == expected ? FingerprintCheck::Matches : FingerprintCheck::Changed;
}

FingerprintCheck checkFingerprint(const std::string& directory, const std::string& fileName) {
    std::string content;
    if (!isSafeFileName(fileName) || !readWholeFile(directory + fileName, content))
        return FingerprintCheck::Unreadable;
    return checkFingerprint(content, directory, fileName);
}

std::string fingerprintFailureText(const std::string& fileName) {
    return "Die Daten sind in " + fileName + " gespeichert, aber die Prüfsumme " + fileName +
           kFingerprintSuffix +
           " konnte nicht geschrieben werden: Spätere Änderungen an der Datei sind so nicht zu erkennen. "
           "Bitte Datenträger prüfen!";
}

} // namespace wg
