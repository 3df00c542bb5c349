#pragma once
// Resource identifiers, in one place for the .rc script and the code.

#define IDI_PROGRAM 10010

// String table: open-file filters, one per data file kind.
#define IDS_FILTER_REGATTA 1
#define IDS_FILTER_YACHT 2
#define IDS_FILTER_YACHT_REGATTA 3
#define IDS_FILTER_ENTRY_LIST 4

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

// IDD_AktZeitEingabe: the logger clock.
#define IDC_CLOCK_HOUR 1501
#define IDC_CLOCK_MINUTE 1502
#define IDC_CLOCK_SECOND 1503
#define IDC_CLOCK_DAY 1504
#define IDC_CLOCK_MONTH 1505
#define IDC_CLOCK_YEAR 1506
#define IDC_CLOCK_SEND_PC 1507
#define IDC_CLOCK_SEND_TYPED 1508

// IDD_StartZeitEingabe and IDD_ZielZeitEingabe ("Speichern" is IDC_SAVE).
#define IDC_RTIME_HOUR 1511
#define IDC_RTIME_MINUTE 1512
#define IDC_RTIME_DAY 1513
#define IDC_RTIME_MONTH 1514
#define IDC_RTIME_YEAR 1515
#define IDC_RTIME_SEND 1516

// IDD_ErlgLoeschen ("Dialog verlassen" is IDCANCEL).
#define IDC_ERASE_TEXT 1521
#define IDC_ERASE_RUN 1522

// IDD_YachtKonfig.
#define IDC_YACHT_NAME 1531
#define IDC_YACHT_ID 1532
#define IDC_YACHT_SERIAL 1533
#define IDC_YACHT_SEALS 1534
#define IDC_YACHT_MODE1 1535
#define IDC_YACHT_MODE2 1536
#define IDC_YACHT_MODE3 1537
#define IDC_YACHT_MODE4 1538
#define IDC_YACHT_MODE5 1539
#define IDC_YACHT_PASSWORD 1540
#define IDC_YACHT_PASSWORD_OUT 1541
#define IDC_YACHT_LOGIN 1542
#define IDC_YACHT_READ 1543
#define IDC_YACHT_TRANSFER 1544
#define IDC_YACHT_FILE 1545
#define IDC_YACHT_INFO 1546

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

// IDD_SerienVorbereitung: the fleet's loggers from the entry list.
#define IDC_FLEET_REGATTA 1601
#define IDC_FLEET_LIST 1602
#define IDC_FLEET_LIST_INFO 1603
#define IDC_FLEET_CHOOSE_LIST 1604
#define IDC_FLEET_PASSWORD 1605
#define IDC_FLEET_MODE1 1606
#define IDC_FLEET_MODE2 1607
#define IDC_FLEET_MODE3 1608
#define IDC_FLEET_MODE4 1609
#define IDC_FLEET_ERASE 1610
#define IDC_FLEET_PREPARE 1611
#define IDC_FLEET_PROGRESS 1612
#define IDC_FLEET_SELECTED 1613
