#include "files/write_outcome.h"

namespace wg {

Status writeStatus(const Replacement& replacement, std::size_t files) {
    if (replacement.complete(files)) return kStatusOk;
    switch (replacement.fault) {
    case FileFault::DriveFull: return kStatusDriveFull;
    case FileFault::InUse: return replacement.keptAs.empty() ? kStatusCannotWrite : kStatusFileInUse;
    case FileFault::Denied: return kStatusNoPermission;
    default: return kStatusCannotWrite;
    }
}

std::string writeFailureText(const std::string& fileName, Status status) {
    const std::string unchanged = " Eine vorhandene Datei dieses Namens bleibt unverändert.";
    switch (status) {
    case kStatusDriveFull:
        return "Die Datei " + fileName + " konnte nicht gespeichert werden: Der Datenträger ist voll." + unchanged;
    case kStatusFileInUse:
        return "Die Datei " + fileName + " ist in einem anderen Programm geöffnet und kann nicht ersetzt werden; " +
               "der neue Inhalt steht in " + keptBesideName(fileName) + ".";
    case kStatusNoPermission:
        return "Die Datei " + fileName +
               " konnte nicht gespeichert werden: Sie oder ihr Ordner ist schreibgeschützt." + unchanged;
    default:
        return "Die Datei " + fileName +
               " konnte nicht gespeichert werden: Der Datenträger oder Ordner ist nicht erreichbar." + unchanged;
    }
}

} // namespace wg
