#pragma once

namespace wg::cmd {

// Menu commands.
inline constexpr int kExit = 1000;
inline constexpr int kChangeProgramPassword = 1001;
inline constexpr int kScreenConfiguration = 1002;
inline constexpr int kAbout = 1003;
inline constexpr int kHelp = 1004;
inline constexpr int kStartTime = 1005;
inline constexpr int kEndTime = 1006;
inline constexpr int kShowRegattaData = 1007;
inline constexpr int kTimeZone = 1008;
inline constexpr int kLoadYacht = 1009;
inline constexpr int kSaveYacht = 1010;
inline constexpr int kConfigureYacht = 1012;
inline constexpr int kChangeLoggerPassword = 1013;
inline constexpr int kMasterPassword = 1014;
inline constexpr int kLoadRegattaData = 1015;
inline constexpr int kSaveRegattaData = 1016;
inline constexpr int kEnterRegattaData = 1017;
inline constexpr int kEraseLogger = 1018;
inline constexpr int kReadOutAndEvaluate = 1019;
inline constexpr int kUserPassword = 1020;
inline constexpr int kLoggerClock = 1021;
inline constexpr int kPortSelection = 1022;
inline constexpr int kShowEvaluation = 1023;
// Commands of the program's own, above the specified range 1000 to 1023.
inline constexpr int kFleetPreparation = 1024;

// Commands through which dialogs reach the shell.
inline constexpr int kShowMessage = 50000;
inline constexpr int kFileSave = 50001;
inline constexpr int kProgramLogin = 50002;

} // namespace wg::cmd

namespace wg::button {

// The standard buttons of every dialog.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

} // namespace wg::button
