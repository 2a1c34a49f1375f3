#!/usr/bin/python3
"""The window as a screen reader meets it, over AT-SPI.

    accessibility_check.py TIDREL FEED

Starts TIDREL on a copy of FEED in an X server and a D-Bus session of its
own (xvfb-run, dbus-run-session), with the accessibility bus and registry of
at-spi2-core, and reads it with pyatspi. Fails when an interactive control
has no role or no name (each listed with its path), when a row of the posts
list reads out empty, or when the editor page does not show its text. Then
edits a post through accessibility calls alone: selects it in the posts
list (the list's Table interface), renames it (Posts > Rename Post, the
rename field's EditableText, the focus on to the code pane), changes a word
of its description (the Preview pane's EditableText), saves (File > Save) and
compares the saved file with the original line by line: the title and the
description changed, nothing else. Last it checks the Problems pane's rows,
the Feed Properties window, the guide and, with the feed closed, the start
page; then opens the saved feed again through the toolbar's Open… and the
file dialog's name field and Open button, and reads the new title in its
list. Exits with 77 (skipped) only where the machine has no AT-SPI, Xvfb or
D-Bus session.

QtWebEngine 6.4 gives the page's fields AT-SPI's Text interface, which reads
them, but not EditableText: so the edits go through the program's own
fields, and the page is read to see that it follows.
"""

import difflib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
SESSION_MARK = "TIDREL_ACCESSIBILITY_SESSION"

# Roles a user acts on; each needs a name. Table cells, labels and panes
# are read, not acted on.
INTERACTIVE_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box",
    "text", "entry", "password text", "spin button", "list", "list box",
    "table", "tree", "tree table", "menu item", "check menu item",
    "radio menu item", "page tab", "slider", "push button menu",
}


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


def in_own_session():
    """Runs this script again inside its own D-Bus session and X server, never
    the desktop's: a screen reader there would hear the test."""
    for tool in ("dbus-run-session", "xvfb-run"):
        if not shutil.which(tool):
            skip(tool + " is missing")
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        skip("the AT-SPI bus (at-spi2-core) is not installed")
    env = dict(os.environ, **{SESSION_MARK: "1"})
    env.pop("DISPLAY", None)
    command = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
               sys.executable] + sys.argv
    return subprocess.call(command, env=env)


def pump_events():
    """Hands the accessibility events that came in to their listeners."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, seconds):
    """The condition's first true value, polled; a failure after `seconds`."""
    end = time.monotonic() + seconds
    while True:
        pump_events()
        try:
            value = condition()
        except Exception:  # the tree changes under the query
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.25)


# --- The accessible tree ---

def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def label(acc):
    return "[%s] %r" % (acc.getRoleName(), acc.name)


def walk(acc, path=(), depth=0):
    """Every object under `acc` with its path. Stops at the rows of a list
    that takes the focus (a page's layout table goes on), at a text's
    content (the feed's own text), and at a combo box, whose popup and field
    belong to it."""
    import pyatspi
    path = path + (label(acc),)
    yield acc, path
    role = acc.getRoleName()
    if depth > 60 or role in ("combo box", "text", "entry"):
        return
    if role in ("tree", "tree table", "table", "list") and acc.getState().contains(pyatspi.STATE_FOCUSABLE):
        return
    for child in children(acc):
        yield from walk(child, path, depth + 1)


def find(acc, predicate, what, seconds=30):
    def search():
        for node, _ in walk(acc):
            if predicate(node):
                return node
        return None
    return wait_for(what, search, seconds)


def unnamed_controls(root):
    import pyatspi
    failures = []
    for node, path in walk(root):
        role = node.getRoleName()
        if role not in INTERACTIVE_ROLES and role not in ("unknown", "invalid", ""):
            continue
        state = node.getState()
        # A text that takes no input is a label, and a page's list or table
        # that takes no focus is the page's layout.
        if role in ("text", "list", "table", "tree") and not (
                state.contains(pyatspi.STATE_EDITABLE) or state.contains(pyatspi.STATE_FOCUSABLE)):
            continue
        if role in ("unknown", "invalid", "") and not state.contains(pyatspi.STATE_FOCUSABLE):
            continue
        # A menu's hidden entry (a recent file not yet there) is never met.
        if role.endswith("menu item") and not state.contains(pyatspi.STATE_VISIBLE):
            continue
        if role in ("unknown", "invalid", "") or not node.name.strip():
            failures.append(" > ".join(path))
    return failures


