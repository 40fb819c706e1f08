#!/usr/bin/python3
"""velmora bande / valore from a terminal: one table of command lines with the
status, the stream and what it must show, run against the built program with
no display, in Italian and American English. JSON is parsed, not compared as
text. combina and partitore are also held to a brute force over E series
typed here. The bash completion offers the commands and options --help lists.
usage: test_commands.py VELMORA COMPLETION_FILE"""

import collections
import itertools
import json
import os
import re
import subprocess
import sys
import tempfile
from fractions import Fraction

IT, EN, BOTH = ("it_IT.UTF-8",), ("en_US.UTF-8",), ("it_IT.UTF-8", "en_US.UTF-8")
OUT, ERR = "stdout", "stderr"
E3_E192 = ["E3", "E6", "E12", "E24", "E192"]
HINT = " (vedere velmora --help)"

# Drawer files the cases name, written to the folder they run in.
DRAWERS = {
    "pochi.csv": "valore;quantità\n4k7;1\n1000;3\n",
    "cassetto.csv": "Valore,Qta\n2200,1\n6800,1\n4700,2\n",
    "quantita.csv": "valore;quantità\n2200;1\n4700;tre\n",
    "ambiguo.csv": "valore\n1000\n4.700\n",
    "senza.csv": "nome;quantità\nrosso;1\n",
}

