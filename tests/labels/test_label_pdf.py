#!/usr/bin/python3
"""velmora etichette as a person runs it, read back from the PDF itself:
word boxes from poppler's pdftotext -bbox, the bands' colours from pixels
rendered by pdftoppm. The sheets' geometry and the E12 codes are typed here
from the makers' and the standard's tables."""

import json
import os
import re
import subprocess
import sys
import tempfile

MM = 72 / 25.4  # PDF points in a millimetre

# Avery J8157: A4, 3 x 11 labels of 64 x 24.3 mm, the first at 6, 14 mm,
# pitch 66.5 x 24.3 mm.
J8157 = dict(columns=3, rows=11, left=6.0, top=14.0, width=64.0, height=24.3, dx=66.5, dy=24.3)

E12 = [10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82]
# IEC 60062's letter code for the E12 values from 10 ohms to 1 megohm.
CODES = ([f"{v}R" for v in E12] + [f"{v}0R" for v in E12]
         + [f"{v // 10}K{v % 10}" for v in E12] + [f"{v}K" for v in E12] + [f"{v}0K" for v in E12] + ["1M0"])

# The colours the band painter uses, as RGB, and their names.
PALETTE = {"nero": (0, 0, 0), "marrone": (128, 64, 0), "rosso": (255, 0, 0), "arancio": (255, 128, 0),
           "giallo": (255, 255, 0), "verde": (0, 192, 0), "azzurro": (0, 255, 255), "viola": (255, 0, 255),
           "grigio": (128, 128, 128), "oro": (192, 192, 0), "argento": (224, 224, 224), "rosa": (255, 192, 203)}

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f"FAIL {what}")


def environment(locale, **extra):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE")}
    env.update(LC_ALL=locale, LANG=locale, QT_QPA_PLATFORM="xcb", **extra)
    return env


def run(program, args, env):
    return subprocess.run([program, "etichette", *args], env=env, capture_output=True, text=True)


