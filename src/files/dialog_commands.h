#pragma once

namespace wg::dlg {

// Main-window commands the data file dialogs send, and the button results.
inline constexpr int kShowMessage = 50000;
inline constexpr int kFileSave = 50001;
inline constexpr int kEnterRegattaData = 1017;

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

} // namespace wg::dlg
