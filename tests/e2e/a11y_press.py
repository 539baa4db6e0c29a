# Presses, through the accessibility bus, the first node whose name is the
# argument, as a screen reader's user would. Exit 1 when no such node.
import sys, pyatspi
def find(node, name):
    try:
        if node.name == name:
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), name)
            if found is not None:
                return found
    except Exception:
        pass
    return None
desk = pyatspi.Registry.getDesktop(0)
for i in range(desk.childCount):
    node = find(desk.getChildAtIndex(i), sys.argv[1])
    if node is not None:
        action = node.queryAction()
        for k in range(action.nActions):
            if action.getName(k) == "Press":
                action.doAction(k)
                sys.exit(0)
        action.doAction(0)
        sys.exit(0)
sys.exit(1)
