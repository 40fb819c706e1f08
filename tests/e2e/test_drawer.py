"""The drawer survives a killed program: a value added through File → Il mio
cassetto… is in the user's data folder before the program is killed, and the
next start shows it."""

import os
import signal

from velmoradesktop import VelmoraTestCase, main

TITLE = "Il mio cassetto"


class DrawerFile(VelmoraTestCase):
    def open_drawer(self):
        self.app.open_menu("File")
        self.app.key("c")
        dialog = self.app.wait_window(TITLE)
        self.desktop.run("xdotool", "windowfocus", "--sync", self.app.x_windows(TITLE, sync=True)[0])
        return dialog

    def named(self, dialog, role):
        return [c.name for c in self.app.pyatspi.utils.findAllDescendants(dialog, lambda c: c.getRoleName() == role)]

    def test_a_value_added_survives_sigkill(self):
        dialog = self.open_drawer()
        self.app.key("alt+v")
        self.app.key("4", "k", "7", "Return")
        self.app.wait_for(lambda: "4700 Ohm: ora 1 nel cassetto." in self.named(dialog, "label"), "4k7 added")

        self.app.process.send_signal(signal.SIGKILL)
        self.app.process.wait()
        with open(os.path.join(self.data_home, "Velmora", "cassetto.csv"), encoding="utf-8") as saved:
            self.assertEqual(saved.read(), "\ufeffvalore;quantità\n4700;1\n")

        self.start()
        dialog = self.open_drawer()
        self.app.wait_for(lambda: "4700" in self.named(dialog, "table cell"), "4700 in the table")


if __name__ == "__main__":
    main()
