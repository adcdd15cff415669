#include "app/SingleInstance.h"

namespace {

constexpr DWORD QuitWaitMs = 10000;

} // namespace

bool TakeSingleInstance() {
    static HANDLE held = nullptr; // closed by the platform as the process ends
    if (held != nullptr) return true;
    // Local: the session's namespace, so another user's session runs a Tarvok of its own.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\Tarvok");
    if (mutex == nullptr) return true; // the platform cannot tell: run rather than not at all
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    held = mutex;
    return true;
}

void HandOverToRunning() {
    HWND resident = FindWindowW(ResidentClassName, nullptr);
    if (resident == nullptr) return; // a one-shot one: its frozen window is up already
    DWORD process = 0;
    GetWindowThreadProcessId(resident, &process);
    // This start came from the user, so it may lend the front to the process that measures.
    AllowSetForegroundWindow(process);
    PostMessageW(resident, MeasureRequest, 0, 0);
}

int QuitResident() {
    HWND resident = FindWindowW(ResidentClassName, nullptr);
    if (resident == nullptr) return 0;
    DWORD process = 0;
    GetWindowThreadProcessId(resident, &process);
    HANDLE running = OpenProcess(SYNCHRONIZE, FALSE, process);
    PostMessageW(resident, QuitRequest, 0, 0);
    if (running != nullptr) {
        WaitForSingleObject(running, QuitWaitMs);
        CloseHandle(running);
    }
    return 0;
}