# locales | arguments | status | stream | text, or the JSON object expected
CASES = [
    (BOTH, "bande giallo viola rosso oro", 0, OUT, "4700 Ohm ± 5%"),
    (BOTH, "bande marrone nero rosso", 0, OUT, "1000 Ohm ± 20%"),
    (IT, "bande giallo viola oro oro", 0, OUT, "4,7 Ohm ± 5%"),
    (EN, "bande giallo viola oro oro", 0, OUT, "4.7 Ohm ± 5%"),
    # Beyond the four-band window's lists: silver tolerance, pink multiplier.
    (BOTH, "bande marrone nero rosso argento", 0, OUT, "1000 Ohm ± 10%"),
    (IT, "bande marrone nero rosa grigio", 0, OUT, "0,01 Ohm ± 0,05%"),
    (BOTH, "bande GIALLO Viola blu nero marrone", 0, OUT, "476 Ohm ± 1%"),
    (EN, "bande arancio bianco bianco argento verde rosso", 0, OUT, "3.99 Ohm ± 0.5% 50 ppm/K"),
    (BOTH, "bande giallo viola rosso oro --json", 0, OUT,
     {"bande": ["giallo", "viola", "rosso", "oro"], "ohm": "4700", "tolleranza": "5", "ppm": None, "min": "4465",
      "max": "4935", "serie": E3_E192, "vicini": [], "testo": "4700 Ohm ± 5%"}),
    (IT, "bande giallo nero oro argento --json", 0, OUT,
     {"bande": ["giallo", "nero", "oro", "argento"], "ohm": "4", "tolleranza": "10", "ppm": None, "min": "3.6",
      "max": "4.4", "serie": [], "vicini": ["3.9", "4.7"], "testo": "4 Ohm ± 10%"}),
    (EN, "bande --json marrone nero nero nero marrone viola", 0, OUT,
     {"bande": ["marrone", "nero", "nero", "nero", "marrone", "viola"], "ohm": "100", "tolleranza": "1",
      "ppm": "5", "min": "99", "max": "101", "serie": ["E3", "E6", "E12", "E24", "E48", "E96", "E192"],
      "vicini": [], "testo": "100 Ohm ± 1% 5 ppm/K"}),
    (BOTH, "bande rosa nero rosso oro", 1, ERR, "velmora: La banda 1 (cifra) non può essere «rosa»: può essere "
     "nero, marrone, rosso, arancio, giallo, verde, azzurro, viola, grigio o bianco."),
    (BOTH, "bande giallo viola rosso nero --json", 1, OUT, {"errore": "La banda 4 (tolleranza) non può essere "
     "«nero»: può essere marrone, rosso, arancio, giallo, verde, azzurro, viola, grigio, oro o argento."}),
    (BOTH, "bande giallo blue oro bianco", 1, ERR, "velmora: La banda 2 (cifra) non può essere «blue»: può essere "
     "nero, marrone, rosso, arancio, giallo, verde, azzurro, viola, grigio o bianco."),
    (BOTH, "bande giallo viola", 2, ERR,
     "velmora: bande vuole da 3 a 6 colori, uno per banda dalla prima, e ne ha 2" + HINT),
    (BOTH, "bande giallo viola rosso oro --ppm 50", 2, ERR, "velmora: opzione sconosciuta: --ppm" + HINT),
    (BOTH, "bande giallo viola --json", 2, OUT,
     {"errore": "bande vuole da 3 a 6 colori, uno per banda dalla prima, e ne ha 2"}),
    (BOTH, "bande --json giallo viola rosso oro --ppm 50", 2, OUT, {"errore": "opzione sconosciuta: --ppm"}),
    (BOTH, "bande nero viola rosso oro", 1, ERR, "velmora: La banda 1 è nera, e nessun resistore comincia con il "
     "nero: la prima cifra non è mai zero. Forse il resistore va letto dall'altro lato."),

    # Inductors, against the tables' own examples: the value in the prefix
    # that suits, the table named where one alone gives the colour.
    (IT, "bande giallo viola oro argento --induttore", 0, OUT, "4,7 µH ± 10%"),
    (IT, "bande giallo viola oro argento", 0, OUT, "4,7 Ohm ± 10%"),
    (BOTH, "bande --induttore marrone nero marrone oro", 0, OUT, "100 µH ± 5%"),
    (BOTH, "bande marrone nero giallo nero --induttore", 0, OUT, "100 mH ± 20% (secondo learnabout-electronics.org)"),
    (BOTH, "bande marrone nero rosso marrone --induttore", 0, OUT, "1 mH ± 1% (secondo rzguodou.com)"),
    (BOTH, "bande verde blu viola --induttore", 0, OUT, "560 H ± 20% (secondo rzguodou.com)"),
    (BOTH, "bande argento oro giallo viola oro --induttore", 0, OUT,
     "470 nH ± 5% (forma militare, secondo learnabout-electronics.org)"),
    (IT, "bande giallo viola oro argento --induttore --json", 0, OUT,
     {"letture": [{"componente": "induttore", "valore": "0.0000047", "unita": "H", "testo": "4,7 µH",
                   "tolleranza": {"meno": "10", "piu": "10"}, "formato": "4 bande", "fonte": "concorde"}]}),
    (EN, "bande giallo viola oro argento --induttore --json", 0, OUT,
     {"letture": [{"componente": "induttore", "valore": "0.0000047", "unita": "H", "testo": "4.7 µH",
                   "tolleranza": {"meno": "10", "piu": "10"}, "formato": "4 bande", "fonte": "concorde"}]}),
    (BOTH, "bande --json --induttore argento rosso viola arancio marrone", 0, OUT,
     {"letture": [{"componente": "induttore", "valore": "0.027", "unita": "H", "testo": "27 mH",
                   "tolleranza": {"meno": "1", "piu": "1"}, "formato": "militare",
                   "fonte": "learnabout-electronics.org"}]}),
    (BOTH, "bande marrone nero verde nero --induttore", 1, ERR, "velmora: La banda 4 (tolleranza) non può essere "
     "«nero»: nessuna tabella degli induttori la legge con queste bande."),
    (BOTH, "bande giallo viola rosa oro --induttore --json", 1, OUT, {"errore": "La banda 3 (moltiplicatore) non "
     "può essere «rosa»: nessuna tabella degli induttori lo legge come moltiplicatore."}),
    (BOTH, "bande giallo blue rosa oro --induttore", 1, ERR,
     "velmora: La banda 2 non può essere «blue»: non è il nome di un colore."),
    (BOTH, "bande marrone rosso oro rosso argento --induttore", 1, ERR, "velmora: Su 5 bande un induttore ha la forma "
     "militare, che comincia con una banda argento: la banda 1 non può essere «marrone»."),
    (BOTH, "bande giallo viola rosso oro nero nero --induttore", 2, ERR,
     "velmora: bande --induttore vuole da 3 a 5 colori, uno per banda dalla prima, e ne ha 6" + HINT),

    (BOTH, "valore 4K7", 0, OUT, "giallo viola rosso oro\nSerie E3, E6, E12, E24, E192"),
    (IT, "valore 4,7 k", 0, OUT, "giallo viola rosso oro\nSerie E3, E6, E12, E24, E192"),
    (EN, "valore 0R22 --bande 6 --ppm 15", 0, OUT, "rosso rosso nero rosa marrone arancio\nSerie E3, E6, E12, E24"),
    (IT, "valore 4k --tolleranza 2", 0, OUT,
     "giallo nero rosso rosso\nNon è un valore normalizzato. I più vicini in E24: 3900 Ohm e 4300 Ohm"),
    (BOTH, "valore 4K7 --bande 5 --tolleranza 1 --json", 0, OUT,
     {"bande": ["giallo", "viola", "nero", "marrone", "marrone"], "ohm": "4700", "tolleranza": "1", "ppm": None,
      "min": "4653", "max": "4747", "serie": E3_E192, "vicini": [], "testo": "4700 Ohm ± 1%"}),
    (IT, "valore --bande=5 --tolleranza=0,05% 12K1 --json", 0, OUT,
     {"bande": ["marrone", "rosso", "marrone", "rosso", "arancio"], "ohm": "12100", "tolleranza": "0.05",
      "ppm": None, "min": "12093.95", "max": "12106.05", "serie": ["E48", "E96", "E192"], "vicini": [],
      "testo": "12100 Ohm ± 0,05%"}),
    (BOTH, "valore 5k --bande 3 --tolleranza 20", 0, OUT,
     "verde nero rosso\nNon è un valore normalizzato. I più vicini in E6: 4700 Ohm e 6800 Ohm"),
    (IT, "valore 100G --bande 3", 1, ERR, "velmora: 100000000000 Ohm è fuori portata: la finestra a 3 bande "
     "mostra da 0,01 a 99000000000 Ohm. Quella a 5 bande lo mostra."),
    (IT, "valore 4.700", 1, ERR, "velmora: «4.700» è ambiguo: può voler dire 4700 oppure 4,7. Scrivere l’uno o "
     "l’altro così, senza separatore delle migliaia."),
    (BOTH, "valore -470 --json", 1, OUT,
     {"errore": "Una resistenza non è mai negativa: scrivere il valore senza il segno meno."}),
    (IT, "valore 1G", 1, ERR, "velmora: 1000000000 Ohm è fuori portata: la finestra a 4 bande mostra da 0,1 a "
     "99000000 Ohm. Quella a 5 bande lo mostra."),
    (BOTH, "valore 1234 --bande 6", 1, ERR, "velmora: 1234 Ohm ha 4 cifre significative: la finestra a 6 bande ne "
     "mostra 3. Nessuna finestra di Velmora ne mostra di più."),
    (BOTH, "valore 4K7 --bande 3 --tolleranza 5", 1, ERR,
     "velmora: La finestra a 3 bande non offre la tolleranza «5»: offre 20%."),
    (IT, "valore 4K7 --tolleranza 10", 1, ERR,
     "velmora: La finestra a 4 bande non offre la tolleranza «10»: offre 1%, 2% e 5%."),
    (BOTH, "valore 4K7 --ppm 50", 2, ERR, "velmora: l'opzione --ppm vale solo con --bande 6" + HINT),
    (BOTH, "valore 4K7 --bande 7", 2, ERR, "velmora: l'opzione --bande vuole 3, 4, 5 o 6, non 7" + HINT),
    (BOTH, "valore 4K7 --tolleranza", 2, ERR, "velmora: manca il valore dell'opzione --tolleranza" + HINT),
    (BOTH, "valore 4K7 --tolleranza abc", 2, ERR,
     "velmora: l'opzione --tolleranza vuole una percentuale, per esempio 5 oppure 0,5, non «abc»" + HINT),
    (BOTH, "valore 4K7 --bande 6 --ppm abc --json", 2, OUT,
     {"errore": "l'opzione --ppm vuole un numero di ppm/K, per esempio 100, non «abc»"}),
    (EN, "valore 0.05 --bande 3", 0, OUT,
     "verde nero rosa\nNon è un valore normalizzato. I più vicini in E6: 0.047 Ohm e 0.068 Ohm"),
    (BOTH, "valore -- " + "-" * 30000 + "470", 1, ERR,
     "velmora: Il testo è troppo lungo: un valore o un codice si scrive con al massimo 40 caratteri."),
    (BOTH, "valore 470\x01", 1, ERR, "velmora: Il testo contiene un carattere di controllo (U+0001), che non fa "
     "parte di nessun valore: riscriverlo senza."),
    (BOTH, "-style Fusion valore 1K", 0, OUT, "marrone nero rosso oro\nSerie E3, E6, E12, E24, E48, E96, E192"),
    (BOTH, "valori 1K", 2, ERR, "velmora: comando sconosciuto: valori" + HINT),

    (BOTH, "smd 01C", 0, OUT, "10000 Ohm ± 1% (EIA-96)"),
    (EN, "smd 47R", 0, OUT, "47 Ohm (R al posto della virgola)\n3.01 Ohm ± 1% (EIA-96)"),
    # The keys of a part, whatever its kind, and the scheme the bands are read in.
    (BOTH, "bande marrone nero rosso argento --json", 0, OUT,
     {"bande": ["marrone", "nero", "rosso", "argento"], "ohm": "1000", "tolleranza": "10", "ppm": None, "min": "900",
      "max": "1100", "serie": ["E3", "E6", "E12", "E24", "E48", "E96", "E192"], "vicini": [],
      "testo": "1000 Ohm ± 10%", "schema": "4 bande, codice completo",
      "parte": {"tipo": "resistore", "valore": "1000", "unita": "Ω", "tolleranza": {"meno": "10", "piu": "10"},
                "marcatura": {"tipo": "bande", "testo": ""}}}),
    (IT, "bande rosso rosso nero nero marrone marrone --json", 0, OUT,
     {"bande": ["rosso", "rosso", "nero", "nero", "marrone", "marrone"], "ohm": "220", "tolleranza": "1",
      "ppm": "100", "min": "217.8", "max": "222.2", "serie": ["E3", "E6", "E12", "E24"],
      "vicini": [], "testo": "220 Ohm ± 1% 100 ppm/K", "schema": "6 bande",
      "parte": {"tipo": "resistore", "valore": "220", "unita": "Ω", "tolleranza": {"meno": "1", "piu": "1"},
                "marcatura": {"tipo": "bande", "testo": ""}}}),
    (EN, "smd 01c --json", 0, OUT, {"letture": [{"ohm": "10000", "formato": "EIA-96", "tolleranza": "1",
     "tolleranza_usuale": None, "fonte": "comune",
     "parte": {"tipo": "resistore", "valore": "10000", "unita": "Ω", "tolleranza": {"meno": "1", "piu": "1"},
               "marcatura": {"tipo": "codice", "testo": "01c"}}}]}),
    (IT, "smd 4,7K --json", 0, OUT, {"ohm": "4700", "marcature": [{"codice": "472", "formato": "3cifre"},
     {"codice": "4701", "formato": "4cifre"}],
     "parte": {"tipo": "resistore", "valore": "4700", "unita": "Ω", "tolleranza": None,
               "marcatura": {"tipo": "testo", "testo": "4,7K"}}}),
    (BOTH, "smd 4R7 --json", 0, OUT, {"letture": [{"ohm": "4.7", "formato": "R", "tolleranza": None,
                                                   "tolleranza_usuale": None, "fonte": None}]}),
    (BOTH, "smd --json 47R", 0, OUT, {"letture": [{"ohm": "47", "formato": "R", "tolleranza": None,
                                                   "tolleranza_usuale": None, "fonte": None},
                                                  {"ohm": "3.01", "formato": "EIA-96", "tolleranza": "1",
                                                   "tolleranza_usuale": None, "fonte": "comune"}]}),
    (BOTH, "smd 97A", 1, ERR, "velmora: «97A» non è un codice EIA-96: le due cifre vanno da 01 a 96."),
    (BOTH, "smd 472 473", 2, ERR, "velmora: smd vuole un codice solo, e ne ha 2: per esempio velmora smd 472" + HINT),
    (BOTH, "smd 472 473 --json", 2, OUT,
     {"errore": "smd vuole un codice solo, e ne ha 2: per esempio velmora smd 472"}),
    (EN, "smd 50H", 0, OUT,
     "3240 Ohm ± 1% (EIA-96, tabelle più diffuse)\n3240000000 Ohm ± 1% (EIA-96, tabella di un produttore)"),
    (BOTH, "smd --json 01G", 0, OUT, {"letture": [{"ohm": "100000000", "formato": "EIA-96", "tolleranza": "1",
                                                   "tolleranza_usuale": None, "fonte": "produttore"}]}),
    (IT, "smd 4701 --json", 0, OUT, {"letture": [{"ohm": "4700", "formato": "4cifre", "tolleranza": None,
                                                  "tolleranza_usuale": "1", "fonte": None}]}),
    (BOTH, "smd 4K7", 0, OUT, "4700 Ohm si marca 472 (3 cifre) oppure 4701 (4 cifre)."),
    (IT, "smd 0,1 --json", 0, OUT, {"ohm": "0.1", "marcature": [{"codice": "R10", "formato": "R"},
                                                              {"codice": "R100", "formato": "R"},
                                                              {"codice": "01Z", "formato": "EIA-96"}]}),
    (EN, "smd 12,34", 1, ERR, "velmora: Nessun codice SMD scrive 12.34 Ohm."),
    (EN, "smd 4.700", 1, ERR, "velmora: «4.700» è ambiguo: può voler dire 4700 oppure 4.7. Scrivere l’uno o l’altro "
     "così, senza separatore delle migliaia."),
    # A marking as every part it can be: 104 is 10 × 10^4 Ω, pF and µH.
    (IT, "marcatura 104", 0, OUT, "Resistore 100000 Ohm, tolleranza non indicata (di solito 5%) (SMD, 3 cifre; "
     "IEC 60062)\nCondensatore 100 nF (3 cifre, in pF; EIA-198)\nInduttore 100 mH (3 cifre, in µH; EIA)\n"
     "Solo il componente dice quale lettura vale. Un resistore SMD è nero con il codice in bianco, e un multimetro in "
     "ohm ne legge il valore. Un condensatore ceramico è una goccia o un blocchetto (in SMD beige o marrone, di solito "
     "senza scritte) e in ohm non conduce. Un induttore mostra l'avvolgimento o la ferrite, e in ohm legge quasi zero."),
    (BOTH, "marcatura 2A473J --componente condensatore --json", 0, OUT, {"distinguere": None, "letture": [
        {"componente": "condensatore", "valore": "0.000000047", "unita": "F", "testo": "47 nF",
         "tolleranza": {"meno": "5", "piu": "5", "unita": "%"}, "tensione": "100", "dielettrico": None,
         "formato": "3 cifre, in pF", "fonte": "EIA-198; tolleranza: IEC 60062; tensione: EIA"}]}),
    (EN, "marcatura --componente condensatore 4R7C --json", 0, OUT, {"distinguere": None, "letture": [
        {"componente": "condensatore", "valore": "0.0000000000047", "unita": "F", "testo": "4.7 pF",
         "tolleranza": {"meno": "0.00000000000025", "piu": "0.00000000000025", "unita": "F"}, "tensione": None,
         "dielettrico": None, "formato": "R al posto della virgola, in pF", "fonte": "IEC 60062; tolleranza: IEC 60062"}]}),
    (BOTH, "marcatura X7R --json", 0, OUT, {"distinguere": None, "letture": [
        {"componente": "condensatore", "valore": None, "unita": "F", "testo": None, "tolleranza": None,
         "tensione": None, "dielettrico": {"classe": 2, "da": -55, "a": 125, "testo": "classe 2, da −55 a +125 °C, ± 15%",
                                           "variazione": {"meno": "15", "piu": "15", "unita": "%"}},
         "formato": "senza valore", "fonte": "dielettrico: EIA-198"}]}),
    (IT, "marcatura 4R7 --componente induttore", 0, OUT, "Induttore 4,7 µH (R al posto della virgola, in µH; EIA)"),
    (EN, "marcatura 4R7 --componente induttore --json", 0, OUT, {"distinguere": None, "letture": [
        {"componente": "induttore", "valore": "0.0000047", "unita": "H", "testo": "4.7 µH", "tolleranza": None,
         "tensione": None, "dielettrico": None, "formato": "R al posto della virgola, in µH", "fonte": "EIA"}]}),
    (BOTH, "marcatura 4K7 --componente resistore --json", 0, OUT, {"distinguere": None, "letture": [
        {"componente": "resistore", "valore": "4700", "unita": "Ohm", "testo": "4700 Ohm", "tolleranza": None,
         "tensione": None, "dielettrico": None, "formato": "codice a lettere", "fonte": "IEC 60062"}]}),
    (BOTH, "marcatura 1M0 --componente condensatore", 1, ERR,
     "velmora: «1M0» non è una marcatura di condensatore che Velmora conosca."),
    (BOTH, "marcatura QQ --json", 1, OUT, {"errore": "«QQ» non è una marcatura che Velmora conosca, né di resistore né "
     "di condensatore né di induttore."}),
    (BOTH, "marcatura 104 --componente diodo", 2, ERR,
     "velmora: --componente vuole resistore, condensatore o induttore, e ha diodo" + HINT),
    (BOTH, "marcatura", 2, ERR, "velmora: marcatura vuole il testo stampato, per esempio velmora marcatura 2A473J" + HINT),
    (BOTH, "smd 47Q", 1, ERR, "velmora: «47Q» non è un codice EIA-96: la lettera è una di A, B, C, D, E, F, G, H, X, "
     "Y, Z, R e S."),

    (BOTH, "identifica rosso rosso nero nero marrone", 0, OUT,
     "220 Ohm ± 1%: rosso rosso nero nero marrone; valore normalizzato\n10000 Ohm ± 2%: marrone nero nero rosso "
     "rosso; valore normalizzato, letta dall'altro lato\n\n2 letture: possono distinguerle solo una misura o il "
     "corpo del resistore, dove lo spazio più largo viene prima della banda di tolleranza."),
    (IT, "identifica rosso rosso nero nero marrone --misurato 219 --json", 0, OUT, {
        "letture": [{"bande": ["rosso", "rosso", "nero", "nero", "marrone"], "ohm": "220", "tolleranza": "1",
                     "ppm": None, "min": "217.8", "max": "222.2", "normalizzato": True, "misura": True,
                     "rovesciata": False},
                    {"bande": ["marrone", "nero", "nero", "rosso", "rosso"], "ohm": "10000", "tolleranza": "2",
                     "ppm": None, "min": "9800", "max": "10200", "normalizzato": True, "misura": False,
                     "rovesciata": True}],
        "trovate": 2, "non_elencate": 0, "escluse": 0, "verdetto": "2 letture: la misura ne lascia una sola."}),
    (EN, "identifica --verso-noto giallo viola rosso/arancio oro", 0, OUT,
     "4700 Ohm ± 5%: giallo viola rosso oro; valore normalizzato\n47000 Ohm ± 5%: giallo viola arancio oro; valore "
     "normalizzato\n\n2 letture: possono distinguerle solo una misura o uno sguardo più attento alla banda 3."),
    (IT, "identifica giallo viola rosso/arancio oro/argento --misurato 4,7k --precisione 0,5", 0, OUT,
     "4700 Ohm ± 5%: giallo viola rosso oro; confermata dalla misura\n4700 Ohm ± 10%: giallo viola rosso argento; "
     "confermata dalla misura\n47000 Ohm ± 5%: giallo viola arancio oro; esclusa dalla misura\n47000 Ohm ± 10%: "
     "giallo viola arancio argento; esclusa dalla misura\n\n4 letture; la misura ne conferma 2: possono "
     "distinguerle solo uno sguardo più attento alla banda 4 o una misura più precisa.\nIl codice colori esclude 4 "
     "sequenze: 4 perché una cifra non è mai oro, argento o rosa."),
    # 4440 ± 0,5 % stops at 4462,2, short of 4465.
    (BOTH, "identifica giallo viola rosso oro --verso-noto --misurato 4440 --precisione 0,5", 0, OUT,
     "4700 Ohm ± 5%: giallo viola rosso oro; esclusa dalla misura\n\nUna sola lettura, e la misura la esclude: "
     "ricontrollare i colori e la misura."),
    # ± 1 % when not given: 1060,61 × 0,99 is 1050,0039, past 1050.
    (BOTH, "identifica marrone nero rosso oro --verso-noto --misurato 1060.61", 0, OUT, "1000 Ohm ± 5%: marrone nero "
     "rosso oro; esclusa dalla misura\n\nUna sola lettura, e la misura la esclude: ricontrollare i colori e la misura."),
    (BOTH, "identifica giallo viola rosso oro --misurato 10k --json", 0, OUT, {
        "letture": [{"bande": ["giallo", "viola", "rosso", "oro"], "ohm": "4700", "tolleranza": "5", "ppm": None,
                     "min": "4465", "max": "4935", "normalizzato": True, "misura": False, "rovesciata": False}],
        "trovate": 1, "non_elencate": 0, "escluse": 1,
        "verdetto": "Una sola lettura, e la misura la esclude: ricontrollare i colori e la misura."}),
    (IT, "identifica arancio bianco bianco argento verde rosso --json", 0, OUT, {
        "letture": [{"bande": ["arancio", "bianco", "bianco", "argento", "verde", "rosso"], "ohm": "3.99",
                     "tolleranza": "0.5", "ppm": "50", "min": "3.97005", "max": "4.00995", "normalizzato": False,
                     "misura": None, "rovesciata": False}],
        "trovate": 1, "non_elencate": 0, "escluse": 1, "verdetto": "Una sola lettura."}),
    (BOTH, "identifica nero/marrone marrone rosa bianco", 1, ERR, "velmora: Nessun resistore porta questi colori: il "
     "codice non ne ammette nessuna lettura.\nIl codice colori esclude 4 sequenze: 2 perché una cifra non è mai oro, "
     "argento o rosa; 1 perché la tolleranza non è mai nero, bianco o rosa; 1 perché la prima cifra non è mai nera."),
    (BOTH, "identifica marrone nero nero nero marrone oro/bianco --verso-noto", 1, ERR, "velmora: Nessun resistore "
     "porta questi colori: il codice non ne ammette nessuna lettura.\nIl codice colori esclude 2 sequenze: 2 perché "
     "il coefficiente di temperatura non è mai bianco, oro, argento o rosa."),
    # 10400 readings from each end, 1300 alike. Ruled out: a digit 3 × 13 × 13 × 9 + 3 × 10 × 13 × 9 from one end,
    # 3 × 8 × 13 × 13 + 3 × 80 × 13 from the other; black as tolerance 1300; black first 13 × 13 × 13.
    (BOTH, "identifica marrone ? ? ? nero/marrone/rosso/arancio/giallo/verde/azzurro/viola/grigio --json", 0, OUT, {
        "letture": 50, "trovate": 19500, "non_elencate": 19450, "escluse": 18746,
        "verdetto": "19500 letture: possono distinguerle solo una misura o il corpo del resistore, dove lo spazio più "
                    "largo viene prima della banda di tolleranza. Ne sono elencate 50, 19450 no."}),
    (BOTH, "identifica ? ? ? ? nero/marrone/rosso/arancio/giallo/verde/azzurro/viola/grigio --json", 1, OUT,
     {"errore": "Troppe letture (114400): indicare il colore di qualche banda in più."}),
    (BOTH, "identifica giallo \x1b[2J viola oro", 1, ERR, "velmora: Banda 2: «\ufffd[2J» non è un colore; i colori "
     "sono nero, marrone, rosso, arancio, giallo, verde, azzurro, viola, grigio, bianco, oro, argento e rosa."),
    (BOTH, "identifica rosso/ viola rosso oro", 1, ERR, "velmora: Banda 1: in «rosso/» manca un colore accanto a una /; "
     "i colori incerti si scrivono così: rosso/arancio."),
    (BOTH, "identifica giallo blue rosso oro", 1, ERR, "velmora: Banda 2: «blue» non è un colore; i colori sono nero, "
     "marrone, rosso, arancio, giallo, verde, azzurro, viola, grigio, bianco, oro, argento e rosa."),
    (BOTH, "identifica giallo viola --misurato 47", 2, ERR,
     "velmora: identifica vuole da 3 a 6 bande (un colore, più colori uniti da / oppure ?), e ne ha 2" + HINT),

    # 10000 is the nearest E6 part; 2200 + 6800 the only exact pair. E6 parts are ± 20 %.
    (IT, "combina 9k --serie E6", 0, OUT, "9000 Ohm ≈ 10000, errore +1000 Ohm (+11,1%); con le tolleranze da 8000 "
     "a 12000 Ohm\n9000 Ohm = 2200 + 6800, esatto; con le tolleranze da 7200 a 10800 Ohm"),
    (EN, "combina 9K --serie e6", 0, OUT, "9000 Ohm ≈ 10000, errore +1000 Ohm (+11.1%); con le tolleranze da 8000 "
     "a 12000 Ohm\n9000 Ohm = 2200 + 6800, esatto; con le tolleranze da 7200 a 10800 Ohm"),
    (BOTH, "combina 4k7", 0, OUT, "4700 Ohm = 4700, esatto; con le tolleranze da 4465 a 4935 Ohm"),
    (IT, "combina 9k --cassetto cassetto.csv", 0, OUT, "9000 Ohm ≈ 6800, errore −2200 Ohm (−24,4%); con le "
     "tolleranze da 6460 a 7140 Ohm\n9000 Ohm = 2200 + 6800, esatto; con le tolleranze da 8550 a 9450 Ohm"),
    # Labels: what each refusal says; the PDFs themselves in tests/labels.
    (BOTH, "etichette 4k7 -o uno.pdf", 0, OUT, "1 etichetta su 1 pagina in uno.pdf (Avery J8157)."),
    (BOTH, "etichette 4k7 --serie E12 -o x.pdf", 2, ERR,
     "velmora: etichette vuole dei valori, --serie oppure --cassetto, uno solo dei tre" + HINT),
    (BOTH, "etichette -o x.pdf --json", 2, OUT,
     {"errore": "etichette vuole dei valori, --serie oppure --cassetto, uno solo dei tre"}),
    (BOTH, "etichette 4k7 --da 1 -o x.pdf", 2, ERR, "velmora: --da e --a valgono solo con --serie" + HINT),
    (BOTH, "etichette --serie E7 -o x.pdf", 2, ERR, "velmora: l'opzione --serie vuole una serie da E3 a E192 (E3, "
     "E6, E12, E24, E48, E96 o E192), non «E7»" + HINT),
    (BOTH, "etichette 4k7", 2, ERR, "velmora: etichette vuole il file PDF da scrivere: -o FILE.pdf" + HINT),
    (BOTH, "etichette --fogli 4k7", 2, ERR, "velmora: --fogli elenca i fogli e non vuole altro" + HINT),
    (BOTH, "etichette 4k7 --salta 33 -o x.pdf", 2, ERR,
     "velmora: --salta vuole un numero intero da 0 a 32 (il foglio ha 33 etichette), non 33" + HINT),
    (BOTH, "etichette 4k7 --foglio 5160 --salta 30 -o x.pdf", 2, ERR,
     "velmora: --salta vuole un numero intero da 0 a 29 (il foglio ha 30 etichette), non 30" + HINT),
    (BOTH, "etichette 4k7 --salta 1x -o x.pdf", 2, ERR,
     "velmora: --salta vuole un numero intero da 0 a 32 (il foglio ha 33 etichette), non 1x" + HINT),
    (BOTH, "etichette 4k7 --scala 110,5 -o x.pdf", 2, ERR, "velmora: --scala vuole un percento fra 90 e 110, non "
     "110,5" + HINT),
    (BOTH, "etichette 4k7 --scostamento 20,1;0 -o x.pdf", 2, ERR, "velmora: --scostamento vuole X,Y in millimetri, "
     "ognuno fra -20 e 20, per esempio 0.5,-1 oppure 0,5;-1; non 20,1;0" + HINT),
    (BOTH, "etichette 4k7 --scostamento 1,2,3 -o x.pdf", 2, ERR, "velmora: --scostamento vuole X,Y in millimetri, "
     "ognuno fra -20 e 20, per esempio 0.5,-1 oppure 0,5;-1; non 1,2,3" + HINT),
    (BOTH, "etichette 4k7 --senza nomi,bande -o x.pdf", 2, ERR, "velmora: --senza vuole parole separate da virgole "
     "fra codice, valore, tolleranza, 4bande, 5bande, nomi e smd, non nomi,bande" + HINT),
    (BOTH, "etichette 4k7 --senza codice,valore,tolleranza,4bande,5bande,smd -o x.pdf", 2, ERR,
     "velmora: con --senza così non resta niente da stampare" + HINT),
    (BOTH, "etichette 4k7 --tolleranza 0 -o x.pdf", 2, ERR,
     "velmora: --tolleranza vuole un percento, come 5 o 0,25, non 0" + HINT),
    (BOTH, "etichette 0 -o x.pdf", 1, ERR, "velmora: 0 Ohm è un ponticello, senza colori né codici da stampare."),
    (BOTH, "etichette --serie E12 --da 1,1 --a 1,15 -o x.pdf", 1, ERR, "velmora: Nessun valore da stampare."),
    (BOTH, "combina", 2, ERR, "velmora: combina vuole un valore, per esempio velmora combina 9k" + HINT),
    (BOTH, "combina 9k --parti 5", 2, ERR, "velmora: l'opzione --parti vuole 1, 2, 3 o 4, non «5»" + HINT),
    (BOTH, "combina 9k --parti=2x --json", 2, OUT, {"errore": "l'opzione --parti vuole 1, 2, 3 o 4, non «2x»"}),
    (BOTH, "combina 9k --serie E7", 2, ERR, "velmora: l'opzione --serie vuole una serie da E3 a E192 (E3, E6, E12, "
     "E24, E48, E96 o E192), non «E7»" + HINT),
    (BOTH, "combina 9k --serie E12 --cassetto cassetto.csv", 2, ERR,
     "velmora: l'opzione --serie non vale con --cassetto: le parti sono quelle del cassetto" + HINT),
    (BOTH, "combina 0", 1, ERR, "velmora: 0 Ohm è un ponticello: nessuna rete di resistori lo fa."),
    (BOTH, "combina 9k --min 10k --max 1k", 1, ERR,
     "velmora: Il valore di --min supera quello di --max: nessun valore sta tra i due."),
    (BOTH, "combina 9k --max 0", 1, ERR, "velmora: --max: il valore deve essere maggiore di zero."),
    (IT, "combina 9k --escludi 1k --escludi 4.700", 1, ERR, "velmora: --escludi: «4.700» è ambiguo: può voler dire "
     "4700 oppure 4,7. Scrivere l’uno o l’altro così, senza separatore delle migliaia."),
    (BOTH, "combina 9k --serie E3 --min 5k --max 9k", 1, ERR, "velmora: Non resta nessuna parte da usare: allargare "
     "--min e --max, togliere qualche --escludi oppure riempire il cassetto."),
    (BOTH, "combina 9k --cassetto manca.csv", 1, ERR,
     "velmora: Il cassetto «manca.csv» non si legge: il file non esiste."),
    (BOTH, "combina 9k --cassetto quantita.csv", 1, ERR, "velmora: Il cassetto «quantita.csv», riga 3: la quantità "
     "«tre» non è un numero intero da 1 a 100000."),
    (IT, "combina 9k --cassetto ambiguo.csv", 1, ERR, "velmora: Il cassetto «ambiguo.csv», riga 3: «4.700» è "
     "ambiguo: può voler dire 4700 oppure 4,7. Scrivere l’uno o l’altro così, senza separatore delle migliaia."),
    (BOTH, "partitore 1/2 --cassetto senza.csv --json", 1, OUT, {"errore": "Il cassetto «senza.csv», riga 1: manca "
     "l’intestazione: la prima riga deve nominare la colonna «valore» e, se si vuole, «quantità»."}),

    # Each leg at least 1 || 1: no total below 1 Ω.
    (BOTH, "partitore 1/2 --serie E3 --totale-min 0,5 --totale-max 0,9", 1, ERR,
     "velmora: Nessun partitore di queste parti ha il totale tra --totale-min e --totale-max."),
    # Equal legs of E3, the total nearest the geometric mean of 1 kΩ and 1 MΩ: 44000.
    (IT, "partitore 0,5 --vin 12 --serie E3", 0, OUT, "2 parti: sopra 22000, sotto 22000, totale 44000 Ohm\n"
     "  rapporto 1/2, esatto; Vout = 6 V, corrente ≈ 0,272727 mA\n  con le tolleranze: sopra da 13200 a 30800 Ohm, "
     "sotto da 13200 a 30800 Ohm, rapporto da 0,3 a 0,7"),
    (EN, "partitore 1/2 --vin 12V --serie E3", 0, OUT, "2 parti: sopra 22000, sotto 22000, totale 44000 Ohm\n"
     "  rapporto 1/2, esatto; Vout = 6 V, corrente ≈ 0.272727 mA\n  con le tolleranze: sopra da 13200 a 30800 Ohm, "
     "sotto da 13200 a 30800 Ohm, rapporto da 0.3 a 0.7"),
    (BOTH, "partitore", 2, ERR,
     "velmora: partitore vuole un rapporto (per esempio 0,66 oppure 2/3) oppure --vin e --vout" + HINT),
    (BOTH, "partitore 2/3 --vin 5 --vout 3", 2, ERR,
     "velmora: partitore vuole il rapporto oppure --vin e --vout, non tutti e due" + HINT),
    (BOTH, "partitore --vout 3", 2, ERR, "velmora: l'opzione --vout vale solo con --vin" + HINT),
    (BOTH, "partitore 2/3 --parti 1", 2, ERR, "velmora: l'opzione --parti vuole 2, 3 o 4, non «1»" + HINT),
    (IT, "partitore --vin 5 --vout 3,3x", 2, ERR,
     "velmora: l'opzione --vout vuole una tensione in volt, per esempio 3,3, non «3,3x»" + HINT),
    (BOTH, "partitore --vin 1.500 --vout 1 --json", 2, OUT, {"errore": "l'opzione --vin: «1.500» è ambiguo, il "
     "separatore può essere decimale o delle migliaia; scrivere la tensione senza separatore delle migliaia"}),
    (BOTH, "partitore 3/2", 1, ERR, "velmora: Il rapporto Vout/Vin di un partitore sta tra 0 e 1, esclusi."),
    (IT, "partitore 2/0", 1, ERR, "velmora: «2/0» non è un rapporto: scrivere un numero tra 0 e 1, per esempio "
     + "0,66, oppure una frazione come 2/3."),
    (BOTH, "partitore --vin 5 --vout 5", 1, ERR, "velmora: Vout deve essere minore di Vin, e maggiore di zero: un "
     "partitore di resistori non alza la tensione."),
    (BOTH, "partitore 2/3 --totale-min 1M --totale-max 1k", 1, ERR,
     "velmora: Il valore di --totale-min supera quello di --totale-max: nessun valore sta tra i due."),
    (BOTH, "partitore 1/2 --serie E3 --totale-min 0,5 --totale-max 0,9", 1, ERR,
     "velmora: Nessun partitore di queste parti ha il totale tra --totale-min e --totale-max."),
]

