#include "ui/Cursors.h"

#include "core/Handles.h"
#include "ui/CursorCycle.h"

void SetModeCursor() {
    SetCursor(LoadCursorW(AppInstance, MAKEINTRESOURCEW(ModeCursorId())));
}

void CycleCursor() {
    StepModeCursorId();
    SetModeCursor();
}
