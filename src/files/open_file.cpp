#include "files/open_file.h"

#include "files/file_names.h"
#include "files/regatta_file.h"
#include "files/text.h"
#include "files/yacht_master_file.h"
#include "platform/foreign_text.h"

namespace wg {

namespace {
bool holds(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }
} // namespace

void routeChosenFile(bool confirmed, const std::string& path, const std::string& fileTitle,
                     RegattaRecord& regatta, YachtRecord& yacht) {
    if (!confirmed) return;
    if (holds(fileTitle, ".RSD") || holds(fileTitle, ".rsd")) regatta.path = cutTo(path, kRegattaTextLimit);
    if (holds(fileTitle, ".YSD") || holds(fileTitle, ".ysd")) yacht.masterFileName = cutTo(path, kYachtFileNameLimit);
    if (holds(fileTitle, ".YRD") || holds(fileTitle, ".yrd")) yacht.masterFileName = cutTo(path, kYachtFileNameLimit);
}

bool chooseDataFile(Shell& shell, int kind, const std::string& title, std::string& path, std::string& fileTitle) {
    const FileChoice choice = shell.chooseFile(kind, title, path, fileTitle);
    if (choice == FileChoice::ForeignName) refuseForeignFileName(shell);
    return choice == FileChoice::Chosen;
}

Status openFile(Shell& shell, int kind, const std::string& title, RegattaRecord& regatta,
                YachtRecord& yacht) {
    std::string path, fileTitle;
    const bool confirmed = chooseDataFile(shell, kind, title, path, fileTitle);
    routeChosenFile(confirmed, path, fileTitle, regatta, yacht);
    return kStatusOk;
}

Status loadRegattaData(Shell& shell, RegattaRecord& regatta, YachtRecord& yacht, Clock& clock) {
    openFile(shell, kChooseRegattaFile, kChooseRegattaTitle, regatta, yacht);
    if (!regatta.path.empty()) readRegattaData(regatta, clock);
    return kStatusOk;
}

Status loadYachtData(Shell& shell, RegattaRecord& regatta, YachtRecord& yacht, Clock& clock) {
    openFile(shell, kChooseYachtFile, kChooseYachtTitle, regatta, yacht);
    if (!yacht.masterFileName.empty()) readYachtMasterData(yacht, kDataDirectory, clock);
    return kStatusOk;
}

} // namespace wg
