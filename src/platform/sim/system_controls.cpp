// The system control classes BUTTON, EDIT and COMBOBOX: their state, keys, notifications and
// painting.
#include "platform/sim/desktop.h"

namespace {

using namespace sim::detail;
using namespace platform;

namespace code {
constexpr unsigned EnSetFocus = 0x0100, EnChange = 0x0300, EnUpdate = 0x0400,
                   EnMaxText = 0x0501;
constexpr unsigned CbnSelChange = 1, CbnSetFocus = 3, CbnKillFocus = 4, CbnDropDown = 7,
                   CbnCloseUp = 8, CbnSelEndCancel = 10;
}  // namespace code

constexpr unsigned kCbAddString = 0x0143, kCbGetCount = 0x0146, kCtlColorEdit = 0x0133;
constexpr unsigned kGetFont = 0x0031;  // WM_GETFONT: the font of the last WM_SETFONT
constexpr unsigned kVkSpace = 0x20, kVkDown = 0x28;
constexpr unsigned kButtonTypeMask = 0xF, kBsDefPushButton = 0x1;

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Characters of a GBK text: a lead byte and the byte after it are one.
std::size_t characterCount(const Text& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        i += isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    return count;
}

void removeLastCharacter(Text& text) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size();) {
        last = i;
        i += isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    text.erase(last);
}

// System controls paint their text in the colour their parent's WM_CTLCOLOR* answer set.
void paintControl(Window window, unsigned colorMessage, const Text& text, unsigned format) {
    PaintContext context = beginPaint(window);
    auto* dc = static_cast<DeviceContext*>(context.native);
    if (alive(window->parent))
        send(window->parent, colorMessage, reinterpret_cast<WParam>(dc),
             reinterpret_cast<LParam>(window));
    drawText(context, text, clientRect(window), format, dc ? dc->textColor : 0);
    endPaint(context);
}

// ---- BUTTON ----

unsigned buttonType(Window window) { return window->style & kButtonTypeMask; }

void buttonClicked(Window window) {
    if (buttonType(window) == style::BsAutoCheckBox) {
        window->check = window->check ? 0 : 1;
        invalidateRect(window, true);
    }
    notifyParent(window, notify::ButtonClicked);
}

LResult PLATFORM_WINAPI buttonProc(Window window, unsigned message, WParam wParam,
                                   LParam lParam) {
    const bool groupBox = buttonType(window) == style::BsGroupBox;
    switch (message) {
    case msg::BmGetCheck:
        return window->check;
    case msg::BmSetCheck:
        window->check = static_cast<int>(wParam);
        invalidateRect(window, true);
        return 0;
    case msg::BmClick:
        send(window, msg::LButtonDown, 1, 0);
        send(window, msg::LButtonUp, 0, 0);
        return 0;
    case msg::LButtonDown:
        if (!groupBox) setFocus(window);
        return 0;
    case msg::LButtonUp:
        if (!groupBox) buttonClicked(window);
        return 0;
    case msg::KeyDown:
        if (wParam == kVkSpace && !groupBox) window->spaceDown = true;
        return 0;
    case msg::KeyUp:
        if (wParam == kVkSpace && window->spaceDown) {
            window->spaceDown = false;
            buttonClicked(window);
        }
        return 0;
    case msg::SetText:
        defWindowProc(window, message, wParam, lParam);
        invalidateRect(window, true);
        return 1;
    case msg::Paint: {
        const unsigned type = buttonType(window);
        const bool push = type == style::BsPushButton || type == kBsDefPushButton;
        const unsigned format = groupBox ? dt::Left | dt::SingleLine
                                : push   ? dt::Center | dt::VCenter
                                         : dt::Left | dt::VCenter;
        paintControl(window, push ? msg::CtlColorBtn : msg::CtlColorStatic, window->text, format);
        return 0;
    }
    case kGetFont:
        return static_cast<LResult>(window->font);
    default:
        return defWindowProc(window, message, wParam, lParam);
    }
}

// ---- EDIT ----

void textChanged(Window window) {
    invalidateRect(window, true);
    notifyParent(window, code::EnUpdate);
    notifyParent(window, code::EnChange);
}

void appendCharacter(Window window, const Text& character) {
    if (characterCount(window->text) + 1 > window->limit) {
        notifyParent(window, code::EnMaxText);
        return;
    }
    window->text += character;
    textChanged(window);
}

void editChar(Window window, WParam wParam) {
    const auto byte = static_cast<unsigned char>(wParam & 0xFF);
    if (window->pendingLeadByte >= 0) {
        const Text pair{static_cast<char>(window->pendingLeadByte), static_cast<char>(byte)};
        window->pendingLeadByte = -1;
        appendCharacter(window, pair);
    } else if (byte == 0x08) {
        if (window->text.empty()) return;
        removeLastCharacter(window->text);
        textChanged(window);
    } else if (byte < 0x20 || byte == 0x7F) {
        // other control characters do nothing in a single-line box
    } else if (isLeadByte(byte)) {
        window->pendingLeadByte = byte;
    } else {
        appendCharacter(window, Text(1, static_cast<char>(byte)));
    }
}

