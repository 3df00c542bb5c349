#pragma once
#include <cstdint>
#include <string>

#include "files/status.h"
#include "platform/clock.h"

namespace wg {

inline constexpr const char* kSettingsDirectory = "..\\init\\";
inline constexpr const char* kSettingsFileName = "Wakeguard.ini";
// The password field holds 31 characters; a login compares at most 8.
inline constexpr std::size_t kSettingsPasswordLimit = 31;

// The values that outlive a program run.
struct Settings {
    std::int32_t windowWidth = 0;
    std::int32_t windowHeight = 0;
    std::string password;
    std::int32_t timeZone = 0;  // 0 UTC, 1 local time; others kept as read
};

// 0, 'f', 'h' or 'n'. Keys the file lacks keep their values.
Status readSettings(const std::string& directory, Settings& settings, Clock& clock);
// 0 or 'o'.
Status writeSettings(const std::string& directory, const Settings& settings);

} // namespace wg