def words(pdf):
    """Each page's words as (text, x0, y0, x1, y1) in points from the top left."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True, check=True).stdout
    pages = []
    for page in html.split("<page ")[1:]:
        pages.append([(m[5], *map(float, m.group(1, 2, 3, 4))) for m in re.finditer(
            r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', page)])
    return pages


def label_rect(sheet, position):
    row, column = divmod(position, sheet["columns"])
    x = (sheet["left"] + column * sheet["dx"]) * MM
    y = (sheet["top"] + row * sheet["dy"]) * MM
    return x, y, x + sheet["width"] * MM, y + sheet["height"] * MM


def position_of(sheet, word):
    """The label a word lies wholly inside, or None."""
    _, x0, y0, x1, y1 = word
    for p in range(sheet["columns"] * sheet["rows"]):
        lx0, ly0, lx1, ly1 = label_rect(sheet, p)
        if lx0 <= x0 and x1 <= lx1 and ly0 <= y0 and y1 <= ly1:
            return p
    return None


def labels_on(sheet, page_words):
    """position -> the words inside that label; words outside any, apart."""
    labels, outside = {}, []
    for w in page_words:
        p = position_of(sheet, w)
        if p is None:
            outside.append(w[0])
        else:
            labels.setdefault(p, []).append(w)
    return labels, outside


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    width, height = int(header[1]), int(header[2])
    return width, height, data[header.end():]


def band_colours(pdf, page, y_points, x_from, x_to, dpi=600):
    """The colours of the bands crossed by a horizontal line, left to right:
    runs of at least a quarter of a millimetre of one palette colour."""
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "p")
        subprocess.run(["pdftoppm", "-r", str(dpi), "-f", str(page), "-l", str(page), pdf, out], check=True)
        width, height, pixels = read_ppm(next(os.path.join(folder, f) for f in os.listdir(folder)))
    scale = dpi / 72
    y = int(y_points * scale)
    names, run_name, run_length = [], None, 0
    for x in range(int(x_from * scale), int(x_to * scale)):
        rgb = tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3])
        name = next((n for n, c in PALETTE.items() if all(abs(a - b) <= 24 for a, b in zip(rgb, c))), None)
        if name == run_name:
            run_length += 1
            continue
        if run_name and run_length >= dpi / 25.4 / 4:
            names.append(run_name)
        run_name, run_length = name, 1
    return names


def main():
    program = os.path.abspath(sys.argv[1])
    folder = tempfile.TemporaryDirectory()
    os.chdir(folder.name)
    config = os.path.join(folder.name, "config")  # no calibration of the user's

    for locale, point in (("it_IT.UTF-8", ","), ("en_US.UTF-8", ".")):
        env = environment(locale, XDG_CONFIG_HOME=config)
        # The series of the issue: 61 values on two sheets of 33.
        answer = run(program, ["--serie", "E12", "--da", "10", "--a", "1M", "--foglio", "Avery J8157", "-o", "e.pdf"],
                     env)
        check(answer.returncode == 0 and answer.stderr == "", f"[{locale}] E12 status {answer.returncode} {answer.stderr!r}")
        check(answer.stdout == "61 etichette su 2 pagine in e.pdf (Avery J8157).\n", f"[{locale}] says {answer.stdout!r}")
        pages = words("e.pdf")
        check(len(pages) == 2, f"[{locale}] {len(pages)} pages, not 2")
        codes = []
        for number, page_words in enumerate(pages):
            labels, outside = labels_on(J8157, page_words)
            check(not outside, f"[{locale}] page {number + 1}: words outside every label: {outside[:5]}")
            check(sorted(labels) == list(range(33 if number == 0 else 28)),
                  f"[{locale}] page {number + 1}: labels at {sorted(labels)}")
            for p in sorted(labels):
                codes.append(min(labels[p], key=lambda w: w[2])[0])  # the code stands highest
        check(codes == CODES, f"[{locale}] codes in order: {codes}")
        # The value in the locale's separator, its tolerance, the SMD codes.
        first, fifteenth = (labels_on(J8157, pages[0])[0][p] for p in (0, 26))
        check([w[0] for w in fifteenth][:5] == ["1K5", f"1{point}5", "kΩ", "±", "5%"],
              f"[{locale}] 1K5's first words: {[w[0] for w in fifteenth][:5]}")
        check("SMD" in [w[0] for w in first] and "100" in [w[0] for w in first], f"[{locale}] 10R's SMD codes")

        # The drawer: each value once, or a label a part; typed values sorted,
        # a value typed twice once unless repeated.
        with open("cassetto.csv", "w", encoding="utf-8") as f:
            f.write("valore,quantità\n4k7,3\n1k,2\n")
        for args, labels, pages in ((["--cassetto", "cassetto.csv"], 2, 1),
                                    (["--cassetto", "cassetto.csv", "--ripeti"], 5, 1),
                                    (["4k7", "1k", "4700", "--ripeti", "--salta", "31"], 3, 2),
                                    (["4k7", "1k", "4700"], 2, 1)):
            answer = run(program, args + ["-o", "d.pdf", "--json"], env)
            shown = json.loads(answer.stdout) if answer.returncode == 0 else answer.stderr
            check(shown == {"file": os.path.abspath("d.pdf"), "etichette": labels, "pagine": pages,
                            "foglio": "Avery J8157", "carta": "A4", "saltate": 31 if "--salta" in args else 0},
                  f"[{locale}] {' '.join(args)} --json: {shown}")
        codes = [min(ws, key=lambda w: w[2])[0] for _, ws in sorted(labels_on(J8157, words("d.pdf")[0])[0].items())]
        check(codes == ["1K0", "4K7"], f"[{locale}] typed values in order: {codes}")
        # More than a print takes, counted part by part: refused, no file.
        with open("grande.csv", "w", encoding="utf-8") as f:
            f.write("valore;quantità\n1k;6000\n2k2;4001\n")
        answer = run(program, ["--cassetto", "grande.csv", "--ripeti", "-o", "g.pdf", "--json"], env)
        check(answer.returncode == 1 and "10000" in json.loads(answer.stdout)["errore"] and not os.path.exists("g.pdf"),
              f"[{locale}] 10001 labels: {answer.returncode} {answer.stdout!r}")
        sheets = json.loads(run(program, ["--fogli", "--json"], env).stdout)
        check({"nome": "Avery J8157", "carta": "A4", "etichette": 33, "larghezza_mm": 64, "altezza_mm": 24.3}
              in sheets["fogli"] and sheets["modelli"].endswith("libglabels-3.0/templates"),
              f"[{locale}] --fogli --json: {sheets['modelli']}")

    # The bands of the first label, 10 ohms: read across the drawing beside
    # each line of names.
    labels, _ = labels_on(J8157, words("e.pdf")[0])
    first = labels[0]
    rows = {}
    for w in first:
        if w[0] in PALETTE:
            rows.setdefault(round(w[2]), []).append(w)
    band_rows = [sorted(ws, key=lambda w: w[1]) for _, ws in sorted(rows.items())]
    check(len(band_rows) == 2, f"two rows of colour names on 10R, not {len(band_rows)}")
    expected = [["marrone", "nero", "nero", "oro"], ["marrone", "nero", "nero", "oro", "oro"]]
    for names, want in zip(band_rows, expected):
        check([w[0] for w in names] == want, f"10R names {[w[0] for w in names]}")
        y = (names[0][2] + names[0][4]) / 2
        left = label_rect(J8157, 0)[0]
        painted = band_colours("e.pdf", 1, y, left, names[0][1])
        check(painted == want, f"10R bands painted {painted}, named {want}")

    env = environment("it_IT.UTF-8", XDG_CONFIG_HOME=config)
    # Five positions already used: the first label is the sixth.
    answer = run(program, ["--serie", "E12", "--da", "10", "--a", "1M", "--salta", "5", "-o", "s.pdf"], env)
    labels, outside = labels_on(J8157, words("s.pdf")[0])
    check(answer.returncode == 0 and min(labels) == 5 and labels[5][0][0] == "10R" and not outside,
          f"--salta 5: first label at {min(labels) if labels else None}")
    # An offset moves every word by as much.
    run(program, ["4k7", "-o", "a.pdf"], env)
    run(program, ["4k7", "--scostamento", "2,5;-1", "-o", "b.pdf"], env)
    a, b = words("a.pdf")[0][0], words("b.pdf")[0][0]
    check(abs(b[1] - a[1] - 2.5 * MM) < 0.05 and abs(b[2] - a[2] + 1 * MM) < 0.05, f"offset: {a} then {b}")
    # US Letter from the inch: 3 x 10 of 2 5/8 x 1 in, from 3/16 in and 1/2 in, pitch 2 3/4 x 1 in.
    letter = dict(columns=3, rows=10, left=0.1875 * 25.4, top=12.7, width=2.625 * 25.4, height=25.4, dx=2.75 * 25.4,
                  dy=25.4)
    answer = run(program, ["--serie", "E6", "--da", "1", "--a", "10M", "--foglio", "avery 5160", "-o", "l.pdf"], env)
    pages = words("l.pdf")
    size = subprocess.run(["pdfinfo", "l.pdf"], capture_output=True, text=True).stdout
    check("612 x 792 pts" in size, f"5160 paper: {size}")
    labels, outside = labels_on(letter, pages[0])
    check(answer.returncode == 0 and len(pages) == 2 and sorted(labels) == list(range(30)) and not outside,
          f"5160: {len(pages)} pages, labels {sorted(labels)}, outside {outside[:3]}")

    # The calibration page: the rulers' millimetres every ten, across and
    # down, moved and scaled with the page; the corrections named.
    answer = run(program, ["--prova", "--foglio", "Avery J8157", "--scostamento", "1;2,5", "--scala", "99,5", "-o",
                           "p.pdf"], env)
    check(answer.stdout == "Pagina di prova in p.pdf (Avery J8157).\n", f"--prova says {answer.stdout!r}")
    page = words("p.pdf")[0]
    text = " ".join(w[0] for w in page)
    check("Scostamento 1,0 × 2,5 mm, scala 99,5%" in text and "Avery J8157, A4" in text, f"--prova text: {text[:300]}")
    # Across: under the top edge, right of the ruler down; down: left of 10 mm.
    across = [w for w in page if w[0].isdigit() and w[2] < 12 * MM and w[1] > 10 * MM]
    down = [w for w in page if w[0].isdigit() and w[1] < 10 * MM]
    check([w[0] for w in across] == [w[0] for w in down] == [str(t) for t in range(0, 101, 10)],
          f"ruler numbers: {[w[0] for w in across]}, {[w[0] for w in down]}")
    for ten in range(0, 101, 10):
        across_ten = [w for w in across if w[0] == str(ten)]
        down_ten = [w for w in down if w[0] == str(ten)]
        # A tick at (10 + ten) mm, scaled by 99.5 % and moved by (1, 2.5) mm;
        # its number just right of it, or just above.
        at = ((10 + ten) * 0.995 + 1) * MM
        check(len(across_ten) == 1 and 0 < across_ten[0][1] - at < 1.5 * MM, f"ruler across at {ten}: {across_ten}")
        at = ((10 + ten) * 0.995 + 2.5) * MM
        check(len(down_ten) == 1 and 0 < at - down_ten[0][4] < 1.5 * MM, f"ruler down at {ten}: {down_ten}")

    # Refusals: a sheet not known names the nearest; a file not writable
    # leaves none; either status 1 and one line.
    answer = run(program, ["4k7", "--foglio", "Avery J8517", "-o", "x.pdf"], env)
    check(answer.returncode == 1 and "Avery J8157" in answer.stderr and not os.path.exists("x.pdf"),
          f"unknown sheet: {answer.returncode} {answer.stderr!r}")
    with open("kept.pdf", "w") as f:
        f.write("old")
    answer = run(program, ["4k7", "-o", "kept.pdf/e.pdf"], env)  # a folder that is a file, even for root
    check(answer.returncode == 1 and answer.stderr.startswith("velmora: Impossibile scrivere kept.pdf/e.pdf")
          and answer.stderr.count("\n") == 1 and open("kept.pdf").read() == "old",
          f"unwritable: {answer.returncode} {answer.stderr!r}")
    answer = run(program, ["4k7", "--salta", "33", "-o", "kept.pdf"], env)
    check(answer.returncode == 2 and open("kept.pdf").read() == "old", f"--salta 33: {answer.returncode}")

    # The sheets known: the installed library, and the built-ins without it.
    listed = [line.split("  ") for line in run(program, ["--fogli"], env).stdout.splitlines()]
    listed = [[cell.strip() for cell in line if cell.strip()] for line in listed]
    check(["Avery J8157", "A4", "33", "64 × 24,3 mm"] in listed and ["Herma 4283", "A4", "6", "192 × 39 mm"] in listed
          and len(listed) > 1000, f"--fogli: {len(listed)} lines")
    alone = run(program, ["--fogli"], dict(env, XDG_DATA_DIRS=os.path.join(folder.name, "none"),
                                           XDG_DATA_HOME=os.path.join(folder.name, "none"))).stdout.splitlines()
    alone = [[cell.strip() for cell in line.split("  ") if cell.strip()] for line in alone]
    check(["Avery J8157", "A4", "33", "64 × 24,3 mm"] in alone and ["Avery 5160", "US Letter", "30", "66,7 × 25,4 mm"]
          in alone and len(alone) < 20, f"--fogli without the library: {alone}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
