#include "platform/host_info.h"

#ifdef _WIN32
#include <windows.h>

#include "win32/wide_text.h"
#else
#include <unistd.h>
#endif

#if __has_include("build_version.h")
#include "build_version.h"
#else
#define WG_BUILD_VERSION "unbekannt"
#endif

namespace wg {

std::string computerName() {
    std::string name;
#ifdef _WIN32
    wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(buffer, &length) || !narrow(std::wstring(buffer, length), name)) return {};
#else
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0) return {};
    name = buffer;
#endif
    return name;
}

std::string programVersion() { return WG_BUILD_VERSION; }

} // namespace wg
