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

// IDD_ErlgLesen and IDD_Berechnen: fields both dialogs show share their ids.
#define IDC_EV_FILE_NAME 1401
#define IDC_EV_YACHT_ID 1402
#define IDC_EV_SERIAL 1403
#define IDC_EV_YACHT_NAME 1404
#define IDC_EV_SEALS 1405
#define IDC_EV_HOUR 1406
#define IDC_EV_MINUTE 1407
#define IDC_EV_SECOND 1408
#define IDC_EV_DAY 1409
#define IDC_EV_MONTH 1410
#define IDC_EV_YEAR 1411
#define IDC_EV_COARSE 1412
#define IDC_EV_DURATION 1413
#define IDC_EV_EVENTS 1414
#define IDC_EV_TIME_ZONE 1415
#define IDC_EV_STATUS 1416
#define IDC_EV_READ 1417
#define IDC_EV_SAVE 1418
#define IDC_EV_COMPUTE 1419
#define IDC_EV_FINISH_TIME 1420
#define IDC_EV_FINISH_DATE 1421
#define IDC_EV_POWER_ON 1422
#define IDC_EV_LOAD 1423
#define IDC_EV_VIEW 1424
