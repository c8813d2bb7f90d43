// The seam between the program and Windows: the few calls the program makes, named after what
// they do there. win32/ implements them with the real API; sim/ with a simulated desktop for
// tests. The build links exactly one of them; program code never knows which.
//
// Numbers (messages, styles, flags, virtual keys) carry their Win32 values, so the win32
// backend passes them through unchanged. Texts are GBK bytes (see text.h); the win32 backend
// converts them to UTF-16 at this boundary.
#pragma once

#include <cstdint>

#include "platform/text.h"

// Windows calls window procedures and system functions with __stdcall on 32-bit x86 (on x64
// there is one convention), so a window procedure of the program is declared with this.
#if defined(_WIN32) && !defined(_WIN64)
#define PLATFORM_WINAPI __stdcall
#else
#define PLATFORM_WINAPI
#endif

namespace platform {

struct WindowTag;
using Window = WindowTag*;  // HWND
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
using WindowProc = LResult(PLATFORM_WINAPI*)(Window, unsigned message, WParam, LParam);
using Color = std::uint32_t;  // COLORREF: 0x00BBGGRR

constexpr Color rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct Message {
    Window window = nullptr;
    unsigned message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

namespace msg {
constexpr unsigned Create = 0x0001, Destroy = 0x0002, SetFocus = 0x0007, KillFocus = 0x0008,
                   SetText = 0x000C, Paint = 0x000F, Close = 0x0010, Quit = 0x0012,
                   EraseBkgnd = 0x0014, SetCursor = 0x0020, SetFont = 0x0030, GetFont = 0x0031, SetIcon = 0x0080,
                   NcDestroy = 0x0082, KeyDown = 0x0100, KeyUp = 0x0101, Char = 0x0102,
                   SysKeyDown = 0x0104, Command = 0x0111, SysCommand = 0x0112, Timer = 0x0113,
                   MouseMove = 0x0200, LButtonDown = 0x0201, LButtonUp = 0x0202,
                   CaptureChanged = 0x0215, Hotkey = 0x0312, CtlColorStatic = 0x0138,
                   CtlColorBtn = 0x0135, App = 0x8000;
// Posted by the precise tick source (see startPreciseTicks).
constexpr unsigned PreciseTick = App + 0x100;
// Button, edit and combo-box control messages.
constexpr unsigned BmGetCheck = 0x00F0, BmSetCheck = 0x00F1, BmClick = 0x00F5,
                   EmLimitText = 0x00C5, CbGetCurSel = 0x0147,
                   CbSetCurSel = 0x014E, CbShowDropDown = 0x014F, CbSetItemHeight = 0x0153,
                   CbGetItemHeight = 0x0154, CbGetDroppedState = 0x0157;
}  // namespace msg

// Notification codes carried in the high word of WM_COMMAND's wParam.
namespace notify {
constexpr unsigned ButtonClicked = 0, EditKillFocus = 0x0200, ComboSelEndOk = 9;
}

namespace style {
constexpr std::uint32_t Child = 0x40000000, Visible = 0x10000000, ClipChildren = 0x02000000,
                        ClipSiblings = 0x04000000,
                        Caption = 0x00C00000, SysMenu = 0x00080000, MinimizeBox = 0x00020000,
                        TabStop = 0x00010000, VScroll = 0x00200000, Popup = 0x80000000;
constexpr std::uint32_t BsPushButton = 0x0, BsAutoCheckBox = 0x3, BsGroupBox = 0x7,
                        BsLeft = 0x100, BsCenter = 0x300, BsVCenter = 0xC00,
                        BsMultiline = 0x2000;
constexpr std::uint32_t EsLeft = 0x0, EsAutoHScroll = 0x80;
constexpr std::uint32_t CbsDropDownList = 0x3, CbsAutoHScroll = 0x40;
constexpr std::uint32_t ExClientEdge = 0x200;
}  // namespace style

namespace show {
constexpr int Hide = 0, Show = 5, ShowNa = 8;
}

namespace pos {
constexpr std::uint32_t NoSize = 0x1, NoMove = 0x2, NoZOrder = 0x4, NoActivate = 0x10;
}

// Special insert-after values of setWindowPos.
enum class ZPlace { After, Top, Bottom, Topmost, NoTopmost };

namespace vk {
constexpr unsigned Tab = 0x09, Shift = 0x10, Control = 0x11, Menu = 0x12, Escape = 0x1B,
                   Up = 0x26, F1 = 0x70, F3 = 0x72, F4 = 0x73, F12 = 0x7B;
}

namespace hotkeyFlag {
constexpr unsigned Alt = 1, Control = 2, Shift = 4, NoRepeat = 0x4000;
}

namespace mouseFlag {
constexpr unsigned Move = 0x1, LeftDown = 0x2, LeftUp = 0x4, RightDown = 0x8, RightUp = 0x10,
                   Absolute = 0x8000;
}

namespace metric {
constexpr int CxScreen = 0, CyScreen = 1;
}

namespace sysColor {
constexpr int BtnFace = 15;
}

// DrawText formats.
namespace dt {
constexpr unsigned Left = 0x0, Center = 0x1, VCenter = 0x4, WordBreak = 0x10,
                   SingleLine = 0x20, NoClip = 0x100, NoPrefix = 0x800;
}

// ---- Windows, classes and messages -------------------------------------------------------

// A window class of the program's own. cursorResource 0 gives the arrow, otherwise the
// program's cursor resource of that number. The class background is COLOR_BTNFACE.
void registerClass(const char* className, WindowProc proc, int cursorResource);

// The system classes "BUTTON", "EDIT" and "COMBOBOX", or a class registered above. Returns
// nullptr when the window cannot be created. The rect is relative to the parent's client area
// (to the screen for a top-level window) and gives the outer size.
Window createWindow(const char* className, const Text& text, std::uint32_t style,
                    std::uint32_t exStyle, Rect rect, Window parent, int id);
bool destroyWindow(Window window);
LResult defWindowProc(Window window, unsigned message, WParam wParam, LParam lParam);
// SetWindowLongPtr(GWLP_WNDPROC): installs proc, returns the previous procedure.
WindowProc setWindowProc(Window window, WindowProc proc);
LResult callWindowProc(WindowProc proc, Window window, unsigned message, WParam wParam,
                       LParam lParam);
LResult sendMessage(Window window, unsigned message, WParam wParam, LParam lParam);
bool postMessage(Window window, unsigned message, WParam wParam, LParam lParam);
int controlId(Window window);
// CB_ADDSTRING with a GBK item text.
void addListItem(Window comboBox, const Text& item);

// ---- The message loop ----------------------------------------------------------------------

// False when WM_QUIT is fetched; its wParam is then the exit code.
bool getMessage(Message& message);
void translateMessage(const Message& message);
LResult dispatchMessage(const Message& message);
void postQuitMessage(int exitCode);
bool keyIsDown(unsigned virtualKey);  // GetKeyState at the time of the current message

// ---- Window state --------------------------------------------------------------------------

void setWindowText(Window window, const Text& text);
Text getWindowText(Window window);
bool showWindow(Window window, int command);
bool isWindowVisible(Window window);
bool setWindowPos(Window window, ZPlace place, Window after, int x, int y, int width, int height,
                  std::uint32_t flags);
Rect windowRect(Window window);  // outer rectangle, screen coordinates
Rect clientRect(Window window);  // client area, origin 0,0
Window setParent(Window window, Window parent);
Window parentOf(Window window);
Window setFocus(Window window);
Window focusedWindow();
bool isChildOf(Window parent, Window window);  // any depth
void invalidateRect(Window window, bool erase);
void setCapture(Window window);
void releaseCapture();
Window captureWindow();
bool pointInWindow(Window window, Point screenPoint);
int systemMetric(int index);

// Icons from the program's resources and the stock GUI font, as values for WM_SETICON and
// WM_SETFONT.
std::uintptr_t loadIcon(const char* resourceName, int size);
std::uintptr_t stockGuiFont();

// ---- Painting (inside WM_PAINT) ------------------------------------------------------------

struct PaintContext {
    Window window = nullptr;
    void* native = nullptr;
};
PaintContext beginPaint(Window window);
void endPaint(PaintContext& context);
void fillRect(PaintContext& context, Rect rect, Color color);
Color systemColor(int index);
// Horizontal gradient through the given colours, evenly spaced from left to right.
void fillHorizontalGradient(PaintContext& context, Rect rect, const Color* colors, int count);
void drawText(PaintContext& context, const Text& text, Rect rect, unsigned format, Color color);

// WM_CTLCOLORSTATIC / WM_CTLCOLORBTN answer for a standard control: sets the text colour and a
// transparent background on the control's device context (the message's wParam) and returns
// the COLOR_BTNFACE brush as the message's result.
LResult controlColors(WParam deviceContext, Color textColor);

// WM_ERASEBKGND answer: fills the window's client area on the device context (the message's
// wParam) with COLOR_BTNFACE.
void eraseBackground(Window window, WParam deviceContext);

// ---- Message boxes -------------------------------------------------------------------------

// MessageBoxA(NULL, text, title, style): the button's id, 0 when the box fails.
int messageBox(const Text& text, const Text& title, std::uint32_t style);

// ---- Timers and hotkeys --------------------------------------------------------------------

void setTimer(Window window, std::uintptr_t id, unsigned milliseconds);
void killTimer(Window window, std::uintptr_t id);
// Precise ticks: a finer tick source than setTimer, which rounds every period up to the system
// tick (about 15.6 ms on Windows). A timing thread posts msg::PreciseTick to the window at
// absolute deadlines (each the previous one plus the period, so the rate does not drift), and
// at most one tick is pending. A deadline that passes while the tick waits is made up as soon as
// the tick is taken if it is less than kTickCatchUpMs late (jitter of the wake-up or of the
// thread); later deadlines merge into the waiting tick, and the deadlines then keep their grid
// from after the stall. FromNow puts the first deadline one period after the start; WallClock
// puts every deadline just after a whole multiple of the period in wall-clock time (1000: just
// after each second turns).
constexpr unsigned kTickCatchUpMs = 5;
enum class TickPhase { FromNow, WallClock };
// How long after the turn of the wall clock a WallClock deadline lies: reading the local time in
// the tick then gives the new second for certain.
constexpr unsigned kWallClockTickDelayMs = 1;
// Starts or restarts the window's ticks; a tick of an earlier start still queued goes stale.
void startPreciseTicks(Window window, unsigned periodMs, TickPhase phase);
void stopPreciseTicks(Window window);
// First thing on each msg::PreciseTick (its wParam is the stamp): true for a tick of the current
// start, which then stops being pending; false for a stale one, which must be ignored.
bool acceptPreciseTick(Window window, WParam stamp);

bool registerHotKey(Window window, int id, unsigned modifiers, unsigned virtualKey);
bool unregisterHotKey(Window window, int id);

// ---- Pointer and synthetic input -----------------------------------------------------------

bool cursorPos(Point& point);
void setCursorPos(int x, int y);
void mouseEvent(unsigned flags, int dx, int dy, unsigned data, std::uintptr_t extraInfo);

// ---- Shell and registry --------------------------------------------------------------------

// ShellExecuteA(NULL, "open", target, NULL, NULL, SW_SHOW): > 32 on success.
std::intptr_t shellOpen(const Text& target);
// The default value of HKEY_CLASSES_ROOT\subKey, read into a 260-byte buffer.
bool readClassesRootDefault(const Text& subKey, Text& value);
// WinExec(commandLine, SW_SHOW): > 32 on success.
unsigned winExec(const Text& commandLine);

// ---- Time, process and libraries -----------------------------------------------------------

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalTime localTime();

void oleInitialize();
void oleUninitialize();
Text moduleFileName();
void setCurrentDirectory(const Text& path);
[[noreturn]] void exitProcess(int exitCode);

struct ModuleTag;
using Module = ModuleTag*;
Module loadLibrary(const char* name);
void* procAddress(Module module, const char* name);
void freeLibrary(Module module);
void* currentProcess();

// The signature of kernel32's SetProcessWorkingSetSize.
using SetProcessWorkingSetSizeFn = int(PLATFORM_WINAPI*)(void* process, std::size_t minimum,
                                                        std::size_t maximum);

}  // namespace platform
