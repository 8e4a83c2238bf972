"""Helpers for the end-to-end tests that the shell cannot do alone.

  werkzeug.py logbuch DATEI              each entry's text, one per line
  werkzeug.py einstellung DB ABSCHNITT SCHLUESSEL
                                         the stored value; exit 1 if absent
  werkzeug.py setze DB ABSCHNITT SCHLUESSEL WERT
                                         stores a value while the program is not running
  werkzeug.py besitzer SELEKTION         exit 0 while an X client owns it
  werkzeug.py unterstuetzt ATOM...       announces on the root window what a
                                         window manager would support
  werkzeug.py griff pruefen              grabs ALT+S and lets go; exit 1 when taken
  werkzeug.py griff halten DATEI         holds ALT+S, writes DATEI once granted
"""

import ctypes
import os
import sqlite3
import sys
import time

SLOT = 216


def logbuch(datei):
    with open(datei, "rb") as f:
        daten = f.read()
    if len(daten) % SLOT:
        sys.exit(f"Logbuch {datei}: Länge {len(daten)} ist kein Vielfaches von {SLOT}")
    for anfang in range(0, len(daten), SLOT):
        print(daten[anfang + 16:anfang + 116].decode("cp1252").rstrip(" "))


def einstellung(db, abschnitt, schluessel):
    verbindung = sqlite3.connect(f"file:{db}?mode=ro", uri=True)
    zeile = verbindung.execute("SELECT value FROM settings WHERE section_fold = ? AND key_fold = ?",
                               (abschnitt.lower(), schluessel.lower())).fetchone()
    verbindung.close()
    if zeile is None:
        sys.exit(1)
    print(zeile[0])


def setze(db, abschnitt, schluessel, wert):
    # The program's own table; names ASCII only, so lower() is its folding.
    os.makedirs(os.path.dirname(db), exist_ok=True)
    verbindung = sqlite3.connect(db)
    with verbindung:
        verbindung.execute(
            "CREATE TABLE IF NOT EXISTS settings (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
            " section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,"
            " section_fold TEXT NOT NULL, key_fold TEXT NOT NULL, UNIQUE(section_fold, key_fold))")
        verbindung.execute(
            "INSERT INTO settings(section, key, value, section_fold, key_fold) VALUES(?, ?, ?, ?, ?)"
            " ON CONFLICT(section_fold, key_fold) DO UPDATE SET value=excluded.value",
            (abschnitt, schluessel, wert, abschnitt.lower(), schluessel.lower()))
    verbindung.close()


def xlib():
    # The machine has no tool for these X requests; libX11 comes with xdotool
    # anyway. Pointers and window ids go in as ctypes values, never as int.
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XKeysymToKeycode.restype = ctypes.c_ubyte
    anzeige = ctypes.c_void_p(x.XOpenDisplay(None))
    if not anzeige.value:
        sys.exit("X-Display nicht erreichbar")
    return x, anzeige, ctypes.c_ulong(x.XDefaultRootWindow(anzeige))


def unterstuetzt(*namen):
    x, anzeige, wurzel = xlib()
    atome = (ctypes.c_ulong * len(namen))(*(x.XInternAtom(anzeige, n.encode(), 0) for n in namen))
    xa_atom, ersetzen = 4, 0
    x.XChangeProperty(anzeige, wurzel, ctypes.c_ulong(x.XInternAtom(anzeige, b"_NET_SUPPORTED", 0)),
                      ctypes.c_ulong(xa_atom), 32, ersetzen, atome, len(namen))
    x.XSync(anzeige, 0)


def besitzer(selektion):
    x, anzeige, _ = xlib()
    sys.exit(0 if x.XGetSelectionOwner(anzeige, ctypes.c_ulong(x.XInternAtom(anzeige, selektion.encode(), 0)))
             else 1)


def griff(art, datei=None):
    x, anzeige, wurzel = xlib()
    fehler = []
    behandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
        lambda anzeige, ereignis: fehler.append(1) or 0)
    x.XSetErrorHandler(behandler)
    taste = x.XKeysymToKeycode(anzeige, ctypes.c_ulong(x.XStringToKeysym(b"s")))
    mod1, asynchron = 8, 1
    x.XGrabKey(anzeige, taste, mod1, wurzel, 1, asynchron, asynchron)
    x.XSync(anzeige, 0)
    if fehler:
        sys.exit(1)
    if art == "pruefen":
        x.XUngrabKey(anzeige, taste, mod1, wurzel)
        x.XSync(anzeige, 0)
        return
    open(datei, "w").close()
    while True:
        time.sleep(1)


def main():
    befehle = {"logbuch": logbuch, "einstellung": einstellung, "setze": setze, "besitzer": besitzer,
               "unterstuetzt": unterstuetzt, "griff": griff}
    if len(sys.argv) < 2 or sys.argv[1] not in befehle:
        sys.exit(__doc__)
    befehle[sys.argv[1]](*sys.argv[2:])


if __name__ == "__main__":
    main()