def activate_window(pid):
    """Gives the program's window the keyboard, as the desktop does for the
    window the user works in; Xvfb has no window manager to do it."""
    if not shutil.which("xdotool"):
        skip("xdotool is missing")
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True, timeout=10).stdout.split()
    for window in windows:
        subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=10)


def read_bytes(path):
    with open(path, "rb") as file:
        return file.read()


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def outline(acc, depth=0, out=None, limit=4):
    """The main window's tree, a few levels deep, for the log."""
    lines = out if out is not None else []
    lines.append("  " * depth + label(acc))
    if depth < limit and acc.getRoleName() not in ("tree", "tree table", "table", "list", "menu bar", "text"):
        for child in children(acc):
            outline(child, depth + 1, lines, limit)
    return lines


# --- The check ---

def press(acc, action_name=None):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action_name is None or action.getName(i) == action_name:
            return action.doAction(i)
    raise AssertionError("%s has no action %s" % (label(acc), action_name))


def press_modal(acc):
    """Presses a button that opens a modal dialog: Qt answers the call only
    when the dialog closes, so the answer is not waited for."""
    from gi.repository import Atspi, GLib
    Atspi.set_timeout(1000, 15000)
    try:
        press(acc)
    except GLib.GError:
        pass
    finally:
        Atspi.set_timeout(800, 15000)  # libatspi's own defaults


def menu_item(frame, menu, item):
    bar = find(frame, lambda a: a.getRoleName() == "menu bar", "the menu bar")
    top = find(bar, lambda a: a.getRoleName() == "menu item" and a.name == menu, "the %s menu" % menu)
    return find(top, lambda a: a.getRoleName().endswith("menu item") and a.name == item, "%s > %s" % (menu, item))


