"""Calculating, recomputing and clearing, seen on the screen: the value line,
the missing-data box as a window of its own, and Cancella."""

from velmoradesktop import (
    CONTROLS,
    MISSING_TEXT,
    MISSING_TITLE,
    RGB,
    VelmoraTestCase,
    main,
    result_text,
)

RESULT_LINE = ("Label14", "Label9", "Label11", "Label12", "Label13")
RECTS = {name: rect for name, _, rect, _, _ in CONTROLS}


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


class MissingData(VelmoraTestCase):
    def open_box(self, press):
        press()
        box = self.app.wait_box()
        self.assertEqual(box.getRoleName(), "alert")
        self.assertEqual(box.name, MISSING_TITLE)
        return box

    def close_box(self):
        self.app.key("Return")
        self.app.wait_for(lambda: self.app.windows() == ["Velmora"], "the box to close")
        self.app.focus_window()

    def test_box_is_a_window_with_title_text_and_ok_closed_by_enter(self):
        box = self.open_box(lambda: self.app.key("Return"))  # Enter in List1 presses Command1

        box_xid = self.app.x_windows(MISSING_TITLE)
        self.assertEqual(len(box_xid), 1)
        self.assertNotEqual(box_xid[0], self.app.xid)
        x, y, w, h = self.app.extents(box)
        self.assertGreater(w * h, 0)
        self.assertLessEqual(x + w, 800)
        self.assertLessEqual(y + h, 600)

        parts = list(descendants(box))
        texts = [p.name for p in parts if p.getRoleName() == "label" and self.app.showing(p)]
        self.assertEqual(texts, [MISSING_TEXT])
        buttons = [p for p in parts if p.getRoleName() == "push button"]
        self.assertEqual([b.name for b in buttons], ["OK"])
        self.assertTrue(self.app.focused(buttons[0]))
        self.assertTrue(box.getState().contains(self.pyatspi.STATE_ACTIVE))

        # The window takes no input while the box is open.
        self.app.click_entry(1, "rosso")
        self.close_box()
        self.assertEqual(self.app.chosen(1), [])
        self.assertEqual(self.app.text("Label5"), "")
        self.assertEqual(self.app.result(), "")
        self.assertEqual([e for e in self.app.take_events() if e[1] is not None], [])

    def test_any_missing_band_gives_the_box_and_changes_nothing(self):
        full = ["giallo", "viola", "rosso", "oro"]
        for missing in range(1, 5):
            with self.subTest(missing_band=missing):
                bands = {b: t for b, t in enumerate(full, start=1) if b != missing}
                self.app.choose(bands)
                self.app.take_events()
                self.open_box(lambda: self.app.click_button(1))
                self.close_box()
                self.assertEqual(self.app.result(), "")
                self.assertEqual(self.app.chosen(missing), [])
                self.assertEqual([e for e in self.app.take_events() if e[1] is not None], [])
                self.app.click_button(2)
                self.app.wait_for(lambda: all(not self.app.chosen(b) for b in range(1, 5)), "Cancella to clear")


