// The window description. Positions are in the parent's client area; a control whose parent is
// a group box is moved into it after creation.
#include "app/window_description.h"

#include <array>

#include "hotkeys/start_key_table.h"

namespace {

using C = Control;
using K = ControlKind;
using platform::rgb;

constexpr platform::Rect at(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

constexpr std::string_view kClickTypeItems[] = {"左键单击"_gbk, "左键双击"_gbk, "右键单击"_gbk,
                                                "右键双击"_gbk};

constexpr ControlRow kRows[kControlCount] = {
    {C::ExitButton, K::PushButton, "按钮3"_gbk, C::MainWindow, at(160, 95, 40, 22), "退出"_gbk},
    {C::ScheduleAreaCheck, K::CheckBox, "选择框2"_gbk, C::MainWindow, at(8, 96, 128, 24),
     "定时定位点击区显示"_gbk},
    {C::ContactLabel, K::Label, "标签14"_gbk, C::MainWindow, at(45, 120, 115, 16),
     "主页：云杉连点器"_gbk, rgb(0, 96, 192), 0, 0, false, true},
    {C::ContactLink, K::Link, "超级链接框1"_gbk, C::MainWindow, at(41, 139, 114, 16),
     "点我与作者临时会话"_gbk},
    {C::HotkeysButton, K::PushButton, "按钮2"_gbk, C::MainWindow, at(168, 19, 32, 72),
     "查看热键"_gbk},
    {C::UpdateTimeButton, K::PushButton, "按钮1"_gbk, C::MainWindow, at(96, 254, 96, 20),
     "更新设定时间"_gbk},
    {C::ClockTimer, K::Timer, "时钟5"_gbk, C::ScheduleGroup, {}, {}, {}, 0, 1000},
    {C::ScheduleTimer, K::Timer, "时钟4"_gbk, C::ScheduleGroup, {}, {}},
    {C::SecondEdit, K::Edit, "编辑框6"_gbk, C::MainWindow, at(136, 235, 40, 16), "00", {}, 2},
    {C::SecondUnitLabel, K::Label, "标签6"_gbk, C::MainWindow, at(179, 231, 12, 16), "秒"_gbk},
    {C::PointClickTimer, K::Timer, "时钟3"_gbk, C::MainWindow, {}, {}},
    {C::IntervalLabel, K::Label, "标签5"_gbk, C::MainWindow, at(14, 74, 47, 15), "点击间隔"_gbk,
     rgb(0, 128, 0)},
    {C::TopmostCheck, K::CheckBox, "选择框1"_gbk, C::MainWindow, at(163, 2, 47, 16), "置顶"_gbk},
    {C::StartKeyCombo, K::DropDown, "组合框2"_gbk, C::InstantGroup, at(69, 15, 64, 20), {}},
    {C::CaptureStateLabel, K::Label, "标签12"_gbk, C::ScheduleGroup, at(134, 35, 47, 15),
     "已关闭"_gbk, rgb(255, 128, 0)},
    {C::CaptureTimer, K::Timer, "时钟2"_gbk, C::MainWindow, {}, {}},
    {C::XEdit, K::Edit, "编辑框4"_gbk, C::MainWindow, at(59, 184, 64, 16), {}},
    {C::ScheduleLabel, K::Label, "标签11"_gbk, C::MainWindow, at(9, 276, 191, 16),
     "自动点击时间为："_gbk},
    {C::ClockLabel, K::Label, "标签10"_gbk, C::ScheduleGroup, at(5, 139, 191, 16), {},
     rgb(255, 0, 0)},
    {C::UsageButton, K::PushButton, "按钮8"_gbk, C::MainWindow, at(131, 174, 52, 18), "用法"_gbk},
    {C::LockButton, K::PushButton, "按钮7"_gbk, C::MainWindow, at(131, 212, 52, 18), "锁定"_gbk},
    {C::YEdit, K::Edit, "编辑框5"_gbk, C::MainWindow, at(59, 208, 64, 16), {}},
    {C::YLabel, K::Label, "标签9"_gbk, C::MainWindow, at(19, 208, 33, 16), "Y坐标:"_gbk,
     rgb(255, 0, 0)},
    {C::XLabel, K::Label, "标签8"_gbk, C::MainWindow, at(19, 184, 35, 16), "X坐标:"_gbk,
     rgb(255, 0, 0)},
    {C::ScheduleButton, K::PushButton, "按钮6"_gbk, C::ScheduleGroup, at(3, 96, 81, 20),
     "确定"_gbk},
    {C::MinuteUnitLabel, K::Label, "标签7"_gbk, C::MainWindow, at(120, 235, 12, 16), "分"_gbk},
    {C::MinuteEdit, K::Edit, "编辑框3"_gbk, C::MainWindow, at(77, 236, 40, 16), {}, {}, 2},
    {C::HourUnitLabel, K::Label, "标签2"_gbk, C::ScheduleGroup, at(50, 76, 12, 16), "时"_gbk},
    {C::HourEdit, K::Edit, "编辑框2"_gbk, C::ScheduleGroup, at(5, 78, 40, 16), {}, {}, 2},
    {C::ScheduleGroup, K::GroupBox, "分组框1"_gbk, C::MainWindow, at(4, 159, 198, 161),
     "定时定位点击区"_gbk, rgb(0, 96, 192)},
    {C::HotkeyLabel, K::Label, "标签1"_gbk, C::MainWindow, at(13, 21, 53, 16), "开始/结束"_gbk,
     rgb(0, 0, 255)},
    {C::ClickTypeLabel, K::Label, "标签4"_gbk, C::MainWindow, at(14, 49, 47, 15), "点击类型"_gbk,
     rgb(0, 224, 128)},
    {C::ClickTypeCombo, K::DropDown, "组合框1"_gbk, C::MainWindow, at(74, 45, 88, 20), {}},
    {C::ClickTimer, K::Timer, "时钟1"_gbk, C::MainWindow, {}, {}},
    {C::MillisecondsLabel, K::Label, "标签3"_gbk, C::MainWindow, at(133, 73, 25, 12), "毫秒"_gbk,
     rgb(144, 0, 255), 0, 0, true},
    {C::IntervalEdit, K::Edit, "编辑框1"_gbk, C::MainWindow, at(75, 71, 53, 20), "10"},
    {C::InstantGroup, K::GroupBox, "分组框2"_gbk, C::MainWindow, at(5, 4, 159, 92),
     "现时点击区"_gbk, rgb(128, 128, 0)},
};

// rowOf indexes the table by row number.
static_assert([] {
    for (int i = 0; i < kControlCount; ++i)
        if (static_cast<int>(kRows[i].control) != i + 1) return false;
    return true;
}());

}  // namespace

const MainWindowRow kMainWindow = {"云杉鼠标连点器"_gbk, 211, 185, 347};

// A placeholder address under a reserved domain until the project publishes its own page.
const std::string_view kContactTarget = "https://spruce-clicker.example.com/";

std::span<const ControlRow> controlRows() { return kRows; }

const ControlRow& rowOf(Control c) { return kRows[static_cast<int>(c) - 1]; }

std::span<const std::string_view> clickTypeItems() { return kClickTypeItems; }
