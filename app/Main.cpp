// Program entry: the command line and show command are not used.
#include "app/MainWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return RunTarvok(instance);
}
