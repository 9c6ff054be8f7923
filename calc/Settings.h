// The six inputs kept in the settings file between runs.
//
// A value is written as FormatFixed's text with the setting's decimals ("%.0f" or "%.2f")
// when that text has at most kMaxSettingTextLength characters. A longer one (only exponents
// typed in an input reach it, such as 1e60) is written in the shortest exponent form that
// reads back as the same number ("1e+60"); an infinity as "1e999" or "-1e999", which read
// back as infinities; a NaN, which no input text gives, as 0.
#pragma once

#include <cstddef>
#include <string>

#include "calc/FormAccess.h"
#include "calc/OpticsState.h"

// Relative to the working directory at each call.
inline constexpr const char* kSettingsPath = ".\\config.ini";

inline constexpr std::size_t kMaxSettingTextLength = 51;

// Sets the six input controls' texts from the file (or the defaults).
void ReadSettings(FormAccess& form, const std::string& path = kSettingsPath);
// Writes the six stored values, formatted; a failed write changes nothing.
void WriteSettings(const OpticsState& state, const std::string& path = kSettingsPath);

// The text that WriteSettings stores for a value with that many decimals.
std::string FormatSettingValue(double value, int decimals);
