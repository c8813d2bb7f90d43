"""The scheduled click as Wine's local time brings it: a point captured over a click target, a
time a few seconds ahead confirmed in the window, clicks at the point from that second on until
F4; and the clock label against the local time."""

import datetime
import sys
import unittest

import clicking_support as support
from harness import ProgramTestCase

# How far ahead the schedule is set: room for the confirmation on a loaded machine.
LEAD = datetime.timedelta(seconds=7)
# The first click must come within this of the set second's start; it may not come before it
# (beyond the error of mapping the target's tick count onto the wall clock).
MAX_DELAY, CLOCK_MAPPING_ERROR = 1.5, 0.1
CLOCK_AGREEMENT = 2.0


class ClockLabelTest(ProgramTestCase):
    def test_clock_label_shows_the_local_time(self):
        text, now = support.fresh_clock_reading(self)
        shown = support.parse_clock_text(text)
        self.assertIsNotNone(shown, f"ClockLabel reads {text!r}")
        difference = (now - shown).total_seconds()
        self.assertTrue(-CLOCK_AGREEMENT <= difference <= CLOCK_AGREEMENT,
                        f"ClockLabel {text!r} is {difference:+.1f} s from the local time {now}")


class ScheduledClickTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        self.target, self.clicks = support.start_click_target(self)

    def wine_clock_offset(self):
        """Wine's local time minus the host's, in whole quarter hours (time zones differ by
        those; the clock label itself is checked by ClockLabelTest)."""
        text, now = support.fresh_clock_reading(self)
        shown = support.parse_clock_text(text)
        self.assertIsNotNone(shown, f"ClockLabel reads {text!r}")
        quarters = round((shown - now).total_seconds() / 900)
        return datetime.timedelta(seconds=900 * quarters)

    def test_clicks_start_in_the_set_second_at_the_point_and_f4_stops_them(self):
        support.expand_schedule_area(self)
        support.capture_point(self, self.target.x11, *support.TARGET_POINT)
        support.move_pointer(self, *support.ELSEWHERE)
        offset = self.wine_clock_offset()
        set_at = (datetime.datetime.now() + LEAD).replace(microsecond=0)
        # The boxes hold Wine's local time of the moment.
        wine_set_at = set_at + offset
        for name, value in [("HourEdit", wine_set_at.hour), ("MinuteEdit", wine_set_at.minute),
                            ("SecondEdit", wine_set_at.second)]:
            support.set_text(self, name, f"{value:02d}")
        support.user_click(self, "ScheduleButton")
        support.answer_box(self, support.SCHEDULE_NOTICE, support.IDOK)
        support.wait_for_text(self, "ScheduleButton", "取消")
        confirmed = datetime.datetime.now()
        self.assertLess(confirmed, set_at - datetime.timedelta(seconds=1),
                        "the confirmation took too long to judge the start of the clicking")
        self.assertEqual(support.text_of(self, "ScheduleLabel"),
                         f"自动点击时间为：{wine_set_at.hour:02d}时{wine_set_at.minute:02d}分"
                         f"{wine_set_at.second:02d}秒")

        wait = (set_at - datetime.datetime.now()).total_seconds() + MAX_DELAY + 5
        self.clicks.wait_for_downs(10, timeout=wait)
        first = support.presses(self.clicks.events)[0]
        delay = self.clicks.wall_time(first) - set_at.timestamp()
        print(f"\n[e2e] scheduled click: first click {delay:+.3f} s after the set time "
              f"{wine_set_at:%H:%M:%S} (Wine local time)", file=sys.stderr)
        self.assertTrue(-CLOCK_MAPPING_ERROR <= delay <= MAX_DELAY,
                        f"first click {delay:+.3f} s after the set second began")
        away = [e for e in self.clicks.events if (e["x"], e["y"]) != support.TARGET_POINT]
        self.assertEqual(away, [], f"clicks away from the captured point {support.TARGET_POINT}")

        self.press_key("F4", self.target.x11)
        support.wait_for_text(self, "ScheduleButton", "确定")
        self.clicks.assert_quiet_after_stop(self)


if __name__ == "__main__":
    unittest.main()
