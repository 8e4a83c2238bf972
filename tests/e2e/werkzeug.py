"""What the end-to-end tests cannot do in the shell: werkzeug.py logbuch DATEI | einstellung DB ABSCHNITT
SCHLUESSEL | setze DB ABSCHNITT SCHLUESSEL WERT | besitzer SELEKTION | unterstuetzt ATOM... | griff DATEI (holds ALT+S, then writes
DATEI; exit 1 when another client has it)"""

import ctypes
import os
import sqlite3
import sys
import time


def logbuch(datei):  # each entry's text, one per line
    daten = open(datei, "rb").read()
    for anfang in range(0, len(daten), 216):
        print(daten[anfang + 16:anfang + 116].decode("cp1252").rstrip(" "))


def einstellung(db, abschnitt, schluessel):
    zeile = sqlite3.connect(f"file:{db}?mode=ro", uri=True).execute(
        "SELECT value FROM settings WHERE section_fold = ? AND key_fold = ?",
        (abschnitt.lower(), schluessel.lower())).fetchone()
    sys.exit(1) if zeile is None else print(zeile[0])


def setze(db, abschnitt, schluessel, wert):
    # The program's own table, made before its first start; names ASCII only, so lower() is its folding.
    os.makedirs(os.path.dirname(db), exist_ok=True)
    with sqlite3.connect(db) as verbindung:
        verbindung.execute(
            "CREATE TABLE IF NOT EXISTS settings (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
            " section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,"
            " section_fold TEXT NOT NULL, key_fold TEXT NOT NULL, UNIQUE(section_fold, key_fold))")
        verbindung.execute(
            "INSERT INTO settings(section, key, value, section_fold, key_fold) VALUES(?, ?, ?, ?, ?)"
            " ON CONFLICT(section_fold, key_fold) DO UPDATE SET value=excluded.value",
            (abschnitt, schluessel, wert, abschnitt.lower(), schluessel.lower()))


def xlib():
    # Pointers and window ids go in as ctypes values, never as int.
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XKeysymToKeycode.restype = ctypes.c_ubyte
    anzeige = ctypes.c_void_p(x.XOpenDisplay(None))
    return x, anzeige, lambda name: ctypes.c_ulong(x.XInternAtom(anzeige, name.encode(), 0))


def besitzer(selektion):
    x, anzeige, atom = xlib()
    sys.exit(not x.XGetSelectionOwner(anzeige, atom(selektion)))


def unterstuetzt(*namen):  # what a window manager would announce on the root window
    x, anzeige, atom = xlib()
    atome = (ctypes.c_ulong * len(namen))(*(atom(n).value for n in namen))
    xa_atom, ersetzen = 4, 0
    wurzel = ctypes.c_ulong(x.XDefaultRootWindow(anzeige))
    x.XChangeProperty(anzeige, wurzel, atom("_NET_SUPPORTED"), ctypes.c_ulong(xa_atom), 32, ersetzen, atome, len(namen))
    x.XSync(anzeige, 0)


def griff(datei):
    x, anzeige, _ = xlib()
    fehler = []
    behandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda *_: fehler.append(1) or 0)
    x.XSetErrorHandler(behandler)
    taste, mod1, asynchron = x.XKeysymToKeycode(anzeige, ctypes.c_ulong(x.XStringToKeysym(b"s"))), 8, 1
    x.XGrabKey(anzeige, taste, mod1, ctypes.c_ulong(x.XDefaultRootWindow(anzeige)), 1, asynchron, asynchron)
    x.XSync(anzeige, 0)
    if fehler:
        sys.exit(1)
    open(datei, "w").close()
    time.sleep(1e6)


if __name__ == "__main__":
    befehle = {f.__name__: f for f in (logbuch, einstellung, setze, besitzer, unterstuetzt, griff)}
    if len(sys.argv) < 2 or sys.argv[1] not in befehle:
        sys.exit(__doc__)
    befehle[sys.argv[1]](*sys.argv[2:])
