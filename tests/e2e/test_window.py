"""The window at start: every control where the layout puts it, what a
screen reader hears, what the screen shows, and the keyboard's path."""

from velmoradesktop import CONTROLS, ENTRIES, VelmoraTestCase, main


class StartState(VelmoraTestCase):
    def test_window_is_its_own_x_window_of_the_layout_size(self):
        geometry = self.app.desktop.run("xdotool", "getwindowgeometry", "--shell", self.app.xid).stdout
        fields = dict(line.split("=") for line in geometry.split())
        # The menu bar stands above the client area, which keeps its size.
        menu_bar = self.app.extents(self.app.menu_bar())
        self.assertEqual((int(fields["WIDTH"]), int(fields["HEIGHT"])), (433, 421 + menu_bar[3]))
        self.assertEqual(menu_bar[:3], (int(fields["X"]), int(fields["Y"]), 433))
        # AT-SPI's screen coordinates are the X server's: clicks land where
        # the screen reader says a control is.
        self.assertEqual(
            self.app.extents(self.app.window), (int(fields["X"]), int(fields["Y"]) + menu_bar[3], 433, 421))
        self.assertEqual(self.app.windows(), ["Velmora"])

    def test_every_control_where_the_layout_puts_it(self):
        for name, role, rect, text, shown in CONTROLS:
            with self.subTest(control=name):
                self.assertEqual(self.app.text(name), text)
                self.assertEqual(self.app.shown(name), shown)
                if shown:
                    self.assertEqual(self.app.rect(name), rect)

    def test_lists_show_every_entry_in_its_own_row(self):
        for band, texts in ENTRIES.items():
            with self.subTest(band=band):
                list_x, list_y, list_w, list_h = self.app.rect("List%d" % band)
                items = self.app.entries(band)
                self.assertEqual([i.name for i in items], texts)
                self.assertEqual(self.app.chosen(band), [])
                for row, item in enumerate(items):
                    x, y, w, h = self.app.extents(item)
                    x -= self.app.origin[0]
                    y -= self.app.origin[1]
                    self.assertEqual((y, h), (list_y + 1 + 13 * row, 13), item.name)
                    self.assertTrue(self.app.showing(item), item.name)
                    self.assertTrue(list_x <= x and x + w <= list_x + list_w, item.name)
                    self.assertLessEqual(y + h, list_y + list_h, item.name)

    def test_swatches_start_in_the_background_colour(self):
        image = self.app.screenshot()
        background = self.app.background(image)
        self.assertEqual(self.app.swatch_colours(image), [background] * 4)

    def test_command1_is_the_default_button(self):
        state = self.app["Command1"].getState()
        self.assertTrue(state.contains(self.pyatspi.STATE_IS_DEFAULT))
        self.assertFalse(self.app["Command2"].getState().contains(self.pyatspi.STATE_IS_DEFAULT))


class Keyboard(VelmoraTestCase):
    def test_tab_order_passes_the_lists_and_buttons_and_chooses_nothing(self):
        order = ["List2", "List3", "List4", "Command1", "Command2", "List1", "List2"]
        for name in order:
            self.app.key("Tab")
            self.app.wait_for(lambda: self.app.focus() == name, "the focus on %s" % name)
        self.app.key("shift+Tab")
        self.app.wait_for(lambda: self.app.focus() == "List1", "the focus back on List1")
        for band in range(1, 5):
            self.assertEqual(self.app.chosen(band), [])
            self.assertEqual(self.app.text("Label%d" % (band + 4)), "")
        self.assertEqual(self.app.windows(), ["Velmora"])


if __name__ == "__main__":
    main()
