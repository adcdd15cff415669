#include "view/PanStep.h"

#include "app/MessagePoint.h"
#include "view/Pan.h"

void PanStep(HWND window, LPARAM lParam) {
    PanTo(MessageX(lParam), MessageY(lParam));
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}
