// One Tarvok per user session: the mutex that says one runs, and what a second start asks of a
// resident one (to measure, or to end).
#pragma once

#include <windows.h>

// The resident process's message window, and the requests a second start posts to it.
constexpr wchar_t ResidentClassName[] = L"TarvokResident";
constexpr UINT MeasureRequest = WM_APP + 1;
constexpr UINT QuitRequest = WM_APP + 2;

// Takes the session's Tarvok mutex for the rest of the process; false when another process
// holds it. True again within the process that holds it.
bool TakeSingleInstance();

// A plain start while another runs: a resident one measures; the caller then ends.
void HandOverToRunning();

// --quit: ends a resident one and waits a while for it to go; nothing when none runs. Returns
// the exit code, 0.
int QuitResident();
