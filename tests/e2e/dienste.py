"""Plays the desktop on a private session bus: a StatusNotifierWatcher with a
host, and the global-shortcuts portal. dienste.py [--ablehnen]
Writes one line per event to stdout; the method Ausloesen of de.bewahrix.Test
at /Test makes the portal send Activated for the bound shortcuts."""

import sys

from gi.repository import Gio, GLib

WATCHER, PORTAL, SITZUNG, TEST = Gio.DBusNodeInfo.new_for_xml("""<node>
<interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
</interface>
<interface name="org.freedesktop.portal.GlobalShortcuts">
  <method name="CreateSession"><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <method name="BindShortcuts"><arg type="o" direction="in"/><arg type="a(sa{sv})" direction="in"/>
    <arg type="s" direction="in"/><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <signal name="Activated"><arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{sv}"/></signal>
</interface>
<interface name="org.freedesktop.portal.Session"><method name="Close"/></interface>
<interface name="de.bewahrix.Test"><method name="Ausloesen"/></interface>
</node>""").interfaces
PFAD = "/org/freedesktop/portal/desktop"
ablehnen = "--ablehnen" in sys.argv
gebunden = {}  # session path: shortcut ids


def melde(*teile):
    print(*teile, flush=True)


def aufruf(bus, absender, pfad, schnittstelle, methode, argumente, auftrag):
    argumente, antwort = argumente.unpack(), None  # the portal's methods answer through a request object
    if methode == "RegisterStatusNotifierItem":
        melde("item", argumente[0])
    elif methode == "CreateSession":
        sitzung = f"{PFAD}/session/{absender[1:].replace('.', '_')}/{argumente[0]['session_handle_token']}"
        bus.register_object(sitzung, SITZUNG, aufruf, None, None)
        gebunden[sitzung] = []
        melde("sitzung", sitzung)
        antwort = 0, {"session_handle": GLib.Variant("s", sitzung)}
    elif methode == "BindShortcuts":
        sitzung, kuerzel = argumente[:2]
        for kennung, eigenschaften in kuerzel:
            melde("binden", kennung, eigenschaften["preferred_trigger"], eigenschaften["description"])
        gebunden[sitzung] = [] if ablehnen else [k for k, _ in kuerzel]
        taste = {"trigger_description": GLib.Variant("s", "Alt+S")}
        liste = GLib.Variant("a(sa{sv})", [(k, taste) for k in gebunden[sitzung]])
        antwort = (1, {}) if ablehnen else (0, {"shortcuts": liste})
    elif methode == "Close":
        melde("geschlossen", pfad)
        gebunden.pop(pfad, None)
    elif methode == "Ausloesen":
        for sitzung, kennungen in gebunden.items():
            for kennung in kennungen:
                bus.emit_signal(None, PFAD, PORTAL.name, "Activated", GLib.Variant("(osta{sv})", (sitzung, kennung, 0, {})))
    if antwort is None:
        return auftrag.return_value(None)
    anfrage = f"{PFAD}/request/{absender[1:].replace('.', '_')}/{argumente[-1]['handle_token']}"
    auftrag.return_value(GLib.Variant("(o)", (anfrage,)))
    # After the method's reply, as the real portal does.
    GLib.idle_add(lambda: bus.emit_signal(absender, anfrage, "org.freedesktop.portal.Request", "Response",
                                          GLib.Variant("(ua{sv})", antwort)) and False)


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
bus.register_object("/StatusNotifierWatcher", WATCHER, aufruf, lambda *_: GLib.Variant("b", True), None)
bus.register_object(PFAD, PORTAL, aufruf, None, None)
bus.register_object("/Test", TEST, aufruf, None, None)
for name in ("org.kde.StatusNotifierWatcher", "org.freedesktop.portal.Desktop"):
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                  GLib.Variant("(su)", (name, 4)), None, Gio.DBusCallFlags.NONE, -1, None)
melde("bereit", bus.get_unique_name())
GLib.MainLoop().run()
