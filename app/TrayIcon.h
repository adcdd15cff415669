// The resident process's icon in the notification area: its tooltip, a balloon that warns, and
// its menu.
#pragma once

#include <windows.h>

#include <string>

// The message the icon sends its window; the mouse message is in lParam.
constexpr UINT IconMessage = WM_APP + 3;

// Adds the icon, or changes it when it is there, with the tooltip `tip`; with `warn`, a balloon
// says the tooltip's text as well.
void ShowTrayIcon(HWND owner, const std::wstring& tip, bool warn);

// Takes the icon away.
void RemoveTrayIcon(HWND owner);

enum class TrayCommand { None, Measure, StartWithWindows, Quit };

// The icon's menu at the pointer: Measure, Start with Windows (checked while `starting`), Quit.
TrayCommand ChooseFromTrayMenu(HWND owner, bool starting);
