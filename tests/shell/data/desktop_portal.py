#!/usr/bin/env python3
"""The desktop's settings portal, as far as the colour scheme goes.

desktop_portal.py SCHEME

Owns org.freedesktop.portal.Desktop on the session bus and answers
org.freedesktop.portal.Settings Read and ReadOne for
org.freedesktop.appearance color-scheme with SCHEME (0 no preference, 1
dark, 2 light). Prints "ready" once the name is its own. Each line of its
input is a new scheme, which it announces with SettingChanged, as a desktop
does when the user switches; it ends when its input closes.
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"
GROUP = "org.freedesktop.appearance"
KEY = "color-scheme"


class Portal(dbus.service.Object):
    def __init__(self, bus, scheme):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.scheme = scheme

    def value(self, group, key):
        if (group, key) != (GROUP, KEY):
            raise dbus.exceptions.DBusException("Requested setting not found",
                                                name="org.freedesktop.portal.Error.NotFound")
        return dbus.UInt32(self.scheme)

    # The first version's Read puts the value in a second variant.
    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, group, key):
        return dbus.UInt32(self.value(group, key), variant_level=2)

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def ReadOne(self, group, key):
        return self.value(group, key)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, group, key, value):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, int(sys.argv[1]))
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    loop = GLib.MainLoop()

    def on_input(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        portal.scheme = int(line)
        portal.SettingChanged(GROUP, KEY, dbus.UInt32(portal.scheme))
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_input)
    print("ready", flush=True)
    loop.run()
    del name


if __name__ == "__main__":
    main()
