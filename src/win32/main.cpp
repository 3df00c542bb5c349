#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/startup.h"
#include "files/settings.h"
#include "platform/clock.h"
#include "win32/box.h"
#include "win32/main_window.h"

namespace {

// The arguments after the program's name, as the program's text: a
// character code page 1252 cannot hold becomes "?", which no port name has.
std::vector<std::string> commandLineArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return arguments;
    for (int i = 1; i < count; ++i) {
        const int bytes = WideCharToMultiByte(1252, 0, wide[i], -1, nullptr, 0, "?", nullptr);
        std::string text(bytes > 0 ? static_cast<std::size_t>(bytes) : 1, '\0');
        WideCharToMultiByte(1252, 0, wide[i], -1, text.data(), bytes, "?", nullptr);
        text.resize(text.size() - 1);
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
    // The platform's open-file dialog runs on COM; give it an apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int exitCode = wg::runMainWindow(instance, showState, state);
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
