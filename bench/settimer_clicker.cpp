// settimer-clicker: the benchmark's point of comparison. It clicks the left button at a screen
// point on every tick of a plain SetTimer thread timer, as a program without a finer tick
// source would, for a given span, then ends.
//   settimer-clicker.exe interval-ms span-ms x y
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: settimer-clicker interval-ms span-ms x y\n", stderr);
        return 2;
    }
    const auto interval = static_cast<UINT>(std::atoi(argv[1]));
    const ULONGLONG span = static_cast<ULONGLONG>(std::atoll(argv[2]));
    const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
    const UINT_PTR timer = SetTimer(nullptr, 0, interval, nullptr);
    if (!timer) return 1;
    const ULONGLONG end = GetTickCount64() + span;
    MSG message;
    while (GetTickCount64() < end && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message != WM_TIMER) continue;
        // The same calls the program makes for one left click.
        SetCursorPos(x, y);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    }
    KillTimer(nullptr, timer);
    return 0;
}
