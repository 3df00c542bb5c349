#include <windows.h>
#include <objbase.h>

#include "app/app_state.h"
#include "app/startup.h"
#include "files/file_names.h"
#include "files/settings.h"
#include "platform/clock.h"
#include "win32/box.h"
#include "win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
    static wg::AppState state;
    const wg::Status status = wg::readSettings(wg::kSettingsDirectory, state.settings, wg::systemClock());
    if (auto box = wg::settingsProblemBox(status)) wg::showBox(nullptr, *box);
    if (auto box = wg::dataFolderProblemBox(wg::kDataDirectory)) wg::showBox(nullptr, *box);
    // The platform's open-file dialog runs on COM; give it an apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int exitCode = wg::runMainWindow(instance, showState, state);
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
