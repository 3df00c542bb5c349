#pragma once
// Resource identifiers, in one place for the .rc script and the code.

#define IDI_PROGRAM 10010

// String table: open-file filters, one per data file kind.
#define IDS_FILTER_REGATTA 1
#define IDS_FILTER_YACHT 2
#define IDS_FILTER_YACHT_REGATTA 3