# The words after "velmora" | what completing the last one offers
COMPLETIONS = [
    ("bande giallo vi", "viola"),
    ("valore 4K7 --bande ", "3 4 5 6"),
    ("valore 4K7 --t", "--tolleranza"),
    ("valore 4K7 --tolleranza ", "1 2 5"),
    ("valore 4K7 --bande 3 --tolleranza ", "20"),
    ("valore --bande 6 4K7 --tolleranza 0,", "0,02 0,05 0,1 0,25 0,5"),
    ("identifica rosso/ar", "rosso/arancio rosso/argento"),
    ("valore --bande=3 1K --tolleranza ", "20"),
    ("valore --bande = 5 1K --tolleranza 0,0", "0,02 0,05"),  # bash's own split at the =
    ("valore --bande 6 4K7 --ppm ", "1 5 10 15 20 25 50 100 250"),
    ("identifica rosso rosso nero --misurato ", ""),
    ("combina 9k --serie ", "E3 E6 E12 E24 E48 E96 E192"),
    ("combina 9k --parti ", "1 2 3 4"),
    ("partitore 2/3 --parti ", "2 3 4"),
]

# One decade of each series, from IEC 60063.
E3, E6 = [10, 22, 47], [10, 15, 22, 33, 47, 68]
E12 = [10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82]
E24 = [10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91]


