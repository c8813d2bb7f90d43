// Painting: invalidation, WM_PAINT's device contexts and what they draw (recorded per window),
// control colours, system colours, icons and the stock font.
#include <algorithm>

#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;

constexpr platform::Color kBtnFace = platform::rgb(240, 240, 240);
constexpr platform::Color kWindowBackground = platform::rgb(255, 255, 255);
constexpr int kColorWindow = 5;
constexpr platform::LResult kBtnFaceBrush = 0x0B00 + platform::sysColor::BtnFace;
constexpr std::uintptr_t kIconTokens = 0x1000, kGuiFontToken = 0x2000;

DeviceContext* contextOf(platform::PaintContext& context) {
    return static_cast<DeviceContext*>(context.native);
}

void record(platform::PaintContext& context, sim::PaintOp op) {
    if (DeviceContext* dc = contextOf(context)) dc->ops.push_back(std::move(op));
}

}  // namespace

namespace platform {

void invalidateRect(Window window, bool erase) {
    if (!window) {
        for (Window top : desktop().topLevel) invalidateTree(top);
        return;
    }
    if (!alive(window)) return;
    ++window->invalidations;
    window->invalid = true;
    window->erase = window->erase || erase;
}

PaintContext beginPaint(Window window) {
    Desktop& d = desktop();
    d.contexts.push_back(std::make_unique<DeviceContext>());
    DeviceContext* dc = d.contexts.back().get();
    dc->window = window;
    if (alive(window)) {
        window->invalid = false;
        if (window->erase) {
            window->erase = false;
            send(window, msg::EraseBkgnd, reinterpret_cast<WParam>(dc), 0);
        }
    }
    return {window, dc};
}

void endPaint(PaintContext& context) {
    DeviceContext* dc = contextOf(context);
    if (!dc) return;
    if (alive(context.window)) {
        context.window->lastPaint = dc->ops;
        ++context.window->paints;
    }
    auto& contexts = desktop().contexts;
    contexts.erase(std::remove_if(contexts.begin(), contexts.end(),
                                  [&](const auto& c) { return c.get() == dc; }),
                   contexts.end());
    context.native = nullptr;
}

void fillRect(PaintContext& context, Rect rect, Color color) {
    record(context, {sim::PaintKind::FillRect, rect, color, {}, {}, 0});
}

Color systemColor(int index) {
    if (index == sysColor::BtnFace) return kBtnFace;
    if (index == kColorWindow) return kWindowBackground;
    return 0;
}

void fillHorizontalGradient(PaintContext& context, Rect rect, const Color* colors, int count) {
    std::vector<Color> list(colors, colors + std::max(count, 0));
    record(context, {sim::PaintKind::Gradient, rect, 0, std::move(list), {}, 0});
}

void drawText(PaintContext& context, const Text& text, Rect rect, unsigned format, Color color) {
    record(context, {sim::PaintKind::Text, rect, color, {}, text, format});
}

LResult controlColors(WParam deviceContext, Color textColor) {
    if (auto* dc = reinterpret_cast<DeviceContext*>(deviceContext)) {
        dc->textColor = textColor;
        dc->transparent = true;
    }
    return kBtnFaceBrush;
}

std::uintptr_t loadIcon(const char* resourceName, int size) {
    if (!resourceName) return 0;
    return kIconTokens + static_cast<std::uintptr_t>(std::max(size, 0));
}

std::uintptr_t stockGuiFont() { return kGuiFontToken; }

}  // namespace platform

namespace sim {

const std::vector<PaintOp>& lastPaint(platform::Window window) {
    static const std::vector<PaintOp> none;
    return window ? window->lastPaint : none;
}

std::vector<Text> paintedTexts(platform::Window window) {
    std::vector<Text> texts;
    for (const PaintOp& op : lastPaint(window))
        if (op.kind == PaintKind::Text) texts.push_back(op.text);
    return texts;
}

int paintCount(platform::Window window) { return window ? window->paints : 0; }

int invalidateCount(platform::Window window) { return window ? window->invalidations : 0; }

bool needsPaint(platform::Window window) { return detail::alive(window) && window->invalid; }

void setScreenSize(int width, int height) {
    detail::desktop().screenWidth = width;
    detail::desktop().screenHeight = height;
}

}  // namespace sim
