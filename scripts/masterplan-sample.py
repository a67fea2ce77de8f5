#!/usr/bin/python3
"""Writes the Masterplan sample folder data/masterplan/: the project workbook
esempio.xlsx and the same rows as esempio.xls, and the photometric files the
rows name in ldt/ (the street luminaire of data/ldt with invented lamp data).

    /usr/bin/python3 scripts/masterplan-sample.py [FOLDER] [--rows N]

--rows N repeats the data rows until there are N of them (for benchmarks).
Needs python3-xlsxwriter and python3-xlwt."""
import os
import shutil
import sys

import xlsxwriter
import xlwt

QUI = os.path.dirname(os.path.abspath(__file__))
RADICE = os.path.dirname(QUI)

INTESTAZIONI = ["Identificativo", "Via", "Applicazione", "Altezza punto luce", "Avanzamento", "Classe",
                "1° Elemento SX dimensione", "1° Elemento SX", "Dimensione strada", "1° Elemento DX",
                "1° Elemento DX dimensione", "Disposizione", "Posizione palo", "Corsie", "Senso Marcia", "LR17/00",
                "Descrizione Progetto", "New Source", "New W", "Interdistanza", "Modello Apparecchio New"]

# Invented rows of every kind: roads with and without a spacing, strips,
# every arrangement, paths and areas, roundabouts with a count or searched,
# and rows the run cannot evaluate (unknown application, no luminaire data,
# no matching file, an unreadable file, a class no spacing meets).
RIGHE = [
    ["PRJ-001", "Via Roma", "stradale", 8, 0.5, "ME4a", 2, "marciapiede", 7, "marciapiede", 1.5, "", "sx", 1, 2, "foto001", "Asse centrale", "sap", 70, "", "STRADA"],
    ["PRJ-002", "Via Milano", "stradale", 8, "0,5", "me3b", "", "", 7, "", "", "", "dx", 1, 2, "foto002", "", "SAP", 70, 28, "STRADA"],
    ["PRJ-003", "Corso Italia", "stradale", 10, 1, "ME3a", 3, "pista ciclabile", 10, "", "", "bilaterale frontale", "sx", 2, 2, "", "Doppia carreggiata", "sap", 70, "", "STRADA"],
    ["PRJ-004", "Via Verdi", "stradale", 9, 0.5, "ME4b", "", "", 8, "", "", "quinconce", "sx", 1, 2, "", "", "sap", 70, "", "STRADA"],
    ["PRJ-005", "Viale Europa", "stradale", 10, 0, "ME4a", "", "", 9, "", "", "centro strada", "sx", 1, 2, "", "", "sap", 70, "", "STRADA"],
    ["PRJ-006", "Viale Mare", "stradale", 10, 1, "ME5", "", "", 12, "", "", "doppio centro strada", "sx", 2, 2, "", "", "sap", 70, "", "STRADA"],
    ["PRJ-007", "Via Dante", "stradale", 7, 0, "M5", 1.5, "marciapiede", 6, "aiuola", 4.5, "", "dx", 1, 2, "", "", "sap", 70, "", "STRADA"],
    ["PRJ-008", "Via Manzoni", "stradale", 8, 0.5, "ME1", "", "", 7, "", "", "", "sx", 1, 2, "", "Classe alta", "sap", 70, "", "STRADA"],
    ["PRJ-009", "Pista del Parco", "ciclabile", 5, 0, "P2", "", "", 3, "", "", "", "", "", "", "foto009", "", "led", 40, "", "PARCO"],
    ["PRJ-010", "Passeggiata", "pedonale", 4, 0, "S3", "", "", 2.5, "", "", "", "sx", 1, 2, "", "", "led", 40, 20, "PARCO"],
    ["PRJ-011", "Piazza Garibaldi", "piazza", 6, 0, "CE3", "", "", 10, "", "", "bilaterale frontale", "", 1, 2, "", "", "led", 40, "", "PARCO"],
    ["PRJ-012", "Parcheggio Nord", "parcheggio", 8, 0.5, "CE4", "", "", 12, "", "", "quinconce", "", 1, 2, "", "", "led", 40, "", "PARCO"],
    ["PRJ-013", "Sottopasso FS", "sottopasso", 4, 0, "P1", "", "", 4, "", "", "centro strada", "", 1, 2, "", "", "led", 40, "", "PARCO"],
    ["PRJ-014", "Rotonda Est", "rotatoria", 10, 16, "CE2", "", "", 8, "", "", 6, "", 2, 1, "", "Sei pali sull'anello", "led", 100, 10, "ANELLO"],
    ["PRJ-015", "Rotonda Ovest", "rotatoria", 10, 5, "CE3", "", "", 7, "", "", "", "", 2, 1, "", "Numero cercato", "led", 100, 6, "ANELLO"],
    ["PRJ-016", "Rotonda Sud", "rotatoria", 8, 5, "ME3a", "", "", 7, "", "", "", "sx", 1, 2, "", "Classe stradale", "sap", 70, "", "STRADA"],
    ["PRJ-017", "Area mercato", "mercato", 8, 0, "CE2", "", "", 20, "", "", "", "", 1, 2, "", "Applicazione sconosciuta", "led", 40, "", "PARCO"],
    ["PRJ-018", "Vicolo Stretto", "stradale", 6, 0, "ME6", "", "", 4, "", "", "", "sx", 1, 1, "", "Senza apparecchio", "sap", 70, "", ""],
    ["PRJ-019", "Via Nuova", "stradale", 8, 0, "ME4a", "", "", 7, "", "", "", "sx", 1, 2, "", "Nessun file", "sap", 150, "", "STRADA"],
    ["PRJ-020", "Via Rotta", "stradale", 8, 0, "ME4a", "", "", 7, "", "", "", "sx", 1, 2, "", "File illeggibile", "led", 50, "", "ROTTO"],
    ["PRJ-021", "Giardino", "area parco", 4, 0, "S5", "", "", 3, "", "", "", "", 1, 2, "", "", "led", 40, "", "PARCO"],
]


