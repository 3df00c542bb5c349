#pragma once
// Resource identifiers, in one place for the .rc script and the code.

#define IDI_PROGRAM 10010

// String table: open-file filters, one per data file kind.
#define IDS_FILTER_REGATTA 1
#define IDS_FILTER_YACHT 2
#define IDS_FILTER_YACHT_REGATTA 3

// IDD_AnzeigeParameter and IDD_StammDaten.
#define IDC_START_TIME 1240
#define IDC_START_DATE 1241
#define IDC_END_TIME 1242
#define IDC_END_DATE 1243
#define IDC_DESIGNATION 1247
#define IDC_STARTERS_SHOWN 1248
#define IDC_SAVE 1249
#define IDC_STARTERS 1250

// IDD_DateiSpeichern.
#define IDC_SAVE_NAME 1251
#define IDC_SAVE_PROMPT 1252
#define IDC_OVERWRITE 1253

// Dialog IDD_MasterPassWortEingabe: the logger password.
#define IDC_LOGGER_PASSWORD_PROMPT 1261
#define IDC_LOGGER_PASSWORD_FIELD 1262