def run_check(program, feed):
    try:
        import pyatspi
    except ImportError:
        skip("python3-pyatspi is not installed")

    work = tempfile.mkdtemp(prefix="tidrel-a11y-")
    errors = []
    app_process = None
    try:
        home = os.path.join(work, "home")
        os.makedirs(home)
        path = os.path.join(work, "feed.xml")
        shutil.copyfile(feed, path)
        original = read_bytes(path)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_DATA_HOME=home + "/.local/share",
                   XDG_CACHE_HOME=home + "/.cache", XDG_RUNTIME_DIR=work, QT_QPA_PLATFORM="xcb",
                   # What a desktop's "assistive technologies on" does for Qt.
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop(SESSION_MARK, None)

        desktop = pyatspi.Registry.getDesktop(0)  # starts the accessibility bus
        # What gets the focus, as a screen reader follows it: an item view's
        # editor is no child of the view.
        focused = []
        pyatspi.Registry.registerEventListener(
            lambda event: event.detail1 and focused.append(event.source), "object:state-changed:focused")
        log = open(os.path.join(work, "program.log"), "w")
        app_process = subprocess.Popen([program, path], env=env, stdout=log, stderr=subprocess.STDOUT)
        app = wait_for("the program on the accessibility bus",
                       lambda: next((a for a in children(desktop) if a.get_process_id() == app_process.pid), None), 60)
        frame = find(app, lambda a: a.getRoleName() == "frame" and a.name.endswith("Tidrel")
                     and a.getState().contains(pyatspi.STATE_SHOWING), "the main window")
        posts = find(frame, lambda a: a.getRoleName() in ("tree", "tree table") and a.name == "Posts",
                     "the posts list named Posts")
        table = posts.queryTable()
        wait_for("the posts in the list", lambda: table.nRows >= 2, 30)
        # The editor page's fields, there only with Chromium's accessibility.
        title_field = find(frame, lambda a: a.getRoleName() in ("text", "entry") and a.name == "Post title",
                           "the editor page's title field", 60)
        description_field = find(frame, lambda a: a.getRoleName() in ("text", "entry") and a.name == "Description",
                                 "the editor page's description field")

        print("\n".join(outline(frame)))
        activate_window(app_process.pid)
        errors += ["no name or role: " + failure for failure in unnamed_controls(app)]

        # Every row reads out its title and date, also a post without a title.
        for row in range(table.nRows):
            for column in range(table.nColumns):
                cell = table.getAccessibleAt(row, column)
                if not cell.name.strip():
                    errors.append("posts list row %d column %d reads out nothing" % (row, column))

        # A post picked in the list: the page shows its title and description.
        if table.getAccessibleAt(1, 0).name != "No title":
            errors.append("the untitled post reads out %r" % table.getAccessibleAt(1, 0).name)
        row = 2
        old_title = table.getAccessibleAt(row, 0).name
        table.addRowSelection(row)
        wait_for("the page to show the picked post", lambda: text_of(title_field) == old_title, 20)
        wait_for("the page to show the picked post's description", lambda: text_of(description_field).strip(), 20)
        if list(table.getSelectedRows()) != [row]:
            errors.append("the list selects rows %s, not only %d" % (list(table.getSelectedRows()), row))

        # The title, renamed in the list.
        new_title = "Renamed by a screen reader"
        press(menu_item(frame, "Posts", "Rename Post…"))
        rename = wait_for("the rename field to take the focus", lambda: focused and focused[-1].getRoleName() in (
            "text", "entry") and focused[-1].getState().contains(pyatspi.STATE_EDITABLE) and focused[-1], 10)
        if not rename.name.strip():
            errors.append("the rename field has no name")
        rename.queryEditableText().setTextContents(new_title)
        # Leaving the field keeps the title: the focus goes on to the code.
        code = find(frame, lambda a: a.getRoleName() in ("text", "entry") and a.name == "HTML code"
                    and a.getState().contains(pyatspi.STATE_EDITABLE), "the HTML code pane's text")
        if not code.queryComponent().grabFocus():
            errors.append("the HTML code pane does not take the focus")
        wait_for("the list to show the new title", lambda: table.getAccessibleAt(row, 0).name == new_title, 10)
        wait_for("the page to show the new title", lambda: text_of(title_field) == new_title, 10)

        # A word of the description, changed in the HTML code pane.
        html = wait_for("the code of the picked post", lambda: text_of(code), 10)
        word = re.search(r"(?:^|>)[^<]*?\b([A-Za-z]{4,})\b", html)  # outside the tags
        if not word:
            raise AssertionError("no word in the description's code %r" % html)
        editable = code.queryEditableText()
        editable.deleteText(word.start(1), word.end(1))
        editable.insertText(word.start(1), "Accessible", len("Accessible"))
        wait_for("the page to show the new description", lambda: "Accessible" in text_of(description_field), 10)

        # File > Save, and only the two elements differ.
        press(menu_item(frame, "File", "Save"))
        saved = wait_for("the saved file", lambda: read_bytes(path) != original and read_bytes(path), 20)
        errors += compare_saved(original, saved, old_title, new_title, word.group(1))

        # The problems of a check read out their level, message, post and field.
        press(menu_item(frame, "Feed", "Check Feed"))
        problems = find(frame, lambda a: a.getRoleName() in ("tree", "tree table") and a.name == "Problems",
                        "the problems list")
        problem_rows = problems.queryTable()
        wait_for("the problems of the check", lambda: problem_rows.nRows > 0, 20)
        for row in range(problem_rows.nRows):
            for column in range(2):  # the level's icon and the message
                if not problem_rows.getAccessibleAt(row, column).name.strip():
                    errors.append("problems row %d column %d reads out nothing" % (row, column))

        # The other windows: the feed's properties and the guide.
        press(menu_item(frame, "Feed", "Feed Properties…"))
        properties = wait_for("the Feed Properties window", lambda: next(
            (w for w in children(app) if w.name.startswith("Feed Properties")), None), 20)
        press(menu_item(frame, "Help", "Tidrel Help"))
        guide = wait_for("the guide's window", lambda: next(
            (w for w in children(app) if w.name.startswith("Tidrel Help")), None), 30)
        find(guide, lambda a: a.getRoleName() == "link" and a.name == "Keys", "the guide's link to its page of keys")
        errors += ["no name or role: " + failure for failure in unnamed_controls(properties) + unnamed_controls(guide)]

        # Without a feed, the start page: its links read out what they open.
        press(menu_item(frame, "File", "Close"))
        find(frame, lambda a: a.getRoleName() == "link" and a.name == "Open a feed…", "the start page's Open link")
        errors += ["no name or role: " + failure for failure in unnamed_controls(frame)]

        # The feed opened again through the toolbar's Open… and the file
        # dialog's name field: the list reads out the title as saved.
        toolbar = find(frame, lambda a: a.getRoleName() == "tool bar" and a.name == "Toolbar", "the toolbar")
        press_modal(find(toolbar, lambda a: a.getRoleName() == "push button" and a.name == "Open…",
                         "the Open… button"))
        dialog = wait_for("the file dialog", lambda: next(
            (w for w in children(app) if w.getRoleName() == "dialog" and w.getState().contains(pyatspi.STATE_SHOWING)),
            None), 20)
        name_field = find(dialog, lambda a: a.getRoleName() in ("text", "entry")
                          and a.getState().contains(pyatspi.STATE_EDITABLE) and "name" in a.name.lower(),
                          "the file dialog's name field")
        name_field.queryEditableText().setTextContents(path)
        press(find(dialog, lambda a: a.getRoleName() == "push button" and a.name == "Open", "the dialog's Open button"))
        posts = find(frame, lambda a: a.getRoleName() in ("tree", "tree table") and a.name == "Posts"
                     and a.getState().contains(pyatspi.STATE_SHOWING), "the reopened feed's posts list")
        table = posts.queryTable()
        wait_for("the reopened feed's posts", lambda: table.nRows >= 2, 30)
        if not any(table.getAccessibleAt(r, 0).name == new_title for r in range(table.nRows)):
            errors.append("the reopened feed does not read out the saved title %r" % new_title)
    except AssertionError as failure:
        errors.append(str(failure))
    finally:
        if app_process is not None:
            app_process.terminate()
            try:
                app_process.wait(10)
            except subprocess.TimeoutExpired:
                app_process.kill()
        if errors and os.path.exists(os.path.join(work, "program.log")):
            print("--- program output ---")
            print(open(os.path.join(work, "program.log"), errors="replace").read()[-4000:])
        shutil.rmtree(work, ignore_errors=True)

    for error in errors:
        print("FAIL: " + error)
    print("%d passed, %d failed" % (0 if errors else 1, 1 if errors else 0))
    return 1 if errors else 0