def series(decade, excluded=()):
    """The series from 1 Ω to 10 MΩ, as many of each as wanted."""
    values = [Fraction(v, 10) * 10 ** e for e in range(7) for v in decade] + [Fraction(10 ** 7)]
    return {v: 4 for v in values if v not in excluded}


def parallel(a, b):
    return a * b / (a + b)


def pairs(stock):
    """Every two parts the stock has, each pair once."""
    return [(a, b) for a, b in itertools.combinations_with_replacement(sorted(stock), 2) if a != b or stock[a] > 1]


def best_networks(stock, target):
    """The least |value − target| of one part, of two and, from a few values, of three."""
    one = min(abs(v - target) for v in stock)
    two = min(min(abs(a + b - target), abs(parallel(a, b) - target)) for a, b in pairs(stock))
    if len(stock) > 10:
        return [one, two]
    parts = [v for v in sorted(stock) for _ in range(min(stock[v], 3))]
    three = min(abs(value - target) for a, b, c in itertools.permutations(parts, 3)
                for value in (a + b + c, parallel(parallel(a, b), c), parallel(a + b, c), parallel(a, b) + c))
    return [one, two, three]


def best_divider(stock, ratio, lowest, highest, load):
    """The least |ratio − asked| of two parts, one a leg, the total within bounds."""
    errors = []
    for a, b in pairs(stock):
        for upper, lower in ((a, b), (b, a)):
            below = parallel(lower, load) if load else lower
            if lowest <= upper + below <= highest:
                errors.append(abs(below / (upper + below) - ratio))
    return min(errors)


