"""What the main window must look like right after start-up, as another program reads it:
one row per control, in the order of the window description (row n has control id 100 + n).
Rects are relative to the parent's client area; parent 0 is the main window itself."""

from collections import namedtuple

Row = namedtuple("Row", "row name kind parent x y width height text")

PUSH, CHECK, LABEL, LINK, EDIT, DROPDOWN, GROUP, TIMER = (
    "push", "check", "label", "link", "edit", "dropdown", "group", "timer")

SCHEDULE_GROUP, INSTANT_GROUP = 30, 37
ANY_TEXT = object()  # the maker's contact line: the implementer's choice

ROWS = [
    Row(1, "ExitButton", PUSH, 0, 160, 95, 40, 22, "退出"),
    Row(2, "ScheduleAreaCheck", CHECK, 0, 8, 96, 128, 24, "定时定位点击区显示"),
    Row(3, "ContactLabel", LABEL, 0, 45, 120, 115, 16, ANY_TEXT),
    Row(4, "ContactLink", LINK, 0, 41, 139, 114, 16, "点我与作者临时会话"),
    Row(5, "HotkeysButton", PUSH, 0, 168, 19, 32, 72, "查看热键"),
    Row(6, "UpdateTimeButton", PUSH, 0, 96, 254, 96, 20, "更新设定时间"),
    Row(7, "ClockTimer", TIMER, SCHEDULE_GROUP, None, None, None, None, ""),
    Row(8, "ScheduleTimer", TIMER, SCHEDULE_GROUP, None, None, None, None, ""),
    Row(9, "SecondEdit", EDIT, 0, 136, 235, 40, 16, "00"),
    Row(10, "SecondUnitLabel", LABEL, 0, 179, 231, 12, 16, "秒"),
    Row(11, "PointClickTimer", TIMER, 0, None, None, None, None, ""),
    Row(12, "IntervalLabel", LABEL, 0, 14, 74, 47, 15, "点击间隔"),
    Row(13, "TopmostCheck", CHECK, 0, 163, 2, 47, 16, "置顶"),
    Row(14, "StartKeyCombo", DROPDOWN, INSTANT_GROUP, 69, 15, 64, 20, ""),
    Row(15, "CaptureStateLabel", LABEL, SCHEDULE_GROUP, 134, 35, 47, 15, "已关闭"),
    Row(16, "CaptureTimer", TIMER, 0, None, None, None, None, ""),
    Row(17, "XEdit", EDIT, 0, 59, 184, 64, 16, ""),
    Row(18, "ScheduleLabel", LABEL, 0, 9, 276, 191, 16, "自动点击时间为："),
    Row(19, "ClockLabel", LABEL, SCHEDULE_GROUP, 5, 139, 191, 16, ""),
    Row(20, "UsageButton", PUSH, 0, 131, 174, 52, 18, "用法"),
    Row(21, "LockButton", PUSH, 0, 131, 212, 52, 18, "锁定"),
    Row(22, "YEdit", EDIT, 0, 59, 208, 64, 16, ""),
    Row(23, "YLabel", LABEL, 0, 19, 208, 33, 16, "Y坐标:"),
    Row(24, "XLabel", LABEL, 0, 19, 184, 35, 16, "X坐标:"),
    Row(25, "ScheduleButton", PUSH, SCHEDULE_GROUP, 3, 96, 81, 20, "确定"),
    Row(26, "MinuteUnitLabel", LABEL, 0, 120, 235, 12, 16, "分"),
    Row(27, "MinuteEdit", EDIT, 0, 77, 236, 40, 16, ""),
    Row(28, "HourUnitLabel", LABEL, SCHEDULE_GROUP, 50, 76, 12, 16, "时"),
    Row(29, "HourEdit", EDIT, SCHEDULE_GROUP, 5, 78, 40, 16, ""),
    Row(30, "ScheduleGroup", GROUP, 0, 4, 159, 198, 161, "定时定位点击区"),
    Row(31, "HotkeyLabel", LABEL, 0, 13, 21, 53, 16, "开始/结束"),
    Row(32, "ClickTypeLabel", LABEL, 0, 14, 49, 47, 15, "点击类型"),
    Row(33, "ClickTypeCombo", DROPDOWN, 0, 74, 45, 88, 20, "左键单击"),
    Row(34, "ClickTimer", TIMER, 0, None, None, None, None, ""),
    Row(35, "MillisecondsLabel", LABEL, 0, 133, 73, 25, 12, "毫秒"),
    Row(36, "IntervalEdit", EDIT, 0, 75, 71, 53, 20, "10"),
    Row(37, "InstantGroup", GROUP, 0, 5, 4, 159, 92, "现时点击区"),
]

START_KEYS = [chr(c) for c in range(ord("A"), ord("Z") + 1)] + [f"F{n}" for n in range(1, 13)]
CLICK_KINDS = ["左键单击", "左键双击", "右键单击", "右键双击"]
TWO_CHARACTER_EDITS = {"SecondEdit", "MinuteEdit", "HourEdit"}


def control_id(row):
    return 100 + row


def by_name(name):
    return next(r for r in ROWS if r.name == name)