class Calculate(VelmoraTestCase):
    EXAMPLES = [
        ["giallo", "viola", "rosso", "oro"],
        ["marrone", "nero", "arancio", "oro"],
        ["giallo", "viola", "oro", "rosso"],
        ["marrone", "rosso", "oro", "oro"],
        ["rosso", "giallo", "argento", "oro"],
        ["nero", "verde", "nero", "marrone"],
        ["nero", "nero", "argento", "rosso"],
        ["bianco", "bianco", "azzurro", "marrone"],
    ]

    def presses(self):
        """Three ways to ask for the value."""
        app = self.app

        def space_on_the_button():
            app.key("Tab")
            app.wait_for(lambda: app.focus() == "Command1", "the focus on Command1")
            app.key("space")

        return [
            ("click", lambda: app.click_button(1)),
            ("Enter in a list", lambda: app.key("Return")),
            ("Space on the button", space_on_the_button),
        ]

    def test_value_line_for_each_example(self):
        presses = self.presses()
        for i, bands in enumerate(self.EXAMPLES):
            how, press = presses[i % len(presses)]
            with self.subTest(bands=bands, press=how):
                self.app.choose(bands)
                press()
                expected = result_text(bands)
                self.app.wait_for(lambda: self.app.result() == expected, "the result %r" % expected)
                for name in RESULT_LINE:
                    self.assertTrue(self.app.shown(name), name)
                    self.assertEqual(self.app.rect(name), RECTS[name], name)
                self.assertEqual(self.app.text("Label14"), "Valore resistenza")
                self.assertFalse(self.app.shown("Label10"))
                self.assertEqual(self.app.windows(), ["Velmora"])
                self.app.wait_swatches([RGB[t] for t in bands])
                self.app.click_button(2)
                self.app.wait_for(lambda: not self.app.shown("Label9") or self.app.text("Label9") == "", "Cancella")

    def test_live_recompute_follows_each_band(self):
        self.app.choose(["rosso", "rosso", "rosso", "oro"])
        self.app.click_button(1)
        self.app.wait_for(lambda: self.app.result() == "2200 Ohm ± 5%", "2200")
        self.app.take_events()
        steps = [
            (2, "giallo", "2400 Ohm ± 5%"),
            (3, "argento", "0.24 Ohm ± 5%"),
            (4, "marrone", "0.24 Ohm ± 1%"),
            (1, "nero", "0.04 Ohm ± 1%"),
        ]
        for band, text, expected in steps:
            with self.subTest(band=band, entry=text):
                before = self.app.text("Label9")
                self.app.click_entry(band, text)
                self.app.wait_for(lambda: self.app.result() == expected, expected)
                self.app.wait_text("Label%d" % (band + 4), text.upper())
                events = self.app.take_events()
                value = expected.split()[0]
                self.assertEqual(self.app.names_taken(events, "Label9"), [] if value == before else [value])
                self.assertEqual(self.app.windows(), ["Velmora"])

    def test_keyboard_alone(self):
        # Down chooses the first entry, further Downs walk on.
        self.app.key(*["Down"] * 3, "Tab", *["Down"] * 5, "Tab", *["Down"] * 3, "Tab", "Down", "Return")
        expected = result_text(["rosso", "giallo", "rosso", "oro"])
        self.app.wait_for(lambda: self.app.result() == expected, expected)
        self.assertEqual(self.app.focus(), "List4")
        self.app.key("Tab", "Tab", "space")
        self.app.wait_for(lambda: self.app.result() == "", "Cancella by Space")
        self.assertEqual(self.app.focus(), "Command2")
        self.assertEqual([self.app.chosen(b) for b in range(1, 5)], [[], [], [], []])


class Clear(VelmoraTestCase):
    def assert_start_state(self):
        for band in range(1, 5):
            self.assertEqual(self.app.chosen(band), [])
            self.assertEqual(self.app.text("Label%d" % (band + 4)), "")
            self.assertEqual(self.app.text("Shape%d" % band), "%d° BANDA: nessun colore" % band)
        for name in RESULT_LINE:
            self.assertEqual(self.app.shown(name), name == "Label9", name)
        self.assertEqual(self.app.text("Label9"), "")
        self.assertEqual(self.app.windows(), ["Velmora"])
        self.app.wait_swatches([None] * 4)

    def test_cancella_returns_to_the_start(self):
        self.app.click_button(2)  # at start: nothing to do, no box
        self.app.wait_for(lambda: self.app.focus() == "Command2", "the focus on Command2")
        self.assert_start_state()

        bands = ["giallo", "viola", "rosso", "oro"]
        self.app.choose(bands)
        self.app.click_button(1)
        self.app.wait_for(lambda: self.app.result() == "4700 Ohm ± 5%", "4700")
        self.app.take_events()
        self.app.click_button(2)
        self.app.wait_text("Label5", "")
        self.assert_start_state()
        # Clearing passes through no intermediate value.
        self.assertEqual(self.app.names_taken(self.app.take_events(), "Label9"), [""])

        # The recompute rule is off again: a choice shows no value, Command1
        # reports the missing bands.
        self.app.choose({1: "rosso"})
        self.assertEqual(self.app.result(), "")
        self.app.click_button(1)
        self.app.wait_box()
        self.app.key("Return")
        self.app.wait_for(lambda: self.app.windows() == ["Velmora"], "the box to close")
        self.app.focus_window()

        # And the same bands give the same value as at a fresh start.
        self.app.choose(bands)
        self.app.click_button(1)
        self.app.wait_for(lambda: self.app.result() == "4700 Ohm ± 5%", "4700 again")


if __name__ == "__main__":
    main()