def network(text):
    """The exact value of "(1000 + 2200) || 4700": brackets where the operator changes."""
    tokens = re.findall(r"\d+(?:\.\d+)?|\|\||[+()]", text)

    def group():
        value = branch()
        while tokens and tokens[0] in ("+", "||"):
            op, other = tokens.pop(0), branch()
            value = value + other if op == "+" else parallel(value, other)
        return value

    def branch():
        token = tokens.pop(0)
        if token != "(":
            return Fraction(token)
        value = group()
        tokens.pop(0)
        return value
    return group()


def near(text, exact):
    """A value in JSON, exact or to 15 figures."""
    return abs(Fraction(text) - exact) <= abs(exact) * Fraction(1, 10 ** 14)


# arguments | the parts the search may use | tolerance | target | most parts
COMBINATIONS = [
    ("combina 1,37k --serie E12 --parti 4", series(E12), Fraction(1, 10), Fraction(1370), 4),
    ("combina 9k --serie E6 --escludi 2200 --escludi 10k --parti=4", series(E6, [2200, 10000]), Fraction(1, 5),
     Fraction(9000), 4),
    ("combina 9400 --cassetto pochi.csv --parti 2", {Fraction(4700): 1, Fraction(1000): 3}, Fraction(1, 20),
     Fraction(9400), 2),
    ("combina 1k --cassetto cassetto.csv --parti 4", {Fraction(2200): 1, Fraction(6800): 1, Fraction(4700): 2},
     Fraction(1, 20), Fraction(1000), 4),
]
# arguments | parts | ratio | total bounds | load | Vin
DIVIDERS = [
    ("partitore --vin 5 --vout 3,3 --serie E24", series(E24), Fraction(33, 50), (1000, 10 ** 6), None, 5),
    ("partitore 0.3 --carico 4k7 --serie E6 --parti 2 --totale-max 20k", series(E6), Fraction(3, 10),
     (1000, 20000), Fraction(4700), None),
    ("partitore 2/3 --cassetto cassetto.csv --vin 12", {Fraction(2200): 1, Fraction(6800): 1, Fraction(4700): 2},
     Fraction(2, 3), (1000, 10 ** 6), None, 12),
]


