// The main window and its 37 controls as data: the one place that says what the window holds.
#pragma once

#include <span>
#include <string_view>

#include "app/controls.h"

enum class ControlKind { PushButton, CheckBox, Label, Link, Edit, DropDown, GroupBox, Timer };

struct ControlRow {
    Control control;
    ControlKind kind;
    std::string_view designName;  // GBK
    Control parent;               // Control::MainWindow or a group box
    platform::Rect rect;          // x, y, x + width, y + height in the parent's client area
    std::string_view content;     // caption, initial text (GBK)
    platform::Color textColor = platform::rgb(0, 0, 0);
    int textLimit = 0;            // edit boxes: EM_LIMITTEXT (0 = the system's largest)
    int initialPeriod = 0;        // timers, milliseconds
    bool wordBreak = false;       // labels: break lines at words
    bool gradient = false;        // labels: red-yellow-green background
};

struct MainWindowRow {
    std::string_view caption;
    int width;
    int height;
    int expandedHeight;
};

extern const MainWindowRow kMainWindow;
std::span<const ControlRow> controlRows();
const ControlRow& rowOf(Control c);

// Items of the two drop-down lists.
std::span<const std::string_view> clickTypeItems();

// Where the contact link leads: the project's home page.
extern const std::string_view kContactTarget;
