"""Choosing a band's colour three ways: the mouse, the keyboard, and the
accessibility interface a screen reader uses. Each choice must paint the
swatch, name the colour under the list and in the swatch's accessible name,
and never show a box or leave a band empty."""

from velmoradesktop import ENTRIES, RGB, TOLERANCES, VelmoraTestCase, main, value_text


def caption(band):
    return "%d° BANDA" % band


class ChooseByMouse(VelmoraTestCase):
    def test_every_entry_paints_and_names_its_band(self):
        # Ten rounds, one click in each list per round, reach every entry of
        # every band, each round changing all four.
        for round in range(10):
            picks = [ENTRIES[band][(round + 3 * band) % len(ENTRIES[band])] for band in range(1, 5)]
            self.app.choose(picks)
            for band, text in enumerate(picks, start=1):
                with self.subTest(band=band, entry=text):
                    self.app.wait_text("Label%d" % (band + 4), text.upper())
                    self.assertEqual(self.app.chosen(band), [text])
                    self.assertEqual(self.app.text("Shape%d" % band), "%s: %s" % (caption(band), text.upper()))
            self.app.wait_swatches([RGB[t] for t in picks])
        # Choosing alone shows no value and no box.
        self.assertEqual(self.app.result(), "")
        self.assertEqual(self.app.windows(), ["Velmora"])
        self.assertEqual(self.app.focus(), "List4")

    def test_ctrl_click_on_the_chosen_entry_keeps_it(self):
        self.app.choose({2: "giallo"})
        x, y = self.app.centre(self.app.entry(2, "giallo"))
        self.app.desktop.run(
            "xdotool", "mousemove", str(x), str(y), "keydown", "ctrl", "click", "--delay", "0", "1", "keyup", "ctrl"
        )
        self.app.click_entry(1, "rosso")  # a later event, to know the earlier ones were handled
        self.app.wait_text("Label5", "ROSSO")
        self.assertEqual(self.app.chosen(2), ["giallo"])
        self.assertEqual(self.app.text("Label6"), "GIALLO")
        self.app.wait_swatches([RGB["rosso"], RGB["giallo"], None, None])


class ChooseByKeyboard(VelmoraTestCase):
    def test_arrows_walk_each_list_and_tab_moves_on(self):
        expected = []
        for band, texts in ENTRIES.items():
            list_name = "List%d" % band
            self.app.wait_for(lambda: self.app.focus() == list_name, "the focus on %s" % list_name)
            steps = [
                ("Down", texts[0]),  # the first arrow chooses the first entry
                ("Down", texts[1]),
                ("End", texts[-1]),
                ("Up", texts[-2]),
                ("Home", texts[0]),
                ("Down", texts[1]),
            ]
            for key, text in steps:
                with self.subTest(band=band, key=key, entry=text):
                    self.app.key(key)
                    self.app.wait_text("Label%d" % (band + 4), text.upper())
                    self.assertEqual(self.app.chosen(band), [text])
            # Neither Space nor ctrl+Space empties the band.
            self.app.key("space", "ctrl+space", "Tab")
            expected.append(RGB[texts[1]])
            self.app.wait_for(lambda: self.app.focus() != list_name, "the focus to leave %s" % list_name)
            self.assertEqual(self.app.chosen(band), [texts[1]])
        self.app.wait_for(lambda: self.app.focus() == "Command1", "the focus on Command1")
        self.app.wait_swatches(expected)
        self.assertEqual(self.app.windows(), ["Velmora"])

    def test_up_in_an_empty_list_chooses_its_first_entry(self):
        self.app.key("Tab", "Tab", "Up")
        self.app.wait_text("Label7", "NERO")
        self.assertEqual(self.app.chosen(3), ["nero"])
        self.assertEqual([self.app.chosen(b) for b in (1, 2, 4)], [[], [], []])