def combination_faults(answer, stock, tolerance, target, most):
    """What is wrong with combina's answer, against the brute force."""
    faults, found = [], answer["soluzioni"]
    best = best_networks(stock, target)
    for count, s in enumerate(found, 1):
        value = Fraction(s["frazione"])
        used = collections.Counter(Fraction(p) for p in s["parti"])
        if len(s["parti"]) != count or network(s["rete"]) != value or any(stock.get(p, 0) < n for p, n in used.items()):
            faults.append(f"{count} parts: {s['rete']} = {s['frazione']} from {s['parti']}")
        if count <= len(best) and abs(value - target) != best[count - 1]:
            faults.append(f"{count} parts: error {value - target}, the best is ±{best[count - 1]}")
        if s["esatto"] != (value == target) or not near(s["errore"], value - target) \
                or not near(s["min"], value * (1 - tolerance)) or not near(s["max"], value * (1 + tolerance)):
            faults.append(f"{count} parts: {s}")
    if not found or [s["esatto"] for s in found[:-1]].count(True) or not (found[-1]["esatto"] or len(found) == most):
        faults.append(f"not one per count up to the first exact: {found}")
    return faults


def divider_faults(answer, stock, ratio, bounds, load, vin):
    faults = []
    for s in answer["soluzioni"]:
        upper, lower = network(s["sopra"]), network(s["sotto"])
        below = parallel(lower, load) if load else lower
        total = upper + below
        if not bounds[0] <= total <= bounds[1] or not near(s["totale"], total) \
                or any(Fraction(p) not in stock for p in s["sopra_parti"] + s["sotto_parti"]) \
                or Fraction(s["rapporto"]) != below / total or not near(s["errore"], below / total - ratio):
            faults.append(f"{s}: total {total}, ratio {below / total}")
        if vin and not (near(s["vout"], vin * below / total) and near(s["corrente"], vin / total)):
            faults.append(f"{s}: Vin {vin}")
    two = answer["soluzioni"][0]
    if len(two["sopra_parti"] + two["sotto_parti"]) != 2 \
            or abs(Fraction(two["rapporto"]) - ratio) != best_divider(stock, ratio, *bounds, load):
        faults.append(f"two parts: {two}, the best is ±{best_divider(stock, ratio, *bounds, load)}")
    return faults


