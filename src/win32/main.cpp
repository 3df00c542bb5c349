#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/startup.h"
#include "files/file_names.h"
#include "files/settings.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "win32/box.h"
#include "win32/main_window.h"
#include "platform/wide_text.h"

namespace {

// The arguments after the program's name, as the program's text: a
// character code page 1252 cannot hold becomes "?", which no port name has.
std::vector<std::string> commandLineArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return arguments;
    for (int i = 1; i < count; ++i) {
        std::string text;
        wg::narrow(wide[i], text);
        arguments.push_back(text);
    }
    LocalFree(wide);
    return arguments;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showState) {
    static wg::AppState state;
    const wg::Status status = wg::readSettings(wg::kSettingsDirectory, state.settings, wg::systemClock());
    if (auto box = wg::settingsProblemBox(status)) wg::showBox(nullptr, *box);
    const wg::StartOptions options = wg::startOptions(commandLineArguments());
    if (options.problem) wg::showBox(nullptr, *options.problem);
    state.loggerPort = options.loggerPort;
    // What a copy on this PC that was ended in the middle of writing left behind.
    for (const char* folder : {wg::kDataDirectory, wg::kSettingsDirectory}) wg::removeStaleTemporaryFiles(folder);
    if (auto box = wg::dataFolderProblemBox(wg::kDataDirectory)) wg::showBox(nullptr, *box);
    // The platform's open-file dialog runs on COM; give it an apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int exitCode = wg::runMainWindow(instance, showState, state);
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
