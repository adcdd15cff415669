// The settings kept between runs: the state's kept values as the settings file writes them, and
// the file's values taken into the state. No platform calls.
#pragma once

#include "core/SettingsText.h"

// The section of the settings file that holds them.
constexpr std::string_view KeptSection = "Tarvok";

// The kept settings of the current state, by name, in the order a new file lists them.
SettingValues KeptSettings();

// Takes into the state each kept setting that the text gives an allowed value; one that is
// missing or not allowed leaves the state's value, its default at start.
void ApplySettings(const SettingsText& text);
