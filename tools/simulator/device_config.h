#pragma once
#include <string>

#include "logger_device.h"

namespace wg::sim {

// A simulated logger's state and behaviour as a file or options give them.
struct DeviceConfig {
    DeviceState state;
    Behaviour behaviour;
    bool eventsGiven = false;  // the first "event" replaces the demo events
};

// Applies one setting ("key", "value"); false with `error` set for an
// unknown key or a bad value. The keys are listed by settingsHelp().
bool applySetting(DeviceConfig& config, const std::string& key, const std::string& value,
                  std::string& error);

// A settings file: one "key = value" per line; blank lines and lines
// starting with "#" are skipped.
bool applySettingsText(DeviceConfig& config, const std::string& text, std::string& error);

// The keys, their meaning and their defaults, for --help.
std::string settingsHelp();

} // namespace wg::sim