SORGENTI_LDT = """# Masterplan sample photometry

Every file here but `ROTTO 50W LED.ldt` is made from `data/ldt/sample_street_isym0.ldt`,
a copy of sample_19.ldt of the MIT-licensed repository github 123VincentB/eulumdat-analysis
(see `data/ldt/SOURCES.md`): `STRADA 70 W SAP.ldt` is that file unchanged, the others
change only its lamp flux and wattage. The MIT notice of that repository is in LICENSES.md
beside this file. The luminaire data belongs to its maker.
"""


def scrivi_ldt(cartella):
    with open(os.path.join(RADICE, "data", "ldt", "sample_street_isym0.ldt"), newline="") as f:
        base = f.read().split("\n")
    # Line 29 is the lamp flux (lm), line 32 the wattage (W) of the only lamp set.
    for nome, flusso, watt in [("STRADA 70W SAP.ldt", 6600, 78), ("STRADA 70W SAP-2.ldt", 7200, 80),
                               ("PARCO 40W LED.ldt", 4000, 40), ("ANELLO 100W LED.ldt", 11000, 100)]:
        righe = list(base)
        righe[28] = str(flusso)
        righe[31] = str(watt)
        with open(os.path.join(cartella, "ldt", nome), "w", newline="") as f:
            f.write("\n".join(righe))
    # A file with the right name and no photometry in it.
    with open(os.path.join(cartella, "ldt", "ROTTO 50W LED.ldt"), "w", newline="") as f:
        f.write("not a photometric file\r\n")
    # A name the matching rule must not take (blank before the W).
    with open(os.path.join(cartella, "ldt", "STRADA 70 W SAP.ldt"), "w", newline="") as f:
        f.write("\n".join(base))
    # The luminaire comes from an MIT-licensed repository: its notice travels
    # with every copy and every file made from it.
    shutil.copyfile(os.path.join(RADICE, "data", "ldt", "LICENSES.md"), os.path.join(cartella, "ldt", "LICENSES.md"))
    with open(os.path.join(cartella, "ldt", "SOURCES.md"), "w", newline="") as f:
        f.write(SORGENTI_LDT)


def righe_dati(n):
    if n is None:
        return RIGHE
    out = []
    while len(out) < n:
        for r in RIGHE:
            if len(out) == n:
                break
            r = list(r)
            r[0] = "%s-%d" % (r[0], len(out) + 1)
            out.append(r)
    return out


def scrivi_xlsx(percorso, righe):
    wb = xlsxwriter.Workbook(percorso)
    ws = wb.add_worksheet("Progetti")
    ws.write(0, 0, "Masterplan di esempio (dati inventati)")
    for c, h in enumerate(INTESTAZIONI):
        ws.write_string(1, c, h)
    for r, riga in enumerate(righe):
        for c, v in enumerate(riga):
            if v == "":
                continue
            if isinstance(v, str):
                ws.write_string(r + 2, c, v)
            else:
                ws.write_number(r + 2, c, v)
    wb.close()


def scrivi_xls(percorso, righe):
    wb = xlwt.Workbook(encoding="utf-8")
    ws = wb.add_sheet("Progetti")
    ws.write(0, 0, "Masterplan di esempio (dati inventati)")
    for c, h in enumerate(INTESTAZIONI):
        ws.write(1, c, h)
    for r, riga in enumerate(righe):
        for c, v in enumerate(riga):
            if v != "":
                ws.write(r + 2, c, v)
    wb.save(percorso)


def main():
    argomenti = sys.argv[1:]
    n = None
    if "--rows" in argomenti:
        i = argomenti.index("--rows")
        n = int(argomenti[i + 1])
        del argomenti[i:i + 2]
    cartella = argomenti[0] if argomenti else os.path.join(RADICE, "data", "masterplan")
    os.makedirs(os.path.join(cartella, "ldt"), exist_ok=True)
    scrivi_ldt(cartella)
    righe = righe_dati(n)
    scrivi_xlsx(os.path.join(cartella, "esempio.xlsx"), righe)
    scrivi_xls(os.path.join(cartella, "esempio.xls"), righe)
    with open(os.path.join(cartella, "ntr-masterplan.cfg"), "w", newline="") as f:
        f.write(os.path.abspath(cartella) + "\r\n")


if __name__ == "__main__":
    main()
