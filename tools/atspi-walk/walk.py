#!/usr/bin/python3
"""Reads and drives a running program through the desktop's AT-SPI registry.
  walk.py dump [APP]            every window of APP (default Zent), as a reader finds it
  walk.py press NAME [ROLE]     the first showing actionable item called NAME: its first action
  walk.py events SECONDS        the events the registry passes on meanwhile
Run it in the session of tools/atspi-walk/session.sh start (the line it prints sourced).
Qt Quick's fields offer no editable-text interface: type with xdotool.
"""
import sys, pyatspi

APP = "Zent"
KEEP = (pyatspi.STATE_FOCUSABLE, pyatspi.STATE_FOCUSED, pyatspi.STATE_SHOWING,
        pyatspi.STATE_CHECKED, pyatspi.STATE_SELECTED, pyatspi.STATE_ACTIVE,
        pyatspi.STATE_EDITABLE, pyatspi.STATE_SENSITIVE)

def app():
    desk = pyatspi.Registry.getDesktop(0)
    for a in desk:
        if a is not None and a.name == APP:
            return a
    sys.exit("no application %r among %s" % (APP, [a.name for a in desk if a]))

def line(o):
    st = o.getState()
    flags = [pyatspi.stateToString(s) for s in KEEP if st.contains(s)]
    flags = [f for f in flags if f != "sensitive"] + ([] if st.contains(pyatspi.STATE_SENSITIVE) else ["INSENSITIVE"])
    extra = ""
    try:
        act = o.queryAction()
        extra += " actions=" + ",".join(act.getName(i) for i in range(act.nActions))
    except NotImplementedError:
        pass
    try:
        t = o.queryText()
        if o.getRoleName() not in ("label",) or t.characterCount != len(o.name or ""):
            txt = t.getText(0, min(t.characterCount, 200))
            if txt and txt != o.name:
                extra += " text=%r" % txt
    except NotImplementedError:
        pass
    try:
        v = o.queryValue()
        extra += " value=%s" % v.currentValue
    except NotImplementedError:
        pass
    d = o.description
    return "[%s] %r%s%s%s" % (o.getRoleName(), o.name, (" desc=%r" % d) if d else "",
                              (" {" + ",".join(flags) + "}") if flags else "", extra)

def walk(o, depth=0, out=None, showingOnly=True):
    try:
        if showingOnly and depth > 1 and not o.getState().contains(pyatspi.STATE_SHOWING):
            print("  " * depth + "(not showing) " + line(o))
            return
        print("  " * depth + line(o))
        for i in range(o.childCount):
            c = o.getChildAtIndex(i)
            if c is None:
                print("  " * (depth + 1) + "<null child %d>" % i)
                continue
            walk(c, depth + 1, out, showingOnly)
    except Exception as e:
        print("  " * depth + "ERROR %s" % e)

def find(o, pred):
    try:
        if pred(o):
            return o
        for i in range(o.childCount):
            r = find(o.getChildAtIndex(i), pred)
            if r is not None:
                return r
    except Exception:
        pass
    return None

def actions(o):
    try:
        return o.queryAction().nActions
    except NotImplementedError:
        return 0

def showing(o):
    return o.getState().contains(pyatspi.STATE_SHOWING)

def main():
    global APP
    cmd = sys.argv[1] if len(sys.argv) > 1 else "dump"
    if cmd == "dump":
        if len(sys.argv) > 2: APP = sys.argv[2]
        walk(app())
    elif cmd == "press":
        name = sys.argv[2]; role = sys.argv[3] if len(sys.argv) > 3 else None
        o = find(app(), lambda o: o.name == name and showing(o) and (role is None or o.getRoleName() == role)
                 and actions(o) > 0)
        if o is None: sys.exit("nothing showing called %r to press" % name)
        a = o.queryAction()
        print("pressing", line(o), "->", a.getName(0), a.doAction(0))
    elif cmd == "events":
        import threading
        def cb(e):
            try: src = line(e.source)
            except Exception: src = "?"
            print("%s %s/%s %r  %s" % (e.type, e.detail1, e.detail2, e.any_data if not hasattr(e.any_data, "name") else e.any_data.name, src), flush=True)
        for t in ("window:create", "window:activate", "object:state-changed:focused", "object:children-changed",
                  "object:text-changed", "object:property-change:accessible-name", "object:announcement",
                  "object:state-changed:showing"):
            pyatspi.Registry.registerEventListener(cb, t)
        threading.Timer(float(sys.argv[2]), pyatspi.Registry.stop).start()
        pyatspi.Registry.start()
main()
