// Counts the GDI objects that the program code makes and releases, by routing this test
// executable's imports of the creating and deleting calls through counting wrappers.
// (Wine's GetGuiResources reports no GDI counts, so the count is kept here.)
#pragma once

#include <windows.h>

#include <set>

struct GdiLedger {
    GdiLedger();
    ~GdiLedger();
    std::set<HGDIOBJ> Live; // made and not yet deleted
    int Made = 0;
};
