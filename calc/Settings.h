// The six inputs kept in the settings file between runs.
#pragma once

#include <string>

#include "calc/FormAccess.h"
#include "calc/OpticsState.h"

// Relative to the working directory at each call.
inline constexpr const char* kSettingsPath = ".\\config.ini";

// Sets the six input controls' texts from the file (or the defaults).
void ReadSettings(FormAccess& form, const std::string& path = kSettingsPath);
// Writes the six stored values, formatted; a failed write changes nothing.
void WriteSettings(const OpticsState& state, const std::string& path = kSettingsPath);
