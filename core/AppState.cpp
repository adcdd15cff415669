#include "core/AppState.h"

MicroCoord ScreenWidth = 0;
MicroCoord ScreenHeight = 0;
int ScreenDpi = 96;

std::int16_t ZoomFactor = 1;
MicroCoord ViewOriginX = 0;
MicroCoord ViewOriginY = 0;
std::int64_t WheelRemainder = 0;

bool Marking = false;
MicroBox MarkBox;
MicroCoord MarkAnchorX = 0;
MicroCoord MarkAnchorY = 0;
MicroCoord CursorX = 0;
MicroCoord CursorY = 0;
bool MarkingLine = false;

bool ColorMode = false;
ColorRef PickedColor = 0;
ColorRef ReferenceColor = NoColor;
wchar_t ColorWebText[ColorWebTextLength] = {};

bool Panning = false;
MicroCoord PanLastX = 0;
MicroCoord PanLastY = 0;
MicroCoord PanRemainderX = 0;
MicroCoord PanRemainderY = 0;

std::uint16_t SizeCursorId = 0; // 101 once the window is created
std::uint16_t ColorCursorId = 105;

ColorFormat ColorTextFormat = ColorFormat::Web;

bool PixelGrid = false;

int SampleArea = 1;
std::wstring ShortcutText = L"Win+Alt+M";
std::wstring SettingsPath;
