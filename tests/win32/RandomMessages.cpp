#include "win32/RandomMessages.h"

MessageGenerator::MessageGenerator(std::uint32_t seed, int width, int height, bool hostile)
    : Random(seed), Width(width), Height(height), Hostile(hostile) {}

int MessageGenerator::Coordinate(int extent) {
    static constexpr int Limits[] = {0, -1, 32767, -32768, 65535};
    switch (Random() % 8) {
    case 0:
        return Limits[Random() % 5];
    case 1: // off the screen, as a captured drag goes
        return static_cast<int>(Random() % 600) - 300 + (Random() % 2 ? extent : 0);
    default:
        return static_cast<int>(Random() % static_cast<unsigned>(extent));
    }
}

LPARAM MessageGenerator::Position() {
    if (Random() % 4 == 0) {
        X = Coordinate(Width);
        Y = Coordinate(Height);
    } else { // a small step, as a drag makes
        X += static_cast<int>(Random() % 31) - 15;
        Y += static_cast<int>(Random() % 31) - 15;
    }
    return MAKELPARAM(X & 0xFFFF, Y & 0xFFFF);
}

WPARAM MessageGenerator::Buttons() const {
    return (LeftHeld ? MK_LBUTTON : 0) | (RightHeld ? MK_RBUTTON : 0);
}

RandomMessage MessageGenerator::Next() {
    if (!Pending.empty()) {
        const RandomMessage next = Pending.front();
        Pending.pop_front();
        return next;
    }
    const unsigned kind = Random() % 20;
    if (kind < 10) return {WM_MOUSEMOVE, Buttons(), Position()};
    if (kind < 14) {
        static constexpr UINT Left[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
        static constexpr UINT Right[] = {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK};
        // A user's input drags with the right button (pans) more often than with the left.
        const bool left = kind < (Hostile ? 12 : 11);
        const UINT message = (left ? Left : Right)[Random() % 3];
        bool& held = left ? LeftHeld : RightHeld;
        held = message != WM_LBUTTONUP && message != WM_RBUTTONUP;
        // Some left presses hold Ctrl: they draw lines.
        const WPARAM ctrl = message == WM_LBUTTONDOWN && Random() % 3 == 0 ? MK_CONTROL : 0;
        return {message, Buttons() | ctrl, Position()};
    }
    const LPARAM repeat = Random() % 4 ? 0x00010001 : 0x40010001; // sometimes auto-repeated
    if (kind == 16 && Random() % 2) { // the wheel, by whole notches and parts of one
        const int delta = Hostile ? static_cast<std::int16_t>(Random())
                                  : (static_cast<int>(Random() % 17) - 8) * 30;
        return {WM_MOUSEWHEEL, MAKEWPARAM(Buttons(), delta), Position()};
    }
    if (kind == 16) { // colour format, grid, the averaged area, and Ctrl+C's pick
        static constexpr WPARAM ViewKeys[] = {'F', 'G', 'A', 'A'};
        const unsigned pick = Random() % 5;
        if (pick == 4) return {WM_CHAR, 3, repeat};
        return {WM_KEYDOWN, ViewKeys[pick], repeat};
    }
    if (Hostile && kind == 19) {
        WPARAM key = NextKey++ % 256;
        if (key == VK_F1) key = NextKey++ % 256; // the modal panel is tested on its own
        return {WM_KEYDOWN, key, repeat};
    }
    if (Hostile && kind >= 17) {
        WPARAM character = NextCharacter++ % 65536;
        if (character == 27) character = NextCharacter++ % 65536; // Escape would end the run
        return {WM_CHAR, character, repeat};
    }
    if (kind == (Hostile ? 16 : 19)) { // pinning, unpinning and copying the pins
        const unsigned pick = Random() % 40;
        if (pick < 20) { // a drag released with Shift held: press now, then move and release
            LeftHeld = true;
            const WPARAM ctrl = pick % 2 ? MK_CONTROL : 0; // half of the pins are lines
            const RandomMessage press = {WM_LBUTTONDOWN, Buttons() | ctrl, Position()};
            Pending.push_back({WM_MOUSEMOVE, Buttons(), Position()});
            LeftHeld = false;
            Pending.push_back({WM_LBUTTONUP, MK_SHIFT | Buttons(), Position(), true});
            return press;
        }
        if (pick < 26) return {WM_KEYDOWN, VK_BACK, repeat};
        if (pick < 27) return {WM_KEYDOWN, VK_DELETE, repeat};
        return {WM_CHAR, 3, repeat, true}; // Ctrl+Shift+C
    }
    if (!Hostile && kind == 18) { // edges on and off, and the tolerance
        static constexpr WPARAM EdgeKeys[] = {'E', 'E', VK_PRIOR, VK_NEXT};
        return {WM_KEYDOWN, EdgeKeys[Random() % 4], repeat};
    }
    static constexpr wchar_t Keys[] = L"1234567890123456789  \r\r";
    return {WM_CHAR, static_cast<WPARAM>(Keys[Random() % 23]), repeat};
}

void SendRandomMessage(HWND window, const RandomMessage& message) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = message.Shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(window, message.Message, message.WParam, message.LParam);
}

std::string Describe(const RandomMessage& m) {
    const auto x = static_cast<std::int16_t>(m.LParam & 0xFFFF);
    const auto y = static_cast<std::int16_t>((m.LParam >> 16) & 0xFFFF);
    switch (m.Message) {
    case WM_CHAR:
        return "WM_CHAR " + std::to_string(m.WParam);
    case WM_KEYDOWN:
        return "WM_KEYDOWN " + std::to_string(m.WParam);
    default:
        return "message " + std::to_string(m.Message) + " at " + std::to_string(x) + "," +
               std::to_string(y);
    }
}
