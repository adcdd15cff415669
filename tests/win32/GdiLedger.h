// Counts the GDI objects and cursors that the program code makes and releases, by routing this
// test executable's imports of the creating and deleting calls through counting wrappers.
// (Wine's GetGuiResources reports no GDI counts, so the count is kept here.) It can also make
// the bitmap calls fail. PatchImport, the routing itself, serves other fakes too.
#pragma once

#include <windows.h>

#include <set>

// Replaces the import of `name` in this executable's import table; returns the old target.
void* PatchImport(const char* name, void* replacement);

// Routes one platform call through a fake for the scope of a test.
struct Faked {
    Faked(const char* name, void* fake) : Name(name), Original(PatchImport(name, fake)) {}
    ~Faked() { PatchImport(Name, Original); }
    Faked(const Faked&) = delete;
    Faked& operator=(const Faked&) = delete;
    const char* Name;
    void* Original;
};

struct GdiLedger {
    GdiLedger();
    ~GdiLedger();
    std::set<HGDIOBJ> Live; // made and not yet deleted
    int Made = 0;
    // The next this many calls fail as when memory runs short.
    int FailCompatibleBitmaps = 0;
    int FailDibSections = 0;
    int SpareDibSections = 0; // made before the failures begin
};