def environment(locale):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE")}
    env.update(LC_ALL=locale, LANG=locale, QT_QPA_PLATFORM="xcb")
    return env


def usage(program):
    """--help, and the commands its usage lines list, each with its options."""
    text = subprocess.run([program, "--help"], env=environment(IT[0]), capture_output=True, text=True).stdout
    commands = {}
    for line in text.split("\n")[1:]:
        if line.startswith("     velmora "):
            name = line.split()[1]
            commands[name] = []
        elif not line.startswith("      "):
            break
        commands[name] += re.findall(r"\[(--[\w-]+)", line)
    return text, commands


# Keys every part has whatever its kind; a case that names none of them
# checks the resistor's own keys alone.
PART_KEYS = ("parte", "schema")


def unasked(shown, expected):
    """shown without the part's keys where expected does not name them."""
    if isinstance(shown, dict) and isinstance(expected, dict):
        return {k: unasked(v, expected.get(k)) for k, v in shown.items() if k in expected or k not in PART_KEYS}
    if isinstance(shown, list) and isinstance(expected, list) and len(shown) == len(expected):
        return [unasked(a, b) for a, b in zip(shown, expected)]
    return shown


def main():
    program, completion = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    failures = 0
    folder = tempfile.TemporaryDirectory()
    os.chdir(folder.name)
    for name, text in DRAWERS.items():
        with open(name, "w", encoding="utf-8") as f:
            f.write(text)
    text, commands = usage(program)
    # Every command the usage lines name is explained and completes, first
    # word and options alike.
    completions = COMPLETIONS + [("", " ".join(list(commands) + ["--help", "--version"]))]
    for name, options in commands.items():
        completions.append((f"{name} --", " ".join(options + ["--help"])))
        for term in [name] + options:
            if not re.search(rf"^  {re.escape(term)} ", text, re.M):
                failures += 1
                print(f"FAIL --help names {term} in its usage lines but does not explain it")
    for locales, arguments, status, stream, expected in CASES:
        for locale in locales:
            run = subprocess.run([program] + arguments.split(), env=environment(locale), capture_output=True, text=True)
            got = {OUT: run.stdout, ERR: run.stderr}
            silent = got[ERR if stream == OUT else OUT]
            shown, wanted = got[stream], expected
            if isinstance(expected, dict):
                try:
                    shown = json.loads(shown)
                    # A number for the readings: only how many are listed.
                    if isinstance(expected.get("letture"), int) and isinstance(shown.get("letture"), list):
                        shown["letture"] = len(shown["letture"])
                    shown = unasked(shown, expected)
                except ValueError:
                    pass
            else:
                wanted += "\n"
            if run.returncode != status or shown != wanted or silent:
                failures += 1
                print(f"FAIL [{locale}] velmora {arguments}: status {run.returncode} (expected {status})\n"
                      f"  {stream}: {shown!r}\n  expected: {wanted!r}\n  other stream: {silent!r}")
    for arguments, *search in COMBINATIONS + DIVIDERS:
        for locale in BOTH:
            run = subprocess.run([program] + arguments.split() + ["--json"], env=environment(locale),
                                 capture_output=True, text=True)
            try:
                check = combination_faults if arguments.startswith("combina") else divider_faults
                faults = check(json.loads(run.stdout), *search) if run.returncode == 0 else [run.stdout + run.stderr]
            except (ValueError, KeyError, IndexError) as error:
                faults = [f"{error!r} in {run.stdout!r}"]
            for fault in faults:
                failures += 1
                print(f"FAIL [{locale}] velmora {arguments} --json: {fault}")
    for line, expected in completions:
        words = ["velmora"] + line.split() + ([""] if line.endswith(" ") or not line else [])
        script = f'source "$1"; COMP_WORDS=({" ".join(map(repr, words))}); COMP_CWORD={len(words) - 1}; ' \
                 '_velmora; echo "${COMPREPLY[*]}"'
        shown = subprocess.run(["bash", "-c", script, "bash", completion], capture_output=True, text=True).stdout
        if shown.strip() != expected:
            failures += 1
            print(f"FAIL completing 'velmora {line}': {shown.strip()!r}, expected {expected!r}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
