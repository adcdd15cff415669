#include "app/NoInputMethod.h"

void DisableInputMethod(HWND window) {
    // Looked up rather than linked: without imm32 there is no input method to keep away. The
    // library stays loaded, as it holds the window's association.
    HMODULE imm = LoadLibraryW(L"imm32.dll");
    if (imm == nullptr) return;
    using AssociateContextCall = BOOL(WINAPI*)(HWND, HANDLE, DWORD);
    const auto associate = reinterpret_cast<AssociateContextCall>(
        reinterpret_cast<void*>(GetProcAddress(imm, "ImmAssociateContextEx")));
    if (associate != nullptr) associate(window, nullptr, 0); // no context: no input method
}
