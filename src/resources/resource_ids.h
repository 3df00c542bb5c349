#pragma once
// Resource identifiers, in one place for the .rc script and the code.

#define IDI_PROGRAM 10010

// String table: open-file filters, one per data file kind.
#define IDS_FILTER_REGATTA 1
#define IDS_FILTER_YACHT 2
#define IDS_FILTER_YACHT_REGATTA 3

// Dialog IDD_MasterPassWortEingabe: the logger password.
#define IDC_LOGGER_PASSWORD_PROMPT 1261
#define IDC_LOGGER_PASSWORD_FIELD 1262
