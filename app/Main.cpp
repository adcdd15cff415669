// Program entry: `--resident` waits hidden for the shortcut, `--quit` ends a resident one, and
// anything else starts the tool at once. The show command is not used.
#include "app/MainWindow.h"
#include "app/SingleInstance.h"

#include <cwchar>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    while (*arguments == L' ' || *arguments == L'\t')
        ++arguments;
    if (std::wcscmp(arguments, L"--quit") == 0) return QuitResident();
    return RunTarvok(instance, std::wcscmp(arguments, L"--resident") == 0);
}
