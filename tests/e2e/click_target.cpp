// click-target: a helper window of the end-to-end tests. It covers a given screen rectangle
// and writes every mouse-button message it receives to standard output as one JSON line,
// flushed at once: {"event":"WM_LBUTTONDOWN","x":..,"y":..,"ms":..,"us":..,"utc_us":..} with the
// screen position, the tick count in ms, the performance counter in µs and the UTC time in µs.
// The first line, {"event":"ready",...}, says it is on screen.
//   click-target.exe x y width height [topmost]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

struct ButtonMessage {
    UINT message;
    const char* name;
};

constexpr ButtonMessage kLogged[] = {
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
    {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
};

// Microseconds of the performance counter: intervals of a millisecond need finer stamps than
// the tick count.
unsigned long long counterMicroseconds() {
    static const long long frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<unsigned long long>(now.QuadPart / frequency * 1000000 +
                                           now.QuadPart % frequency * 1000000 / frequency);
}

// Microseconds since 1970-01-01 UTC of the precise system time.
unsigned long long utcMicroseconds() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr unsigned long long kUnixEpoch = 116444736000000000ULL;  // in 100 ns since 1601
    return (ticks - kUnixEpoch) / 10;
}

void logButton(HWND window, const char* name, LPARAM lParam) {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &at);
    std::printf("{\"event\":\"%s\",\"x\":%ld,\"y\":%ld,\"ms\":%llu,\"us\":%llu,"
                "\"utc_us\":%llu}\n",
                name, at.x, at.y, static_cast<unsigned long long>(GetTickCount64()),
                counterMicroseconds(), utcMicroseconds());
    std::fflush(stdout);
}

LRESULT CALLBACK targetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const ButtonMessage& logged : kLogged)
        if (logged.message == message) {
            logButton(window, logged.name, lParam);
            return 0;
        }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: click-target x y width height [topmost]\n", stderr);
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const int width = std::atoi(argv[3]), height = std::atoi(argv[4]);
    const bool topmost = argc > 5 && std::string_view(argv[5]) == "topmost";

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;  // two quick clicks arrive as a double click
    windowClass.lpfnWndProc = targetProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = CreateSolidBrush(RGB(64, 160, 224));
    windowClass.lpszClassName = L"ClickTarget";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, L"ClickTarget", L"click-target",
                                  WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    if (!window) return 1;
    UpdateWindow(window);
    std::printf("{\"event\":\"ready\",\"hwnd\":%lld,\"x11\":%lld}\n",
                static_cast<long long>(reinterpret_cast<INT_PTR>(window)),
                static_cast<long long>(
                    reinterpret_cast<INT_PTR>(GetPropW(window, L"__wine_x11_whole_window"))));
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