class ChooseByAccessibility(VelmoraTestCase):
    """A screen reader selects through AT-SPI, not through input events. Qt
    6.4 offers the list's Table interface and each entry's Toggle action;
    newer Qt adds the Selection interface."""

    def routes(self):
        def table(band, row):
            return self.app["List%d" % band].queryTable().addRowSelection(row)

        routes = {"table": table, "toggle": self.app.toggle}
        try:
            self.app["List1"].querySelection()
        except NotImplementedError:
            pass
        else:
            routes["selection"] = lambda band, row: self.app["List%d" % band].querySelection().selectChild(row)
        return routes

    def unchoosers(self):
        """The ways assistive technology could try to remove a band."""

        def unselect_row(band, row):
            self.app["List%d" % band].queryTable().removeRowSelection(row)

        ways = {"removeRowSelection": unselect_row, "toggle the chosen entry": self.app.toggle}
        try:
            self.app["List1"].querySelection()
        except NotImplementedError:
            pass
        else:
            ways["deselectChild"] = lambda band, row: self.app["List%d" % band].querySelection().deselectChild(row)
            ways["clearSelection"] = lambda band, row: self.app["List%d" % band].querySelection().clearSelection()
        return ways

    def choose_through(self, route, band, text):
        row = ENTRIES[band].index(text)
        self.assertTrue(route(band, row), "the request was refused")
        # The reply comes after the handler ran; its events are queued before it.
        return self.app.take_events()

    def assert_one_change(self, events, band, text):
        self.assertEqual(self.app.chosen(band), [text])
        self.assertEqual(self.app.names_taken(events, "Label%d" % (band + 4)), [text.upper()])
        self.assertEqual(self.app.names_taken(events, "Shape%d" % band), ["%s: %s" % (caption(band), text.upper())])
        self.assertEqual(self.app.windows(), ["Velmora"])

    def test_choosing_with_nothing_on_show(self):
        picks = {"table": ["rosso", "verde", "oro", "marrone"], "toggle": ["bianco", "nero", "argento", "rosso"],
                 "selection": ["grigio", "viola", "azzurro", "oro"]}
        for name, route in self.routes().items():
            for band, text in enumerate(picks[name], start=1):
                with self.subTest(route=name, band=band, entry=text):
                    events = self.choose_through(route, band, text)
                    self.assert_one_change(events, band, text)
                    self.assertEqual(self.app.names_taken(events, "Label9"), [])
            self.app.wait_swatches([RGB[t] for t in picks[name]])
        self.assertEqual(self.app.result(), "")

    def test_choosing_with_a_value_on_show_recomputes_once(self):
        bands = ["rosso", "rosso", "rosso", "oro"]
        self.app.choose(bands)
        self.app.click_button(1)
        self.app.wait_text("Label9", "2200")
        self.app.take_events()

        picks = {"table": ["giallo", "verde", "arancio", "marrone"], "toggle": ["nero", "bianco", "argento", "rosso"],
                 "selection": ["viola", "grigio", "oro", "oro"]}
        for name, route in self.routes().items():
            for band, text in enumerate(picks[name], start=1):
                with self.subTest(route=name, band=band, entry=text):
                    before = self.app.text("Label9")
                    events = self.choose_through(route, band, text)
                    bands[band - 1] = text
                    self.assert_one_change(events, band, text)
                    value = value_text(*bands[:3])
                    if band == 4:
                        # The tolerance changes in place; the value is not recomputed.
                        self.assertEqual(self.app.names_taken(events, "Label9"), [])
                        self.assertEqual(self.app.text("Label9"), before)
                    else:
                        self.assertEqual(self.app.names_taken(events, "Label9"), [value] if value != before else [])
                    self.assertEqual(self.app.text("Label9"), value)
                    self.assertEqual(self.app.result().split()[-1], TOLERANCES[bands[3]])

    def test_assistive_technology_cannot_remove_a_band(self):
        bands = ["giallo", "viola", "rosso", "oro"]
        self.app.choose(bands)
        self.app.click_button(1)
        self.app.wait_text("Label9", "4700")
        self.app.take_events()
        for name, unchoose in self.unchoosers().items():
            for band, text in enumerate(bands, start=1):
                with self.subTest(way=name, band=band):
                    unchoose(band, ENTRIES[band].index(text))
                    events = self.app.take_events()
                    self.assertEqual(self.app.chosen(band), [text])
                    self.assertEqual([e for e in events if e[1] is not None], [])
                    self.assertEqual(self.app.windows(), ["Velmora"])
        self.assertEqual(self.app.result(), "4700 Ohm ± 5%")

    def test_lists_and_swatches_are_named_for_a_screen_reader(self):
        for band in range(1, 5):
            self.assertEqual(self.app.text("List%d" % band), caption(band))
            self.assertEqual(self.app["List%d" % band].getRoleName(), "list")
        self.app.choose({3: "arancio"})
        self.assertEqual(self.app.text("Shape3"), "3° BANDA: ARANCIO")
        self.assertEqual(self.app.text("Shape1"), "1° BANDA: nessun colore")
        # The hidden result labels are not read out.
        for name in ("Label10", "Label11", "Label12", "Label13", "Label14"):
            self.assertFalse(self.app.shown(name), name)


if __name__ == "__main__":
    main()
