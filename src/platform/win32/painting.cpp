// Painting inside WM_PAINT: solid fills, the horizontal gradient, text in the window's font,
// and the colours of standard controls.
#include "platform/win32/native.h"

#include <memory>

namespace platform {

namespace {

struct PaintState {
    PAINTSTRUCT paint{};
    HGDIOBJ previousFont = nullptr;
};

PaintState& stateOf(PaintContext& context) { return *static_cast<PaintState*>(context.native); }
HDC dcOf(PaintContext& context) { return stateOf(context).paint.hdc; }

RECT toNative(Rect r) { return {r.left, r.top, r.right, r.bottom}; }

void fillSolid(HDC dc, const RECT& area, Color color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

unsigned channel(Color color, int shift) { return (color >> shift) & 0xFFu; }

// Linear blend of a and b at position / span.
Color blend(Color a, Color b, long long position, long long span) {
    Color out = 0;
    for (int shift : {0, 8, 16}) {
        const long long from = channel(a, shift), to = channel(b, shift);
        const long long value = from + (to - from) * position / span;
        out |= static_cast<Color>(value) << shift;
    }
    return out;
}

// The colour of column x (0 <= x < width) of a gradient through count evenly spaced colours.
Color gradientColumn(const Color* colors, int count, int x, int width) {
    if (count == 1 || width <= 1) return colors[0];
    const long long span = width - 1, segments = count - 1;
    const long long scaled = static_cast<long long>(x) * segments;  // in units of span
    const long long segment = scaled / span < segments ? scaled / span : segments - 1;
    return blend(colors[segment], colors[segment + 1], scaled - segment * span, span);
}

}  // namespace

PaintContext beginPaint(Window window) {
    auto state = std::make_unique<PaintState>();
    const HWND native = win32::hwnd(window);
    const HDC dc = BeginPaint(native, &state->paint);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(native, WM_GETFONT, 0, 0));
    if (dc && font) state->previousFont = SelectObject(dc, font);
    return {window, state.release()};
}

void endPaint(PaintContext& context) {
    if (!context.native) return;
    std::unique_ptr<PaintState> state(&stateOf(context));
    if (state->previousFont) SelectObject(state->paint.hdc, state->previousFont);
    EndPaint(win32::hwnd(context.window), &state->paint);
    context.native = nullptr;
}

void fillRect(PaintContext& context, Rect rect, Color color) {
    fillSolid(dcOf(context), toNative(rect), color);
}

Color systemColor(int index) { return GetSysColor(index); }

void fillHorizontalGradient(PaintContext& context, Rect rect, const Color* colors, int count) {
    if (count <= 0) return;
    const HDC dc = dcOf(context);
    const int width = rect.width();
    for (int x = 0; x < width; ++x) {
        const RECT column{rect.left + x, rect.top, rect.left + x + 1, rect.bottom};
        fillSolid(dc, column, gradientColumn(colors, count, x, width));
    }
}

void drawText(PaintContext& context, const Text& text, Rect rect, unsigned format, Color color) {
    const HDC dc = dcOf(context);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    std::wstring wideText = win32::wide(text);
    RECT area = toNative(rect);
    DrawTextW(dc, wideText.data(), static_cast<int>(wideText.size()), &area, format);
}

LResult controlColors(WParam deviceContext, Color textColor) {
    const HDC dc = reinterpret_cast<HDC>(deviceContext);
    SetTextColor(dc, textColor);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LResult>(GetSysColorBrush(COLOR_BTNFACE));
}

void eraseBackground(Window window, WParam deviceContext) {
    RECT client{};
    GetClientRect(win32::hwnd(window), &client);
    FillRect(reinterpret_cast<HDC>(deviceContext), &client, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace platform
