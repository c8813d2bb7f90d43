// The window description made real: creation from the last row to the first, group-box
// children moved into their boxes, the z-order of the rows, then everything shown but the
// timers.
#include "app/window_builder.h"

#include <span>

#include "app/edit_filter.h"
#include "app/group_box.h"
#include "app/label_control.h"
#include "app/link_control.h"
#include "app/main_window.h"
#include "app/window_description.h"
#include "clicker/timer_control.h"
#include "hotkeys/start_key_table.h"

namespace {

using namespace platform::style;

constexpr int kDropDownListHeight = 160;
constexpr platform::WParam kIconBig = 1, kIconSmall = 0;

struct KindSettings {
    const char* className;  // nullptr: one of the program's own classes, chosen below
    std::uint32_t style;
    std::uint32_t exStyle;
};

KindSettings settingsOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return {"BUTTON", TabStop | BsPushButton | BsMultiline | BsCenter | BsVCenter, 0};
    case ControlKind::CheckBox:
        return {"BUTTON", TabStop | BsAutoCheckBox | BsMultiline | BsLeft | BsVCenter, 0};
    case ControlKind::Edit: return {"EDIT", TabStop | EsAutoHScroll | EsLeft, ExClientEdge};
    case ControlKind::DropDown:
        return {"COMBOBOX", TabStop | CbsDropDownList | CbsAutoHScroll | VScroll, 0};
    case ControlKind::GroupBox: return {"BUTTON", BsGroupBox | BsLeft, 0};
    case ControlKind::Label: return {kLabelClassName, 0, 0};
    case ControlKind::Link: return {kLinkClassName, 0, 0};
    case ControlKind::Timer: return {kTimerClassName, 0, 0};
    }
    return {};
}

std::span<const std::string_view> itemsOf(Control c) {
    if (c == Control::StartKeyCombo) return StartKeyNames;
    if (c == Control::ClickTypeCombo) return clickTypeItems();
    return {};
}

void fillDropDown(platform::Window box, Control c) {
    for (std::string_view item : itemsOf(c))
        platform::addListItem(box, Text(item));
    const platform::LResult itemHeight =
        platform::sendMessage(box, platform::msg::CbGetItemHeight, 0, 0);
    platform::sendMessage(box, platform::msg::CbSetItemHeight, 0, itemHeight + 1);
    if (c == Control::ClickTypeCombo) platform::sendMessage(box, platform::msg::CbSetCurSel, 0, 0);
}

// Settings that the creation call itself cannot carry.
void finishControl(const ControlRow& row, platform::Window window) {
    platform::sendMessage(window, platform::msg::SetFont, platform::stockGuiFont(), 0);
    switch (row.kind) {
    case ControlKind::Edit:
        platform::sendMessage(window, platform::msg::EmLimitText,
                              static_cast<platform::WParam>(row.textLimit), 0);
        filterTypedDigits(window);
        break;
    case ControlKind::DropDown: fillDropDown(window, row.control); break;
    case ControlKind::GroupBox: forwardGroupBoxNotifications(window); break;
    default: break;
    }
}

bool createControl(const ControlRow& row, platform::Window main) {
    const KindSettings settings = settingsOf(row.kind);
    platform::Rect rect = row.rect;
    if (row.kind == ControlKind::DropDown) rect.bottom = rect.top + kDropDownListHeight;
    const platform::Window window =
        // Siblings clip each other, so a group box never paints over the labels above it.
        platform::createWindow(settings.className, Text(row.content),
                               Child | ClipSiblings | settings.style,
                               settings.exStyle, rect, main, controlIdOf(row.control));
    if (!window) return false;
    setWindowHandle(row.control, window);
    finishControl(row, window);
    if (row.kind == ControlKind::Timer) startTimerControl(row.control, row.initialPeriod);
    return true;
}

platform::Window createMainWindow() {
    const int width = kMainWindow.width, height = kMainWindow.height;
    const int x = (platform::systemMetric(platform::metric::CxScreen) - width) / 2;
    const int y = (platform::systemMetric(platform::metric::CyScreen) - height) / 2;
    const platform::Window main = platform::createWindow(
        kMainWindowClassName, Text(kMainWindow.caption), Caption | SysMenu | MinimizeBox | ClipChildren,
        0, {x, y, x + width, y + height}, nullptr, 0);
    if (!main) return nullptr;
    const platform::Rect outer = platform::windowRect(main);
    if (outer.width() != width || outer.height() != height)
        platform::setWindowPos(main, platform::ZPlace::After, nullptr, outer.left, outer.top, width,
                               height, platform::pos::NoZOrder | platform::pos::NoActivate);
    platform::sendMessage(main, platform::msg::SetIcon, kIconBig,
                          static_cast<platform::LParam>(platform::loadIcon("DEFAULT_ICON", 32)));
    platform::sendMessage(main, platform::msg::SetIcon, kIconSmall,
                          static_cast<platform::LParam>(platform::loadIcon("DEFAULT_ICON", 16)));
    platform::sendMessage(main, platform::msg::SetFont, platform::stockGuiFont(), 0);
    return main;
}

// Each row goes directly below the nearest earlier row with the same parent, or on top.
void orderControls(std::span<const ControlRow> rows) {
    using namespace platform::pos;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        platform::Window above = nullptr;
        for (std::size_t j = i; j-- > 0;)
            if (rows[j].parent == rows[i].parent) {
                above = windowHandle(rows[j].control);
                break;
            }
        platform::setWindowPos(windowHandle(rows[i].control),
                               above ? platform::ZPlace::After : platform::ZPlace::Top, above, 0,
                               0, 0, 0, NoActivate | NoMove | NoSize);
    }
}

}  // namespace

bool buildMainWindow() {
    registerMainWindowClass();
    registerLabelClass();
    registerLinkClass();
    registerTimerClass();
    const platform::Window main = createMainWindow();
    if (!main) return false;
    setWindowHandle(Control::MainWindow, main);

    const std::span<const ControlRow> rows = controlRows();
    for (std::size_t i = rows.size(); i-- > 0;)
        if (!createControl(rows[i], main)) return false;
    for (const ControlRow& row : rows)
        if (row.parent != Control::MainWindow)
            platform::setParent(windowHandle(row.control), windowHandle(row.parent));
    orderControls(rows);
    for (const ControlRow& row : rows)
        platform::showWindow(windowHandle(row.control), row.kind == ControlKind::Timer
                                                            ? platform::show::Hide
                                                            : platform::show::ShowNa);
    return true;
}
