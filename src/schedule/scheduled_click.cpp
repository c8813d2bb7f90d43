// The scheduled click.
#include "schedule/scheduled_click.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "app/control_properties.h"
#include "app/message_box.h"
#include "app/program_state.h"
#include "clicker/locked_point_clicker.h"
#include "clicker/timer_control.h"
#include "hotkeys/program_hotkey.h"
#include "schedule/conversions.h"

namespace {

constexpr std::int32_t kSchedulePeriod = 1000;
constexpr std::int32_t kVirtualKeyF4 = 115;
constexpr double kMatchTolerance = 1e-7;
// Seconds looked back over: a tick delayed longer (sleep, a clock jump) must not fire late.
constexpr std::int64_t kLookBackSeconds = 5;
constexpr std::int64_t kSecondsPerDay = 86400;

// The latest second of local time that a tick has compared; none until the first tick after
// the schedule was armed from idle.
std::optional<std::int64_t> lastCheckedSecond;

Text confirmCaption() { return Text("确定"_gbk); }

Text scheduleText() {
    return concatTexts({"自动点击时间为："_gbk, textOf(Control::HourEdit), "时"_gbk,
                        textOf(Control::MinuteEdit), "分"_gbk, textOf(Control::SecondEdit),
                        "秒"_gbk});
}

bool matches(std::int64_t part, double set) {
    return std::fabs(static_cast<double>(part) - set) <= kMatchTolerance;
}

// Local time as whole seconds from the DateTime epoch; none for days before it, whose
// encoding does not count seconds forward.
std::optional<std::int64_t> secondsOfDay(DateTime now) {
    if (!(now >= 0) || now > 3e6) return std::nullopt;
    return std::llround(now * static_cast<double>(kSecondsPerDay));
}

bool secondMatches(std::int64_t second, double hour, double minute, double sec) {
    const std::int64_t ofDay = second % kSecondsPerDay;
    return matches(ofDay / 3600, hour) && matches(ofDay / 60 % 60, minute) &&
           matches(ofDay % 60, sec);
}

}  // namespace

void onScheduleButton() {
    if (compareText(captionOf(Control::ScheduleButton), confirmCaption()) != 0) {
        setCaption(Control::ScheduleButton, confirmCaption());
        writePeriod(Control::PointClickTimer, 0);
        writePeriod(Control::ScheduleTimer, 0);
        setCaption(Control::ScheduleLabel, Text("已取消定时点击！"_gbk));
        return;
    }
    if (textOf(Control::XEdit).empty() || textOf(Control::YEdit).empty()) {
        reportMissingPoint();
        return;
    }
    setCaption(Control::ScheduleButton, Text("取消"_gbk));
    messageBox(Text("时间到了自动点击的时候，想关闭的话请按下F4就行了。"_gbk), boxStyle::Info);
    setCaption(Control::ScheduleLabel, scheduleText());
    if (stopKeyPending == 1) {
        stopScheduleHotkeyId = registerProgramHotkey(kVirtualKeyF4);
        stopKeyPending = 0;
    }
    if (!timerRunning(Control::ScheduleTimer)) lastCheckedSecond.reset();
    writePeriod(Control::ScheduleTimer, kSchedulePeriod);
}

void onUpdateTimeButton() {
    setCaption(Control::ScheduleLabel, scheduleText());
    messageBox(Text("更新成功！"_gbk), boxStyle::Info);
}

// Ticks are about a second apart but not aligned to the clock, so one can skip a second: each
// tick compares every second since the previous one, not only its own.
void onScheduleTick() {
    const DateTime now = currentDateTime();
    const double hour = textToNumber(textOf(Control::HourEdit));
    const double minute = textToNumber(textOf(Control::MinuteEdit));
    const double second = textToNumber(textOf(Control::SecondEdit));
    const std::optional<std::int64_t> current = secondsOfDay(now);
    bool due = false;
    if (!current) {
        due = matches(hourOf(now), hour) && matches(minuteOf(now), minute) &&
              matches(secondOf(now), second);
    } else {
        std::int64_t first = *current;
        if (lastCheckedSecond && *lastCheckedSecond < *current)
            first = std::max(*lastCheckedSecond + 1, *current - kLookBackSeconds + 1);
        for (std::int64_t s = first; s <= *current && !due; ++s)
            due = secondMatches(s, hour, minute, second);
    }
    lastCheckedSecond = current;
    if (due) writePeriod(Control::PointClickTimer, kPointClickPeriod);
}

// F4 ends the schedule as a whole, as the caption it leaves says.
void stopScheduledClick() {
    writePeriod(Control::PointClickTimer, 0);
    writePeriod(Control::ScheduleTimer, 0);
    setCaption(Control::ScheduleButton, confirmCaption());
}

void onMinuteEditLostFocus() { setFocus(Control::SecondEdit); }

void resetScheduleState() { lastCheckedSecond.reset(); }