LResult PLATFORM_WINAPI editProc(Window window, unsigned message, WParam wParam,
                                 LParam lParam) {
    switch (message) {
    case msg::Char:
        editChar(window, wParam);
        return 0;
    case msg::EmLimitText:
        window->limit = wParam ? static_cast<unsigned>(wParam) : sim::kMaximumEditLimit;
        return 0;
    case msg::LButtonDown:
        setFocus(window);
        return 0;
    case msg::SetFocus:
        notifyParent(window, code::EnSetFocus);
        return 0;
    case msg::KillFocus:
        window->pendingLeadByte = -1;
        notifyParent(window, notify::EditKillFocus);
        return 0;
    case msg::SetText:
        defWindowProc(window, message, wParam, lParam);
        window->pendingLeadByte = -1;
        textChanged(window);
        return 1;
    case msg::Paint:
        paintControl(window, kCtlColorEdit, window->text, dt::Left | dt::SingleLine);
        return 0;
    case kGetFont:
        return static_cast<LResult>(window->font);
    default:
        return defWindowProc(window, message, wParam, lParam);
    }
}

// ---- COMBOBOX ----

void setDropped(Window window, bool dropped) {
    if (window->dropped == dropped) return;
    window->dropped = dropped;
    notifyParent(window, dropped ? code::CbnDropDown : code::CbnCloseUp);
}

void moveSelection(Window window, int step) {
    const int count = static_cast<int>(window->items.size());
    if (count == 0) return;
    int next = window->selection < 0 ? 0 : window->selection + step;
    next = next < 0 ? 0 : (next >= count ? count - 1 : next);
    if (next == window->selection) return;
    window->selection = next;
    invalidateRect(window, true);
    notifyParent(window, code::CbnSelChange);
}

LResult PLATFORM_WINAPI comboProc(Window window, unsigned message, WParam wParam,
                                  LParam lParam) {
    const int count = static_cast<int>(window->items.size());
    switch (message) {
    case kCbAddString:
        window->items.push_back(lParam ? reinterpret_cast<const char*>(lParam) : "");
        return count;
    case kCbGetCount:
        return count;
    case msg::CbGetCurSel:
        return window->selection;
    case msg::CbSetCurSel: {
        const auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
        window->selection = index >= 0 && index < count ? index : -1;
        invalidateRect(window, true);
        return window->selection;
    }
    case msg::CbSetItemHeight:
        if (lParam <= 0 || lParam > 255) return -1;
        (static_cast<std::intptr_t>(wParam) == -1 ? window->fieldHeight : window->itemHeight) =
            static_cast<int>(lParam);
        return 0;
    case msg::CbGetItemHeight:
        return static_cast<std::intptr_t>(wParam) == -1 ? window->fieldHeight
                                                        : window->itemHeight;
    case msg::CbShowDropDown:
        setDropped(window, wParam != 0);
        return 1;
    case msg::CbGetDroppedState:
        return window->dropped ? 1 : 0;
    case msg::LButtonDown:
        setFocus(window);
        setDropped(window, !window->dropped);
        return 0;
    case msg::KeyDown:
        if (wParam == vk::Up) moveSelection(window, -1);
        if (wParam == kVkDown) moveSelection(window, 1);
        if (wParam == vk::F4) setDropped(window, !window->dropped);
        return 0;
    case msg::SetFocus:
        notifyParent(window, code::CbnSetFocus);
        return 0;
    case msg::KillFocus:
        if (window->dropped) {
            notifyParent(window, code::CbnSelEndCancel);
            setDropped(window, false);
        }
        notifyParent(window, code::CbnKillFocus);
        return 0;
    case msg::SetText: {
        // A drop-down list has no edit field: the text selects the item that matches it.
        const Text text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        for (int i = 0; i < count; ++i)
            if (equalsIgnoringCase(window->items[static_cast<std::size_t>(i)], text)) {
                window->selection = i;
                invalidateRect(window, true);
                return 1;
            }
        return -1;
    }
    case msg::Paint:
        paintControl(window, kCtlColorEdit, getWindowText(window), dt::Left | dt::SingleLine);
        return 0;
    case kGetFont:
        return static_cast<LResult>(window->font);
    default:
        return defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

namespace platform {

void addListItem(Window comboBox, const Text& item) {
    send(comboBox, kCbAddString, 0, reinterpret_cast<LParam>(item.c_str()));
}

}  // namespace platform

namespace sim::detail {

WindowProc systemProc(Kind kind) {
    switch (kind) {
    case Kind::Button: return buttonProc;
    case Kind::Edit: return editProc;
    case Kind::Combo: return comboProc;
    case Kind::Custom: break;
    }
    return nullptr;
}

void pasteIntoEdit(Window edit, const Text& text) {
    Text added;
    std::size_t room = edit->limit - std::min<std::size_t>(characterCount(edit->text), edit->limit);
    for (std::size_t i = 0; i < text.size() && room > 0; --room) {
        const std::size_t length =
            isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        added += text.substr(i, length);
        i += length;
    }
    if (added.size() < text.size()) notifyParent(edit, code::EnMaxText);
    if (added.empty()) return;
    edit->text += added;
    textChanged(edit);
}

void chooseItem(Window comboBox, int index) {
    const bool changed = comboBox->selection != index;
    comboBox->selection = index;
    comboBox->dropped = false;
    invalidateRect(comboBox, true);
    notifyParent(comboBox, notify::ComboSelEndOk);
    notifyParent(comboBox, code::CbnCloseUp);
    if (changed) notifyParent(comboBox, code::CbnSelChange);
}

}  // namespace sim::detail
