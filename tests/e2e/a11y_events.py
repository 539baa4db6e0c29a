# Listens on the accessibility bus for SECONDS and prints, one a line, every
# focus, name and state event the programs send: type | source name | detail.
# A screen reader hears each of them; the tests count them.
import sys, pyatspi
from gi.repository import GLib
def heard(e):
    try:
        name = e.source.name or ""
    except Exception:
        name = "?"
    print("%s | %s | %s" % (e.type, name.replace("\n", "\\n"), e.detail1), flush=True)
for kind in ("focus:", "object:state-changed", "object:property-change:accessible-name"):
    pyatspi.Registry.registerEventListener(heard, kind)
GLib.timeout_add(int(float(sys.argv[1]) * 1000), lambda: pyatspi.Registry.stop())
print("listening", flush=True)
pyatspi.Registry.start()
