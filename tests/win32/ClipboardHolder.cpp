// A second process that holds the clipboard open until told to let go, for the copy tests.
#include <windows.h>

int main() {
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"TarvokTestClipboardHeld");
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, L"TarvokTestClipboardRelease");
    if (!ready || !release || !OpenClipboard(nullptr)) return 1;
    SetEvent(ready);
    WaitForSingleObject(release, 20000);
    CloseClipboard();
    return 0;
}
