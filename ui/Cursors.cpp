#include "ui/Cursors.h"

#include "app/Handles.h"
#include "ui/CursorCycle.h"

void SetModeCursor() {
    SetCursor(LoadCursorW(AppInstance, MAKEINTRESOURCEW(ModeCursorId())));
}

void CycleCursor() {
    StepModeCursorId();
    SetModeCursor();
}
