"""The value under an Italian locale: a decimal comma, the same digits."""

from velmoradesktop import VelmoraTestCase, main


class ItalianLocale(VelmoraTestCase):
    LANG = "it_IT.UTF-8"

    def test_decimal_comma(self):
        self.app.choose(["giallo", "viola", "oro", "oro"])
        self.app.click_button(1)
        self.app.wait_for(lambda: self.app.result() == "4,7 Ohm ± 5%", "4,7 Ohm ± 5%")

        # The live recompute keeps the comma.
        self.app.choose({1: "rosso", 2: "giallo", 3: "argento"})
        self.app.wait_for(lambda: self.app.result() == "0,24 Ohm ± 5%", "0,24 Ohm ± 5%")
        self.app.choose({3: "arancio"})
        self.app.wait_for(lambda: self.app.result() == "24000 Ohm ± 5%", "24000 without grouping")
        self.assertEqual(self.app.windows(), ["Velmora"])


class EnglishLocale(VelmoraTestCase):
    LANG = "en_US.UTF-8"

    def test_decimal_point(self):
        self.app.choose(["giallo", "viola", "oro", "oro"])
        self.app.click_button(1)
        self.app.wait_for(lambda: self.app.result() == "4.7 Ohm ± 5%", "4.7 Ohm ± 5%")
        self.app.choose({3: "arancio"})
        self.app.wait_for(lambda: self.app.result() == "47000 Ohm ± 5%", "47000 without grouping")


if __name__ == "__main__":
    main()
