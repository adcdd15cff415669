// Start with Windows: the current user's Run entry that starts this exe resident at sign-in.
#pragma once

// True while the entry is set.
bool StartsWithWindows();

// Sets the entry to this exe with --resident, or removes it.
void SetStartWithWindows(bool on);
