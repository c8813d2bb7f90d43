"""The main window as another program sees it right after start-up: frame, position, the 37
controls of the window description, the focus and the initial selections."""

import unittest

import harness
from harness import ProgramTestCase, controls_by_id
from window_description import (ANY_TEXT, CHECK, CLICK_KINDS, DROPDOWN, EDIT, GROUP, LABEL,
                                LINK, PUSH, ROWS, START_KEYS, TIMER, TWO_CHARACTER_EDITS,
                                by_name, control_id)

WS_VISIBLE, WS_CHILD, WS_CLIPCHILDREN = 0x10000000, 0x40000000, 0x02000000
WS_CAPTION, WS_SYSMENU, WS_THICKFRAME = 0x00C00000, 0x00080000, 0x00040000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_TABSTOP = 0x00020000, 0x00010000, 0x00010000
WS_EX_TOPMOST, WS_EX_CLIENTEDGE = 0x8, 0x200
OUTER_WIDTH, OUTER_HEIGHT = 211, 185
# The closed drop-down list takes its height from the font; the design height is near it.
DROPDOWN_HEIGHT_SLACK = 2

# Per kind: the system class (None: one of the program's own), (mask, value) pairs of style
# bits, and whether Tab visits it.
KIND_STYLES = {
    PUSH: ("button", [(0xF, 0x0), (0x2000, 0x2000), (0x300, 0x300), (0xC00, 0xC00)], True),
    CHECK: ("button", [(0xF, 0x3), (0x2000, 0x2000), (0x300, 0x100), (0xC00, 0xC00)], True),
    GROUP: ("button", [(0xF, 0x7), (0x300, 0x100)], False),
    EDIT: ("edit", [(0x3, 0x0), (0x80, 0x80), (0x100, 0x0)], True),
    # The combo box hands WS_VSCROLL on to its list window, so it is not read here.
    DROPDOWN: ("combobox", [(0x3, 0x3), (0x40, 0x40), (0x100, 0x0)], True),
    LABEL: (None, [], False),
    LINK: (None, [], False),
    TIMER: (None, [], False),
}
SYSTEM_CLASSES = {"button", "edit", "combobox", "static", "#32770"}


