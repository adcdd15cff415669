// A second process that holds the clipboard open, for the copy tests: until told to let go,
// or for the number of milliseconds given as its argument.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"TarvokTestClipboardHeld");
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, L"TarvokTestClipboardRelease");
    if (!ready || !release || !OpenClipboard(nullptr)) return 1;
    SetEvent(ready);
    WaitForSingleObject(release, argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 20000);
    CloseClipboard();
    return 0;
}
