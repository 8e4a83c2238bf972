"""Plays the desktop on a private session bus: a StatusNotifierWatcher with a
host, and the global-shortcuts portal. dienste.py [--ablehnen]
Writes one line per event to stdout; the method Ausloesen of de.bewahrix.Test
at /Test makes the portal send Activated for the bound shortcut."""

import sys

from gi.repository import Gio, GLib

SCHNITTSTELLEN = Gio.DBusNodeInfo.new_for_xml("""<node>
<interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
</interface>
<interface name="org.freedesktop.portal.GlobalShortcuts">
  <method name="CreateSession"><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
  <method name="BindShortcuts">
    <arg type="o" direction="in"/><arg type="a(sa{sv})" direction="in"/><arg type="s" direction="in"/>
    <arg type="a{sv}" direction="in"/><arg type="o" direction="out"/>
  </method>
  <signal name="Activated"><arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{sv}"/></signal>
</interface>
<interface name="org.freedesktop.portal.Session"><method name="Close"/></interface>
<interface name="de.bewahrix.Test"><method name="Ausloesen"/></interface>
</node>""").interfaces
WATCHER, PORTAL, SITZUNG, TEST = SCHNITTSTELLEN
PFAD = "/org/freedesktop/portal/desktop"
ablehnen = "--ablehnen" in sys.argv
gebunden = {}  # session path: shortcut ids


def melde(*teile):
    print(*teile, flush=True)


def anfrage(absender, optionen):
    return f"{PFAD}/request/{absender[1:].replace('.', '_')}/{optionen['handle_token']}"


def antworte(bus, absender, pfad, code, ergebnis):
    # After the method's reply, as the real portal does.
    GLib.idle_add(lambda: bus.emit_signal(absender, pfad, "org.freedesktop.portal.Request", "Response",
                                          GLib.Variant("(ua{sv})", (code, ergebnis))) and False)


def aufruf(bus, absender, pfad, schnittstelle, methode, argumente, auftrag):
    if methode == "RegisterStatusNotifierItem":
        melde("item", argumente[0])
        return auftrag.return_value(None)
    if methode == "CreateSession":
        optionen = argumente[0]
        sitzung = f"{PFAD}/session/{absender[1:].replace('.', '_')}/{optionen['session_handle_token']}"
        bus.register_object(sitzung, SITZUNG, aufruf, None, None)
        gebunden[sitzung] = []
        melde("sitzung", sitzung)
        handle = anfrage(absender, optionen)
        auftrag.return_value(GLib.Variant("(o)", (handle,)))
        return antworte(bus, absender, handle, 0, {"session_handle": GLib.Variant("s", sitzung)})
    if methode == "BindShortcuts":
        sitzung, kuerzel, _, optionen = argumente
        for kennung, eigenschaften in kuerzel:
            melde("binden", kennung, eigenschaften.get("preferred_trigger"), eigenschaften.get("description"))
        handle = anfrage(absender, optionen)
        auftrag.return_value(GLib.Variant("(o)", (handle,)))
        if ablehnen:
            return antworte(bus, absender, handle, 1, {})
        gebunden[sitzung] = [k for k, _ in kuerzel]
        liste = GLib.Variant("a(sa{sv})", [(k, {"trigger_description": GLib.Variant("s", "Alt+S")}) for k in gebunden[sitzung]])
        return antworte(bus, absender, handle, 0, {"shortcuts": liste})
    if methode == "Close":
        melde("geschlossen", pfad)
        gebunden.pop(pfad, None)
        return auftrag.return_value(None)
    if methode == "Ausloesen":
        for sitzung, kennungen in gebunden.items():
            for kennung in kennungen:
                bus.emit_signal(None, PFAD, PORTAL.name, "Activated",
                                GLib.Variant("(osta{sv})", (sitzung, kennung, 0, {})))
        return auftrag.return_value(None)


def eigenschaft(bus, absender, pfad, schnittstelle, name):
    return GLib.Variant("b", True)  # IsStatusNotifierHostRegistered


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
bus.register_object("/StatusNotifierWatcher", WATCHER, aufruf, eigenschaft, None)
bus.register_object(PFAD, PORTAL, aufruf, None, None)
bus.register_object("/Test", TEST, aufruf, None, None)
for name in ("org.kde.StatusNotifierWatcher", "org.freedesktop.portal.Desktop"):
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                  GLib.Variant("(su)", (name, 4)), None, Gio.DBusCallFlags.NONE, -1, None)
melde("bereit", bus.get_unique_name())
GLib.MainLoop().run()
