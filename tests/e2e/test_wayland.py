"""Velmora native on Wayland (weston, headless), as a screen reader user
meets it: with no pointer or keyboard there, AT-SPI alone reads the window,
chooses the bands, presses the buttons and closes the window."""

import re

from velmoradesktop import CONTROLS, ENTRIES, TIMEOUT, VelmoraTestCase, WaylandDesktop, main

BANDS = ["giallo", "viola", "rosso", "oro"]


class Wayland(VelmoraTestCase):
    DESKTOP = WaylandDesktop

    def test_window_names_its_desktop_entry(self):
        # The compositor takes the window's icon and taskbar entry from the
        # desktop entry its app id names.
        app_ids = re.findall(r'xdg_toplevel@\d+\.set_app_id\("([^"]*)"\)', self.desktop.protocol())
        self.assertEqual(app_ids[-1:], ["velmora"])

    def test_choose_calculate_clear(self):
        app = self.app
        for name, role, rect, text, shown in CONTROLS:
            with self.subTest(control=name):
                self.assertEqual(app.text(name), text)
                self.assertEqual(app.shown(name), shown)
                if shown:
                    self.assertEqual(app.rect(name), rect)

        for band, colour in enumerate(BANDS, start=1):
            app.toggle(band, ENTRIES[band].index(colour))
            app.wait_for(lambda: app.chosen(band) == [colour], "%s chosen in List%d" % (colour, band))
            app.wait_text("Label%d" % (band + 4), colour.upper())
            app.wait_text("Shape%d" % band, "%d° BANDA: %s" % (band, colour.upper()))
        self.assertEqual(app.result(), "")

        app.press(1)
        app.wait_for(lambda: app.result() == "4700 Ohm ± 5%", "the result line")
        self.assertTrue(app.shown("Label14"))

        app.press(2)
        app.wait_for(lambda: app.result() == "", "Cancella to clear the result")
        for band in range(1, 5):
            self.assertEqual(app.chosen(band), [])
            self.assertEqual(app.text("Label%d" % (band + 4)), "")
            self.assertEqual(app.text("Shape%d" % band), "%d° BANDA: nessun colore" % band)
        self.assertFalse(app.shown("Label14"))
        self.assertEqual(app.windows(), ["Velmora"])

        # Closed from the menu, whose items a screen reader runs directly.
        esci = next(i for title in app.menu_bar() for i in title[0] if i.name == "Esci")
        action = esci.queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
        self.assertEqual(app.process.wait(TIMEOUT), 0)


if __name__ == "__main__":
    main()
