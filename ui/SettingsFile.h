// The settings file: settings.ini beside the exe when one stands there (a portable copy), else
// %APPDATA%\Tarvok\settings.ini. Read into the state at start, written back at the end.
#pragma once

// Names the file in SettingsPath and takes its settings into the state. Whatever cannot be
// read keeps its default; nothing is shown or asked.
void LoadSettings();

// Writes the file again when a kept setting differs from what LoadSettings left: the new text
// goes to a temporary file beside it, which then replaces it in one step. Nothing is written
// when the file could not be read or was no settings file at start, nor when it cannot be now.
void SaveSettingsIfChanged();
