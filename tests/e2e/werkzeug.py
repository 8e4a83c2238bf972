"""What the end-to-end tests cannot do in the shell: werkzeug.py logbuch DATEI | einstellung DB ABSCHNITT
SCHLUESSEL | setze DB (ABSCHNITT SCHLUESSEL WERT)... | besitzer SELEKTION (exit 1 while nobody holds it)"""

import ctypes
import os
import sqlite3
import sys


def logbuch(datei):  # each entry's text, one per line
    daten = open(datei, "rb").read()
    for anfang in range(0, len(daten), 216):
        print(daten[anfang + 16:anfang + 116].decode("cp1252").rstrip(" "))


def einstellung(db, abschnitt, schluessel):
    zeile = sqlite3.connect(f"file:{db}?mode=ro", uri=True).execute(
        "SELECT value FROM settings WHERE section_fold = ? AND key_fold = ?",
        (abschnitt.lower(), schluessel.lower())).fetchone()
    sys.exit(1) if zeile is None else print(zeile[0])


def setze(db, *tripel):
    # The program's own table, made before its first start; names ASCII only, so lower() is its folding.
    os.makedirs(os.path.dirname(db), exist_ok=True)
    with sqlite3.connect(db) as verbindung:
        verbindung.execute(
            "CREATE TABLE IF NOT EXISTS settings (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
            " section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,"
            " section_fold TEXT NOT NULL, key_fold TEXT NOT NULL, UNIQUE(section_fold, key_fold))")
        verbindung.executemany(
            "INSERT INTO settings(section, key, value, section_fold, key_fold) VALUES(?, ?, ?, ?, ?)"
            " ON CONFLICT(section_fold, key_fold) DO UPDATE SET value=excluded.value",
            [(a, s, w, a.lower(), s.lower()) for a, s, w in zip(*[iter(tripel)] * 3, strict=True)])


def besitzer(selektion):
    # Pointers go in as ctypes values, never as int.
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    anzeige = ctypes.c_void_p(x.XOpenDisplay(None))
    sys.exit(not x.XGetSelectionOwner(anzeige, ctypes.c_ulong(x.XInternAtom(anzeige, selektion.encode(), 0))))


if __name__ == "__main__":
    befehle = {f.__name__: f for f in (logbuch, einstellung, setze, besitzer)}
    if len(sys.argv) < 2 or sys.argv[1] not in befehle:
        sys.exit(__doc__)
    befehle[sys.argv[1]](*sys.argv[2:])
