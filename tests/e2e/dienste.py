"""Plays the desktop on a private session bus: a StatusNotifierWatcher with a host, the global-shortcuts
portal, the notification service, and with --logind logind on the bus DBUS_SYSTEM_BUS_ADDRESS names.
dienste.py [--ablehnen] [--logind]. Writes one line per event to stdout. de.bewahrix.Test at /Test:
Ausloesen sends the portal's Activated, Aktion(id, key) ActionInvoked, Aufwachen PrepareForSleep(false)."""

import os
import sys

from gi.repository import Gio, GLib

WATCHER, PORTAL, SITZUNG, TEST, MELDUNG, LOGIN = Gio.DBusNodeInfo.new_for_xml("""<node>
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
<interface name="de.bewahrix.Test"><method name="Ausloesen"/><method name="Aufwachen"/>
  <method name="Aktion"><arg type="u" direction="in"/><arg type="s" direction="in"/></method></interface>
<interface name="org.freedesktop.Notifications"><signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
  <method name="Notify"><arg type="s"/><arg type="u"/><arg type="s"/><arg type="s"/><arg type="s"/><arg type="as"/>
    <arg type="a{sv}"/><arg type="i"/><arg type="u" direction="out"/></method>
  <method name="CloseNotification"><arg type="u"/></method></interface>
<interface name="org.freedesktop.login1.Manager"><signal name="PrepareForSleep"><arg type="b"/></signal>
  <method name="Inhibit"><arg type="s"/><arg type="s"/><arg type="s"/><arg type="s"/><arg type="h" direction="out"/></method>
</interface>
</node>""").interfaces
PFAD = "/org/freedesktop/portal/desktop"
sys.stdout.reconfigure(line_buffering=True)  # one line per event, read while it runs
ablehnen = "--ablehnen" in sys.argv
gebunden = {}  # session path: bound shortcut ids
nummern = iter(range(1, 1 << 31))  # of the notifications


def aufruf(bus, absender, pfad, schnittstelle, methode, argumente, auftrag):
    argumente, antwort = argumente.unpack(), None  # the portal's methods answer through a request object
    if methode == "RegisterStatusNotifierItem":
        print("item", argumente[0])
    elif methode == "CreateSession":
        sitzung = f"{PFAD}/session/{absender[1:].replace('.', '_')}/{argumente[0]['session_handle_token']}"
        bus.register_object(sitzung, SITZUNG, aufruf, None, None)
        print("sitzung", sitzung)
        antwort = 0, {"session_handle": GLib.Variant("s", sitzung)}
    elif methode == "BindShortcuts":
        sitzung, kuerzel = argumente[:2]
        for kennung, eigenschaften in kuerzel:
            print("binden", kennung, eigenschaften["preferred_trigger"], eigenschaften["description"])
        gebunden[sitzung] = [] if ablehnen else [k for k, _ in kuerzel]
        liste = [(k, {"trigger_description": GLib.Variant("s", "Alt+S")}) for k in gebunden[sitzung]]
        antwort = (1, {}) if ablehnen else (0, {"shortcuts": GLib.Variant("a(sa{sv})", liste)})
    elif methode == "Close":
        print("geschlossen", pfad)
        gebunden.pop(pfad, None)
    elif methode == "Notify":  # number, replaced one, urgency, time-out, summary|body|actions
        nummer = argumente[1] or next(nummern)
        print("notify", nummer, argumente[1], argumente[6].get("urgency"), argumente[7], "|".join([*argumente[3:5], *argumente[5]]))
        return auftrag.return_value(GLib.Variant("(u)", (nummer,)))
    elif methode == "CloseNotification":
        print("close", argumente[0])
    elif methode == "Aktion":
        bus.emit_signal(None, "/org/freedesktop/Notifications", MELDUNG.name, "ActionInvoked", GLib.Variant("(us)", argumente))
    elif methode == "Inhibit":  # held while the caller keeps its end of the pipe open
        lesen, schreiben = os.pipe()
        print("sperre", "|".join(argumente))
        GLib.io_add_watch(lesen, GLib.PRIORITY_DEFAULT, GLib.IO_HUP, lambda *_: print("frei", argumente[2]) or os.close(lesen))
        return auftrag.return_value_with_unix_fd_list(GLib.Variant("(h)", (0,)), Gio.UnixFDList.new_from_array([schreiben]))
    elif methode == "Aufwachen":
        system.emit_signal(None, "/org/freedesktop/login1", LOGIN.name, "PrepareForSleep", GLib.Variant("(b)", (False,)))
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
for pfad, schnittstelle in ((PFAD, PORTAL), ("/Test", TEST), ("/org/freedesktop/Notifications", MELDUNG)):
    bus.register_object(pfad, schnittstelle, aufruf, None, None)
namen = [(bus, "org.kde.StatusNotifierWatcher"), (bus, "org.freedesktop.portal.Desktop"), (bus, "org.freedesktop.Notifications")]
if "--logind" in sys.argv:
    system = Gio.bus_get_sync(Gio.BusType.SYSTEM)
    system.register_object("/org/freedesktop/login1", LOGIN, aufruf, None, None)
    namen.append((system, "org.freedesktop.login1"))
for verbindung, name in namen:
    verbindung.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                         GLib.Variant("(su)", (name, 4)), None, Gio.DBusCallFlags.NONE, -1, None)
print("bereit", bus.get_unique_name())
GLib.MainLoop().run()
