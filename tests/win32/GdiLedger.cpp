#include "win32/GdiLedger.h"

#include <cstring>

void* PatchImport(const char* name, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
    for (; desc->Name != 0; ++desc) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), name) != 0) continue;
            DWORD old;
            VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
            void* previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
            return previous;
        }
    }
    return nullptr;
}

namespace {

GdiLedger* Current = nullptr;

template <typename F> struct Hook { F Original = nullptr; };
Hook<decltype(&CreateCompatibleDC)> MakeDC;
Hook<decltype(&CreateCompatibleBitmap)> MakeBitmap;
Hook<decltype(&CreateDIBSection)> MakeSection;
Hook<decltype(&CreatePen)> MakePen;
Hook<decltype(&CreateFontIndirectW)> MakeFont;
Hook<decltype(&DeleteObject)> Delete;
Hook<decltype(&DeleteDC)> DeleteContext;
Hook<decltype(&LoadImageW)> LoadImageHook;
Hook<decltype(&DestroyCursor)> DestroyCursorHook;

HGDIOBJ Note(HGDIOBJ object) {
    if (Current && object) {
        Current->Live.insert(object);
        ++Current->Made;
    }
    return object;
}

HDC WINAPI CountedCreateCompatibleDC(HDC dc) {
    return static_cast<HDC>(Note(MakeDC.Original(dc)));
}
bool Refused(int GdiLedger::*failures) {
    if (!Current || Current->*failures <= 0) return false;
    --(Current->*failures);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return true;
}
HBITMAP WINAPI CountedCreateCompatibleBitmap(HDC dc, int w, int h) {
    if (Refused(&GdiLedger::FailCompatibleBitmaps)) return nullptr;
    return static_cast<HBITMAP>(Note(MakeBitmap.Original(dc, w, h)));
}
HBITMAP WINAPI CountedCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                       HANDLE section, DWORD offset) {
    if (Current && Current->SpareDibSections > 0)
        --Current->SpareDibSections;
    else if (Refused(&GdiLedger::FailDibSections))
        return nullptr;
    return static_cast<HBITMAP>(Note(MakeSection.Original(dc, info, usage, bits, section, offset)));
}
HPEN WINAPI CountedCreatePen(int style, int width, COLORREF color) {
    return static_cast<HPEN>(Note(MakePen.Original(style, width, color)));
}
HFONT WINAPI CountedCreateFontIndirectW(const LOGFONTW* font) {
    return static_cast<HFONT>(Note(MakeFont.Original(font)));
}
BOOL WINAPI CountedDeleteObject(HGDIOBJ object) {
    BOOL done = Delete.Original(object);
    if (done && Current) Current->Live.erase(object);
    return done;
}
BOOL WINAPI CountedDeleteDC(HDC dc) {
    BOOL done = DeleteContext.Original(dc);
    if (done && Current) Current->Live.erase(dc);
    return done;
}
HANDLE WINAPI CountedLoadImageW(HINSTANCE module, LPCWSTR name, UINT type, int cx, int cy,
                                UINT flags) {
    HANDLE image = LoadImageHook.Original(module, name, type, cx, cy, flags);
    return flags & LR_SHARED ? image : Note(image);
}
BOOL WINAPI CountedDestroyCursor(HCURSOR cursor) {
    BOOL done = DestroyCursorHook.Original(cursor);
    if (done && Current) Current->Live.erase(cursor);
    return done;
}

template <typename F> void Install(Hook<F>& hook, const char* name, F wrapper) {
    void* previous = PatchImport(name, reinterpret_cast<void*>(wrapper));
    if (previous && previous != reinterpret_cast<void*>(wrapper))
        hook.Original = reinterpret_cast<F>(previous);
}

} // namespace

GdiLedger::GdiLedger() {
    Current = this;
    Install(MakeDC, "CreateCompatibleDC", &CountedCreateCompatibleDC);
    Install(MakeBitmap, "CreateCompatibleBitmap", &CountedCreateCompatibleBitmap);
    Install(MakeSection, "CreateDIBSection", &CountedCreateDIBSection);
    Install(MakePen, "CreatePen", &CountedCreatePen);
    Install(MakeFont, "CreateFontIndirectW", &CountedCreateFontIndirectW);
    Install(Delete, "DeleteObject", &CountedDeleteObject);
    Install(DeleteContext, "DeleteDC", &CountedDeleteDC);
    Install(LoadImageHook, "LoadImageW", &CountedLoadImageW);
    Install(DestroyCursorHook, "DestroyCursor", &CountedDestroyCursor);
}

GdiLedger::~GdiLedger() {
    Current = nullptr;
}
