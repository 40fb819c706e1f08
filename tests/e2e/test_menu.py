"""The menu bar in the real window: the five-band form chosen from the
keyboard through the Bande menu, read and worked as a user would, and the
four-band form back as it was left; the marking window from the Strumenti menu."""

from velmoradesktop import VelmoraTestCase, main


class BandsMenu(VelmoraTestCase):
    LANG = "it_IT.UTF-8"

    def client(self, lists):
        """The form on show under the menu bar, if it has this many lists."""
        for child in self.app.top:
            if child is None or child.getRoleName() == "menu bar" or not self.app.showing(child):
                continue
            if sum(1 for c in child if c is not None and c.getRoleName() == "list") == lists:
                return child
        return None

    def texts(self, form):
        return [c.name for c in form if c.getRoleName() == "label" and self.app.showing(c)]

    def test_five_bands_from_the_menu_and_back(self):
        self.app.choose(["giallo", "viola", "rosso", "oro"])
        self.app.click_button(1)
        self.app.wait_for(lambda: self.app.result() == "4700 Ohm ± 5%", "4700 Ohm ± 5%")

        self.app.open_menu("Bande")
        self.app.key("5")
        form = self.app.wait_for(lambda: self.client(5), "the five-band form")
        self.assertEqual(self.app.extents(form)[2:], (537, 460))
        self.assertIn("VELMORA a 5 bande", self.texts(form))
        self.assertFalse(self.app.shown("List1"))

        lists = [c for c in form if c.getRoleName() == "list"]
        self.assertEqual([lst.name for lst in lists], ["%d° BANDA" % n for n in range(1, 6)])
        wanted = ["giallo", "bianco", "bianco", "marrone", "marrone"]
        entries = [next(e for e in lst if e.name == text) for lst, text in zip(lists, wanted)]
        self.app.click(*entries)
        calculate = next(c for c in form if c.name == "CALCOLA VALORE RESISTENZA")
        self.app.click(calculate)
        self.app.wait_for(
            lambda: self.texts(form)[-5:] == ["Valore resistenza", "4990", "Ohm", "±", "1%"], "4990 Ohm ± 1%"
        )
        self.assertIn("MARRONE", self.texts(form))

        # Ctrl+4: the four-band form as it was left.
        self.app.key("ctrl+4")
        self.app.wait_for(lambda: self.app.shown("List1"), "the four-band form again")
        self.assertEqual(self.app.result(), "4700 Ohm ± 5%")
        self.assertEqual(self.app.extents(self.app.window)[2:], (433, 421))
        self.assertIsNone(self.client(5))

    def test_whole_code_on_four_bands_from_the_menu(self):
        self.app.open_menu("Bande")
        self.app.key("c")
        form = self.app.wait_for(
            lambda: next((f for f in [self.client(4)] if f and "VELMORA codice completo" in self.texts(f)), None),
            "the whole-code form")
        self.assertEqual(self.app.extents(form)[2:], (433, 460))
        lists = [c for c in form if c.getRoleName() == "list"]
        wanted = ["marrone", "nero", "rosso", "argento"]
        self.app.click(*[next(e for e in lst if e.name == text) for lst, text in zip(lists, wanted)])
        self.app.click(next(c for c in form if c.name == "CALCOLA VALORE RESISTENZA"))
        self.app.wait_for(
            lambda: self.texts(form)[-5:] == ["Valore resistenza", "1000", "Ohm", "±", "10%"], "1000 Ohm ± 10%")

    def test_marking_from_the_tools_menu(self):
        self.app.open_menu("Strumenti")
        self.app.key("m")
        dialog = self.app.wait_window("Leggi marcatura")
        # No window manager hands it the keyboard; the test does.
        self.desktop.run("xdotool", "windowfocus", "--sync", self.app.x_windows("Leggi marcatura", sync=True)[0])
        self.app.key("6", "8", "B")
        # The readings are the cells of a tree in the window's scrolling area.
        find = self.app.pyatspi.utils.findAllDescendants
        names = lambda: [c.name for c in find(dialog, lambda c: c is not None and bool(c.name))]
        self.app.wait_for(lambda: "4990 Ohm" in names(), "68B read as 4990 Ohm")
        self.assertIn("SMD, EIA-96", names())
        self.assertIn("68 pF", names())

if __name__ == "__main__":
    main()
