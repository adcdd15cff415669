// Seeded random input for the main window, as a user makes it or as a hostile sender might:
// moves anywhere (off the screen and at the 16-bit limits too), presses, releases, drags and
// double clicks of both buttons, and keys.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <random>
#include <string>

struct RandomMessage {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
    bool Shift = false; // held while the message is handled
};

class MessageGenerator {
  public:
    // Without `hostile` the keys are the tool's own (digits, Space, Enter, E, Page Up and Down,
    // F, G, A, Backspace, Delete, Ctrl+C, Ctrl+Shift+C) and the wheel turns by whole and part notches; with
    // it, every 16-bit character but Escape and a key-down of every virtual key but F1, in turn,
    // and any turn of the wheel. Both release some drags with Shift held.
    MessageGenerator(std::uint32_t seed, int width, int height, bool hostile);
    RandomMessage Next();

  private:
    int Coordinate(int extent);
    LPARAM Position();
    WPARAM Buttons() const;
    std::mt19937 Random;
    int Width, Height;
    bool Hostile;
    int X = 0, Y = 0;
    bool LeftHeld = false, RightHeld = false;
    unsigned NextCharacter = 0, NextKey = 0; // hostile input sweeps all of them in turn
    std::deque<RandomMessage> Pending;       // the rest of a gesture begun
};

// Sends the message to the window with Shift held as it says.
void SendRandomMessage(HWND window, const RandomMessage& message);

// "WM_MOUSEMOVE 12,-3" and the like, for failure messages.
std::string Describe(const RandomMessage& message);