class StartUpFrameTest(ProgramTestCase):
    def test_caption_size_centred_position_and_frame(self):
        window = self.tree["window"]
        self.assertEqual(window["text"], harness.CAPTION)
        screen_width, screen_height = self.inspector.screen_size()
        self.assertEqual((screen_width, screen_height), (harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT))
        left, top, right, bottom = window["screen"]
        self.assertEqual((right - left, bottom - top), (OUTER_WIDTH, OUTER_HEIGHT))
        self.assertEqual((left, top), ((screen_width - OUTER_WIDTH) // 2,
                                       (screen_height - OUTER_HEIGHT) // 2))
        style = window["style"]
        for bit, name in [(WS_CAPTION, "caption"), (WS_SYSMENU, "system menu"),
                          (WS_MINIMIZEBOX, "minimize box"), (WS_CLIPCHILDREN, "clip children"),
                          (WS_VISIBLE, "visible")]:
            self.assertEqual(style & bit, bit, f"{name} missing from style {style:#x}")
        for bit, name in [(WS_THICKFRAME, "sizing border"), (WS_MAXIMIZEBOX, "maximize box"),
                          (WS_CHILD, "child")]:
            self.assertEqual(style & bit, 0, f"{name} in style {style:#x}")
        self.assertEqual(window["exStyle"] & WS_EX_TOPMOST, 0, "topmost at start-up")
        self.wait_for_tree(lambda t: t["active"] and t["active"]["hwnd"] == window["hwnd"],
                           "the window to become the active window")


class StartUpControlsTest(ProgramTestCase):
    def test_every_control_of_the_window_description(self):
        controls = controls_by_id(self.tree)
        self.assertEqual(sorted(controls), [control_id(r.row) for r in ROWS],
                         "control ids are not exactly 101..137")
        own_classes = {}
        for row in ROWS:
            with self.subTest(control=row.name):
                node = controls[control_id(row.row)]
                self.check_control(row, node)
                own_classes.setdefault(row.kind, set()).add(node["class"])
        # Labels, the link and the timers each have one class of the program's own.
        for kind in (LABEL, LINK, TIMER):
            self.assertEqual(len(own_classes[kind]), 1, f"{kind} classes: {own_classes[kind]}")
        self.assertEqual(len(own_classes[LABEL] | own_classes[LINK] | own_classes[TIMER]), 3)
        self.assertNotIn(self.tree["window"]["class"].lower(), SYSTEM_CLASSES)

    def check_control(self, row, node):
        system_class, style_bits, tab_stop = KIND_STYLES[row.kind]
        if system_class:
            self.assertEqual(node["class"].lower(), system_class)
        else:
            self.assertNotIn(node["class"].lower(), SYSTEM_CLASSES)
        self.assertEqual(node["parentId"], control_id(row.parent) if row.parent else 0, "parent")
        style = node["style"]
        self.assertEqual(style & WS_CHILD, WS_CHILD)
        for mask, value in style_bits:
            self.assertEqual(style & mask, value, f"style {style:#x}, bits {mask:#x}")
        self.assertEqual(bool(style & WS_TABSTOP), tab_stop, f"tab stop in style {style:#x}")
        if row.kind == TIMER:
            self.assertFalse(node["visible"], "a timer window is visible")
            return
        self.assertTrue(node["visible"], "not visible")
        if row.text is not ANY_TEXT:
            self.assertEqual(node["text"], row.text, "text")
        else:
            self.assertNotEqual(node["text"], "", "text")
        left, top, right, bottom = node["rect"]
        self.assertEqual((left, top, right - left), (row.x, row.y, row.width), "x, y, width")
        if row.kind == DROPDOWN:
            self.assertLessEqual(abs((bottom - top) - row.height), DROPDOWN_HEIGHT_SLACK,
                                 f"closed height {bottom - top}")
        else:
            self.assertEqual(bottom - top, row.height, "height")
        if row.kind == EDIT:
            self.assertEqual(node["exStyle"] & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE, "sunken border")
            if row.name in TWO_CHARACTER_EDITS:
                self.assertEqual(node["limit"], 2, "text limit")
            else:
                self.assertGreater(node["limit"], 30000, "text limit")
        if row.kind == CHECK:
            self.assertEqual(node["checked"], 0, "checked at start-up")

    def test_z_order_follows_the_rows_within_each_parent(self):
        for parent in [self.tree["window"]] + [n for n in controls_by_id(self.tree).values()
                                               if n["children"]]:
            with self.subTest(parent=parent["id"]):
                by_z = [child["id"] for child in sorted(parent["children"], key=lambda c: c["z"])]
                self.assertEqual(by_z, sorted(by_z), "top to bottom is not row order")


class StartUpStateTest(ProgramTestCase):
    def test_focus_on_the_start_key_list_and_initial_selections(self):
        start_keys_id = control_id(by_name("StartKeyCombo").row)
        # Showing the window activates it, which Wine completes after the window is visible.
        tree = self.wait_for_tree(lambda t: t["focus"] and t["focus"]["id"] == start_keys_id,
                                  "the focus on StartKeyCombo")
        controls = controls_by_id(tree)
        start_keys = controls[start_keys_id]
        self.assertEqual((start_keys["items"], start_keys["selection"], start_keys["text"]),
                         (START_KEYS, -1, ""))
        click_kinds = controls[control_id(by_name("ClickTypeCombo").row)]
        self.assertEqual((click_kinds["items"], click_kinds["selection"], click_kinds["text"]),
                         (CLICK_KINDS, 0, CLICK_KINDS[0]))
        self.assertFalse(start_keys["dropped"] or click_kinds["dropped"], "a list is open")


if __name__ == "__main__":
    unittest.main()
