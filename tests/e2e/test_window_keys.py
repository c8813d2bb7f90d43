"""F3 hides and shows the window from anywhere; Esc and Alt+F4 close it with exit code 0,
Shift+Esc does not."""

import unittest

from harness import ProgramTestCase
from window_description import by_name, control_id


class ShowHideHotkeyTest(ProgramTestCase):
    def test_f3_hides_the_window_and_a_second_f3_shows_it_at_the_same_place(self):
        shown = self.tree["window"]["screen"]
        # A window of the tests' own holds the keyboard focus: F3 is a hotkey of the desktop.
        holder = self.start_focus_holder()
        self.press_key("F3", holder.x11)
        self.wait_for_tree(lambda t: not t["window"]["visible"], "F3 to hide the window")
        self.press_key("F3", holder.x11)
        tree = self.wait_for_tree(lambda t: t["window"]["visible"], "F3 to show the window again")
        self.assertEqual(tree["window"]["screen"], shown)


class ClosingKeysTest(ProgramTestCase):
    def assert_key_closes(self, key):
        self.press_key(key)
        self.assertEqual(self.program.wait_exit(), 0)

    def test_escape_ends_the_program_with_exit_code_0(self):
        self.assert_key_closes("Escape")

    def test_alt_f4_ends_the_program_with_exit_code_0(self):
        # From an edit box: Wine's combo box takes Alt+F4 for itself (F4 opens its list).
        interval = control_id(by_name("IntervalEdit").row)
        self.assertTrue(self.inspector.command("mouse-click", interval)["ok"])
        self.wait_for_tree(lambda t: t["focus"] and t["focus"]["id"] == interval,
                           "a click to focus IntervalEdit")
        self.assert_key_closes("alt+F4")

    def test_shift_escape_leaves_the_window_open(self):
        start_keys = control_id(by_name("StartKeyCombo").row)
        self.press_key("shift+Escape")
        # Keys are handled in order: once Tab has moved the focus, Shift+Esc was handled too.
        self.press_key("Tab")
        tree = self.wait_for_tree(lambda t: t["focus"] and t["focus"]["id"] != start_keys,
                                  "Tab to move the focus")
        self.assertIsNone(self.program.exit_code())
        self.assertTrue(tree["window"]["visible"])


if __name__ == "__main__":
    unittest.main()
