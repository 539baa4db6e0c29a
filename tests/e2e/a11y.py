# Prints the accessibility tree of every program on the session bus, one
# node a line: role | name | states | text. The end-to-end tests read the
# real window's texts, menu states and check marks from it.
import sys, pyatspi
def walk(node, depth, out):
    try:
        role = node.getRoleName(); name = node.name or ""
        st = node.getState()
        flags = []
        for s, n in ((pyatspi.STATE_ENABLED, "enabled"), (pyatspi.STATE_CHECKED, "checked"), (pyatspi.STATE_SHOWING, "showing")):
            if st.contains(s): flags.append(n)
        text = ""
        try:
            t = node.queryText(); text = t.getText(0, -1)
        except Exception: pass
        out.append("%s%s | %s | %s | %s" % ("  " * depth, role, name.replace("\n", "\\n"), ",".join(flags), text.replace("\n", "\\n")))
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), depth + 1, out)
    except Exception as e:
        out.append("  " * depth + "error " + str(e))
desk = pyatspi.Registry.getDesktop(0)
out = []
for i in range(desk.childCount):
    walk(desk.getChildAtIndex(i), 0, out)
print("\n".join(out))