def compare_saved(original, saved, old_title, new_title, old_word):
    errors = []
    before = original.decode("utf-8", "replace").splitlines(True)
    after = saved.decode("utf-8", "replace").splitlines(True)
    differences = list(difflib.ndiff(before, after))
    removed = [line[2:] for line in differences if line.startswith("- ")]
    added = [line[2:] for line in differences if line.startswith("+ ")]
    if len(removed) != 2 or len(added) != 2:
        errors.append("the save changed other lines too:\n" + "".join(removed + added))
        return errors
    title_before = next((line for line in removed if "<title>" in line), "")
    title_after = next((line for line in added if "<title>" in line), "")
    if title_before.replace(old_title, new_title) != title_after:
        errors.append("the title line is %r, was %r" % (title_after, title_before))
    description_before = next((line for line in removed if "<description>" in line), "")
    description_after = next((line for line in added if "<description>" in line), "")
    if description_before.replace(old_word, "Accessible", 1) != description_after:
        errors.append("the description line is %r, was %r" % (description_after, description_before))
    return errors


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    if not os.path.exists(sys.argv[2]):
        skip("the feed %s is not there (the corpus is absent)" % sys.argv[2])
    if os.environ.get(SESSION_MARK) != "1":
        return in_own_session()
    return run_check(sys.argv[1], sys.argv[2])


if __name__ == "__main__":
    sys.exit(main())
