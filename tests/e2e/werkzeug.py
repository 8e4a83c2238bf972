"""Helpers for the end-to-end tests that the shell cannot do alone.

  werkzeug.py logbuch DATEI              each entry's text, one per line
  werkzeug.py einstellung DB ABSCHNITT SCHLUESSEL
                                         the stored value; exit 1 if absent
  werkzeug.py setze DB ABSCHNITT SCHLUESSEL WERT
                                         stores a value before the program starts
  werkzeug.py besitzer SELEKTION         exit 0 while an X client owns it
  werkzeug.py unterstuetzt ATOM...       announces on the root window what a
                                         window manager would support
"""

import ctypes
import os
import sqlite3
import sys

SLOT = 216
TEXT_ANFANG = 16
TEXT_ENDE = 116


def logbuch(datei):
    with open(datei, "rb") as f:
        daten = f.read()
    if len(daten) % SLOT:
        sys.exit(f"Logbuch {datei}: Länge {len(daten)} ist kein Vielfaches von {SLOT}")
    for anfang in range(0, len(daten), SLOT):
        text = daten[anfang + TEXT_ANFANG:anfang + TEXT_ENDE]
        print(text.decode("cp1252").rstrip(" "))


def einstellung(db, abschnitt, schluessel):
    verbindung = sqlite3.connect(f"file:{db}?mode=ro", uri=True)
    try:
        zeile = verbindung.execute(
            "SELECT value FROM settings WHERE section_fold = ? AND key_fold = ?",
            (abschnitt.lower(), schluessel.lower())).fetchone()
    finally:
        verbindung.close()
    if zeile is None:
        sys.exit(1)
    print(zeile[0])


def setze(db, abschnitt, schluessel, wert):
    # The program's own table; names ASCII only, so lower() is its folding.
    os.makedirs(os.path.dirname(db), exist_ok=True)
    verbindung = sqlite3.connect(db)
    try:
        verbindung.execute(
            "CREATE TABLE IF NOT EXISTS settings ("
            " seq INTEGER PRIMARY KEY AUTOINCREMENT,"
            " section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,"
            " section_fold TEXT NOT NULL, key_fold TEXT NOT NULL,"
            " UNIQUE(section_fold, key_fold))")
        verbindung.execute(
            "INSERT INTO settings(section, key, value, section_fold, key_fold) VALUES(?, ?, ?, ?, ?)"
            " ON CONFLICT(section_fold, key_fold) DO UPDATE SET value=excluded.value",
            (abschnitt, schluessel, wert, abschnitt.lower(), schluessel.lower()))
        verbindung.commit()
    finally:
        verbindung.close()


def xlib():
    # The machine has no tool for these X requests; libX11 comes with
    # xdotool anyway.
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XGetSelectionOwner.restype = ctypes.c_ulong
    x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong,
                                  ctypes.c_int, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    anzeige = x.XOpenDisplay(None)
    if not anzeige:
        sys.exit("X-Display nicht erreichbar")
    return x, anzeige


def unterstuetzt(*namen):
    x, anzeige = xlib()
    atome = (ctypes.c_ulong * len(namen))(*(x.XInternAtom(anzeige, n.encode(), 0) for n in namen))
    xa_atom, ersetzen = 4, 0
    x.XChangeProperty(anzeige, x.XDefaultRootWindow(anzeige), x.XInternAtom(anzeige, b"_NET_SUPPORTED", 0),
                      xa_atom, 32, ersetzen, atome, len(namen))
    x.XSync(anzeige, 0)
    x.XCloseDisplay(anzeige)


def besitzer(selektion):
    x, anzeige = xlib()
    eigner = x.XGetSelectionOwner(anzeige, x.XInternAtom(anzeige, selektion.encode(), 0))
    x.XCloseDisplay(anzeige)
    sys.exit(0 if eigner else 1)


def main():
    befehle = {"logbuch": logbuch, "einstellung": einstellung, "setze": setze, "besitzer": besitzer,
               "unterstuetzt": unterstuetzt}
    if len(sys.argv) < 2 or sys.argv[1] not in befehle:
        sys.exit(__doc__)
    befehle[sys.argv[1]](*sys.argv[2:])


if __name__ == "__main__":
    main()
