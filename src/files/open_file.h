#pragma once
#include <string>

#include "files/regatta_record.h"
#include "files/status.h"
#include "files/yacht_record.h"
#include "platform/clock.h"
#include "platform/shell.h"

namespace wg {

// Data file kinds of the open-file dialog; each picks only the filter.
inline constexpr int kChooseRegattaFile = 1;
inline constexpr int kChooseYachtFile = 2;
inline constexpr int kChooseYachtRegattaFile = 3;

inline constexpr const char* kChooseRegattaTitle = "Regatta-Stammdaten, Datei öffnen";
inline constexpr const char* kChooseYachtTitle = "Yacht-Daten, Datei öffnen";
inline constexpr const char* kChooseYachtRegattaTitle = "Yacht-Regattadaten, Datei öffnen";

// Puts a chosen path where its file title says it belongs: ".RSD"/".rsd"
// anywhere in the title into the regatta record's path, ".YSD"/".ysd" and
// ".YRD"/".yrd" into the yacht record's yacht master data file name. The
// three tests are independent. Nothing changes when the dialog was cancelled.
void routeChosenFile(bool confirmed, const std::string& path, const std::string& fileTitle,
                     RegattaRecord& regatta, YachtRecord& yacht);

// The open-file dialog for `kind`: true, with the file's path and title, when
// the user confirmed a file; one whose name the program cannot carry is
// refused with a message and counts as no choice.
bool chooseDataFile(Shell& shell, int kind, const std::string& title, std::string& path, std::string& fileTitle);

// Runs the open-file dialog for `kind` and routes its answer. Returns 0.
Status openFile(Shell& shell, int kind, const std::string& title, RegattaRecord& regatta,
                YachtRecord& yacht);

// Menu "Regatta-Stammdaten laden": choose a regatta file, then read the file
// at the regatta path if there is one. The read's status is not shown.
Status loadRegattaData(Shell& shell, RegattaRecord& regatta, YachtRecord& yacht, Clock& clock);

// Menu "Teilnehmer laden": choose a yacht file, then read the yacht master
// data file named in the yacht record, if any, from the data directory.
Status loadYachtData(Shell& shell, RegattaRecord& regatta, YachtRecord& yacht, Clock& clock);

} // namespace wg
