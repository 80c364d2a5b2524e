#!/usr/bin/python3
"""Drives the real Lumo window as a screen reader and a keyboard user do.

Controls are found through the accessibility bus by role and name, used
through their accessibility actions and read back through their states;
keys go in through the X server. Every wait is bounded. Run by
run_atspi_check, which provides the display and the D-Bus session:

    atspi_check.py LUMO SAMPLE_CDPLAYER_INI SCRATCH_FOLDER
"""
import os
import shutil
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT = 20.0      # seconds for anything that should happen
QUIET = 1.5      # seconds in which nothing should happen

DIALOGS = {pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW}
FIELDS = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT}
BUTTONS = {pyatspi.ROLE_PUSH_BUTTON}
# Not walked into: their items are many and never what is looked for.
OPAQUE = {pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST}


class Failed(Exception):
    pass


class Shown:
    """What the program reports as shown: the only way to menus, which are
    not among an application's windows on the bus."""

    def __init__(self):
        self.nodes = []
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:showing")

    def on_event(self, event):
        if event.detail1:
            self.nodes.append(event.source)

    def menu_with(self, item):
        for node in reversed(self.nodes):
            if role(node) in (pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU) and has(node, pyatspi.STATE_SHOWING):
                found = find(node, {pyatspi.ROLE_MENU_ITEM}, item)
                if found is not None:
                    return found
        return None


def pump_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        pump_events()
        try:
            result = probe()
        except Exception:  # objects go away as windows open and close
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failed("timed out waiting for " + what)
        time.sleep(0.1)


def role(node):
    try:
        return node.getRole()
    except Exception:
        return None


def name(node):
    try:
        return node.name
    except Exception:
        return None


def children(node):
    try:
        found = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []
    return [child for child in found if child is not None]


def descendants(node, depth=0):
    yield node
    if depth < 15 and role(node) not in OPAQUE:
        for child in children(node):
            yield from descendants(child, depth + 1)


def find(root, roles, wanted=None):
    for node in descendants(root):
        if role(node) in roles and (wanted is None or name(node) == wanted):
            return node
    return None


def has(node, state):
    return node.getState().contains(state)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def act(node, *wanted):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for candidate in wanted:
        if candidate in names:
            action.doAction(names.index(candidate))
            return
    raise Failed("%r offers none of %s, only %s" % (name(node), wanted, names))


def press(node):
    act(node, "press", "click")


class Lumo:
    """One run of the program on its own settings and collection: the sample
    in the home's default Wine folder (none when `sample` is None), and the
    command line's `args`, run from `scratch`, in `language`."""

    def __init__(self, program, sample, scratch, home="José", config="config", args=(), language="en"):
        self.program = program
        self.language = language
        self.home = os.path.join(scratch, home)
        self.collection = os.path.join(self.home, ".wine", "drive_c", "windows", "cdplayer.ini")
        os.makedirs(os.path.dirname(self.collection))
        if sample is not None:
            shutil.copy(sample, self.collection)
        self.reports = os.path.join(scratch, "日本")
        os.makedirs(self.reports, exist_ok=True)
        self.settings = os.path.join(scratch, config, "lumo", "lumo.ini")
        self.env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(scratch, config), LANGUAGE=language)
        self.log = open(os.path.join(scratch, "lumo.log"), "a")
        self.shown = Shown()
        self.process = subprocess.Popen([program, *args], env=self.env, cwd=scratch,
                                        stdout=self.log, stderr=self.log)
        self.app = wait_for("Lumo on the accessibility bus", self.find_app)
        self.main = wait_for("the main window", lambda: find(self.app, DIALOGS, "LUMO"))
        self.window_id = self.x_window("LUMO")

    def find_app(self):
        if self.process.poll() is not None:
            raise SystemExit("Lumo ended early, status %s" % self.process.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        return next((app for app in children(desktop) if name(app) == "lumo"), None)

    def x_window(self, title):
        found = subprocess.run(["xdotool", "search", "--sync", "--name", "^%s$" % title],
                               capture_output=True, text=True, timeout=WAIT, check=True)
        return found.stdout.split()[0]

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "50", *keys], timeout=WAIT, check=True)

    def window(self, title):
        return wait_for("window " + title, lambda: find(self.app, DIALOGS | {pyatspi.ROLE_ALERT}, title))

    def alert(self, text):
        def probe():
            for node in children(self.app):
                if role(node) == pyatspi.ROLE_ALERT and any(
                        name(label) == text for label in descendants(node)):
                    return node
            return None
        return wait_for("the message " + repr(text), probe)

    def no_alert(self):
        deadline = time.monotonic() + QUIET
        while time.monotonic() < deadline:
            if any(role(node) == pyatspi.ROLE_ALERT for node in children(self.app)):
                raise Failed("a message appeared where the key should do nothing")
            time.sleep(0.1)

    def gone(self, node, what, refocus=True):
        # Closed dialogs go away, or stay hidden when the program keeps them.
        wait_for(what + " to close", lambda: node not in children(self.app)
                 or not has(node, pyatspi.STATE_SHOWING))
        # What a window manager does: the main window has the keys again
        # (not while a load may put up its questions: without a window
        # manager the focus would be taken from them).
        if refocus:
            self.focus_main()

    def focus_main(self):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window_id], timeout=WAIT, check=True)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=WAIT)
        self.log.close()


def finish_loading(lumo):
    """Answers the duplicate-album notices of the load until the counts show."""
    def loaded():
        notice = find(lumo.app, DIALOGS, "Duplicate album found")
        if notice is not None and has(notice, pyatspi.STATE_SHOWING):
            press(find(notice, BUTTONS, "Ok"))
            return None
        counts = find(lumo.main, {pyatspi.ROLE_LABEL}, "Artists")
        return counts is None and find(lumo.main, {pyatspi.ROLE_LABEL}, "Albums") is None
    wait_for("the collection to load", loaded)


def check_status_line(lumo, path):
    wait_for("the status line to show " + path, lambda: find(lumo.main, {pyatspi.ROLE_LABEL}, path))


def load_shown(lumo, path):
    """Answers the duplicate-album notices of a load until its path shows."""
    def loaded():
        notice = find(lumo.app, DIALOGS, "Duplicate album found")
        if notice is not None and has(notice, pyatspi.STATE_SHOWING):
            press(find(notice, BUTTONS, "Ok"))
            return None
        return find(lumo.main, {pyatspi.ROLE_LABEL}, path)
    wait_for("the status line to show " + path, loaded)
    lumo.focus_main()


def check_nothing_found(lumo):
    wait_for("the status line to point to File > Open", lambda: any(
        (name(node) or "").startswith("No cdplayer.ini found: use File > Open...")
        for node in descendants(lumo.main) if role(node) == pyatspi.ROLE_LABEL))
    lumo.no_alert()


def check_hand_over(lumo, path):
    """A second start hands its file over and ends; the running window opens
    it once the dialog in front of it has closed."""
    press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Preferences"))
    dialog = lumo.window("Options")
    second = subprocess.run([lumo.program, path], env=lumo.env, capture_output=True, timeout=WAIT)
    if second.returncode != 0:
        raise Failed("the second start ended with status %d: %r" % (second.returncode, second.stderr))
    time.sleep(QUIET)
    if find(lumo.main, {pyatspi.ROLE_LABEL}, path) is not None:
        raise Failed("the file handed over was opened while the options were open")
    press(find(dialog, BUTTONS, "Cancel"))
    lumo.gone(dialog, "the options", refocus=False)
    load_shown(lumo, path)


def check_open_key(lumo, path):
    lumo.focus_main()
    wait_for("the main window to be active", lambda: has(lumo.main, pyatspi.STATE_ACTIVE))
    lumo.keys("ctrl+o")
    dialog = lumo.window("Open a collection")
    field = wait_for("the file name field", lambda: find(dialog, FIELDS, "File name:"))
    field.queryEditableText().setTextContents(path)
    press(find(dialog, BUTTONS, "Open"))
    lumo.gone(dialog, "the file dialog", refocus=False)
    load_shown(lumo, path)


def check_recent(lumo, path, position):
    item = wait_for("the recent file " + path,
                    lambda: find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "%d %s" % (position, path)))
    press(item)
    load_shown(lumo, path)
    with open(lumo.settings, "rb") as settings:
        if ("file1=" + path).encode() not in settings.read():
            raise Failed("lumo.ini does not keep %s first among the recent files" % path)


def rows(tree):
    return tree.childCount


def check_levels(lumo):
    tree = wait_for("the tree", lambda: find(lumo.main, OPAQUE))
    artists = wait_for("the tree to fill", lambda: rows(tree))
    radio = {level: find(lumo.main, {pyatspi.ROLE_RADIO_BUTTON}, level)
             for level in ("Artist", "Album", "All", "Custom")}
    act(radio["All"], "toggle", "press", "click")
    wait_for("All to be checked", lambda: has(radio["All"], pyatspi.STATE_CHECKED))
    wait_for("the tree to open every level", lambda: rows(tree) > artists)
    everything = rows(tree)
    act(radio["Album"], "toggle", "press", "click")
    wait_for("the tracks to close", lambda: artists < rows(tree) < everything)
    if has(radio["Custom"], pyatspi.STATE_CHECKED):
        raise Failed("applying a level checked Custom")
    return tree


def focus_tree(lumo, tree):
    lumo.focus_main()
    tree.queryComponent().grabFocus()
    wait_for("the tree to take the focus", lambda: has(tree, pyatspi.STATE_FOCUSED))


def menu_item(lumo, text):
    return wait_for("the menu item " + text, lambda: lumo.shown.menu_with(text))


def check_tree_keys(lumo, tree):
    focus_tree(lumo, tree)
    lumo.keys("Home")  # the first artist, the Album level being shown
    lumo.keys("Menu")
    edit = menu_item(lumo, "Edit")
    if has(menu_item(lumo, "Move"), pyatspi.STATE_ENABLED):
        raise Failed("Move is offered for an artist")
    press(edit)  # as a screen reader chooses it
    dialog = lumo.window("Edit Artist")
    wait_for("the field named Artist", lambda: find(dialog, FIELDS, "Artist"))
    press(find(dialog, BUTTONS, "Cancel"))
    lumo.gone(dialog, "the edit dialog")

    lumo.keys("F2")
    dialog = lumo.window("Edit Artist")
    check_mnemonic(lumo, dialog, "alt+a", "Artist")
    lumo.keys("Escape")
    lumo.gone(dialog, "the edit dialog")

    lumo.keys("Down")  # the artist's first album
    lumo.keys("shift+F10")
    press(menu_item(lumo, "Move"))
    alert = lumo.alert("Moving not implemented yet")
    press(find(alert, BUTTONS, "OK"))
    lumo.gone(alert, "the message")

    lumo.keys("Delete")
    alert = lumo.alert("Are you sure you want to delete this album?\n(Edit > Undo takes it back.)")
    press(find(alert, BUTTONS, "No"))
    lumo.gone(alert, "the question")

    lumo.keys("Right", "Down")  # open the album, its first track
    lumo.keys("Delete")
    lumo.no_alert()  # tracks are not deleted


def check_mnemonic(lumo, dialog, keys, label):
    """The label's mnemonic puts the focus in the field it names."""
    lumo.keys(keys)
    wait_for(keys + " to focus " + label,
             lambda: has(find(dialog, FIELDS, label), pyatspi.STATE_FOCUSED))


def check_report(lumo):
    press(find(lumo.main, BUTTONS, "Report"))
    dialog = lumo.window("Generate report")
    title = wait_for("the field named Title", lambda: find(dialog, FIELDS, "Title"))
    find_field = lambda label: find(dialog, FIELDS, label)
    if not (find_field("Comment") and find_field("Filename")):
        raise Failed("the comment or file name field has no name")
    check_mnemonic(lumo, dialog, "alt+c", "Comment")
    check_mnemonic(lumo, dialog, "alt+f", "Filename")
    act(find(dialog, {pyatspi.ROLE_RADIO_BUTTON}, "CSV (comma-delimited ASCII)"), "toggle", "press", "click")
    name_field = find_field("Filename")
    wait_for("the CSV file name", lambda: text_of(name_field) == "lumo.csv")
    wait_for("the title to be disabled", lambda: not has(title, pyatspi.STATE_ENABLED))
    report = os.path.join(lumo.reports, "réport.csv")
    name_field.queryEditableText().setTextContents(report)
    press(find(dialog, BUTTONS, "Report"))
    alert = lumo.alert("Report generated Ok")
    press(find(alert, BUTTONS, "OK"))
    lumo.gone(alert, "the message")
    if not os.path.isfile(report):
        raise Failed("no report at " + report)
    press(find(dialog, BUTTONS, "Exit"))
    lumo.gone(dialog, "the report dialog")
    with open(lumo.settings, "rb") as settings:
        if ("filename=" + report).encode() not in settings.read():
            raise Failed("lumo.ini does not hold the report's file name as the disk spells it")


def check_options(lumo):
    press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Preferences"))
    dialog = lumo.window("Options")
    field = wait_for("the field named Search path for cdplayer.ini",
                     lambda: find(dialog, FIELDS, "Search path for cdplayer.ini"))
    check_mnemonic(lumo, dialog, "alt+s", "Search path for cdplayer.ini")
    folders = os.path.join(lumo.home, ".wine", "drive_c")
    expected = os.path.join(folders, "windows") + ";" + os.path.join(folders, "winnt")
    if text_of(field) != expected:
        raise Failed("the search path shows %r, not %r" % (text_of(field), expected))
    press(find(dialog, BUTTONS, "Cancel"))
    lumo.gone(dialog, "the options")


def any_alert(lumo):
    return wait_for("a message", lambda: next(
        (node for node in children(lumo.app) if role(node) == pyatspi.ROLE_ALERT), None))


def file_bytes(lumo):
    with open(lumo.collection, "rb") as collection:
        return collection.read()


def undo(lumo, step, before):
    """Edit > Undo named for the step puts back the file's very bytes."""
    press(wait_for("the menu item " + step, lambda: find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, step)))
    wait_for(step + " to restore the file", lambda: file_bytes(lumo) == before)


def check_duplicates(lumo):
    before = file_bytes(lumo)
    press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Duplicates..."))
    dialog = lumo.window("Duplicates")
    entries = wait_for("the list of duplicates",
                       lambda: find(dialog, {pyatspi.ROLE_LIST}, "Albums entered more than once:"))
    copies = wait_for("the copies listed", lambda: children(entries))
    key = name(copies[-1]).split(":")[0]
    if len(copies) < 2 or any(":" not in name(row) for row in copies):
        raise Failed("the duplicates are listed as %r" % [name(row) for row in copies])
    subprocess.run(["xdotool", "windowfocus", "--sync", lumo.x_window("Duplicates")], timeout=WAIT, check=True)
    lumo.keys("alt+a", "End")  # the label's mnemonic, then the last copy
    wait_for("the last copy selected", lambda: has(children(entries)[-1], pyatspi.STATE_SELECTED))
    tracks = find(dialog, {pyatspi.ROLE_LIST}, "Tracks of the selected entry:")
    wait_for("the copy's tracks", lambda: children(tracks))
    press(find(dialog, BUTTONS, "Delete"))
    alert = lumo.alert("Are you sure you want to delete this album?\n(Edit > Undo takes it back.)")
    press(find(alert, BUTTONS, "Yes"))
    wait_for("the copy's section to go", lambda: ("[%s]" % key).encode() not in file_bytes(lumo))
    wait_for("the list to empty", lambda: not children(entries))
    # Esc in a page closes the whole dialog, not just the page.
    subprocess.run(["xdotool", "windowfocus", "--sync", lumo.x_window("Duplicates")], timeout=WAIT, check=True)
    lumo.keys("alt+a", "Escape")
    lumo.gone(dialog, "the duplicates")
    undo(lumo, "Undo Delete Duplicate", before)


def check_replace(lumo):
    before = file_bytes(lumo)
    press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Replace..."))
    dialog = lumo.window("Replace")
    find_field = wait_for("the field named Find what:", lambda: find(dialog, FIELDS, "Find what:"))
    with_field = find(dialog, FIELDS, "Replace with:")
    if with_field is None:
        raise Failed("the replacement field has no name")
    check_mnemonic(lumo, dialog, "alt+p", "Replace with:")
    find_field.queryEditableText().setTextContents("the")
    with_field.queryEditableText().setTextContents("Thé")
    press(find(dialog, BUTTONS, "Replace all"))
    question = any_alert(lumo)
    press(find(question, BUTTONS, "Yes"))
    wait_for("the names to change", lambda: "Thé".encode("cp1252") in file_bytes(lumo))
    wait_for("the count in the status line",
             lambda: any((name(node) or "").startswith("Replaced ")
                         for node in descendants(lumo.main) if role(node) == pyatspi.ROLE_LABEL))
    press(find(dialog, BUTTONS, "Close"))
    lumo.gone(dialog, "the replace dialog")
    undo(lumo, "Undo Replace", before)


def exit_lumo(lumo):
    press(find(lumo.main, BUTTONS, {"en": "Exit", "de": "Beenden"}[lumo.language]))
    status = lumo.process.wait(timeout=WAIT)
    if status != 0:
        raise Failed("Lumo ended with status %d (its output is below)" % status)


def first_run(program, sample, scratch):
    """The sample along the search path, with a file named on the command
    line (relative to the folder Lumo starts in) opened in its place."""
    backup = os.path.join(scratch, "Backup Ç")
    os.makedirs(backup)
    shutil.copy(sample, os.path.join(backup, "discs.ini"))
    lumo = Lumo(program, sample, scratch, args=[os.path.join("Backup Ç", "discs.ini")])
    lumo.collection = os.path.join(backup, "discs.ini")  # the file the edits go to
    return lumo, lambda: (finish_loading(lumo), check_status_line(lumo, os.path.join(backup, "discs.ini")))


def second_run(program, sample, scratch):
    """Nothing along the search path; files come by hand-over, Ctrl+O and
    the recent files."""
    lumo = Lumo(program, None, scratch, home="Nobody", config="config2")
    capitals = os.path.join(scratch, "CDROM", "CDPLAYER.INI")
    os.makedirs(os.path.dirname(capitals))
    shutil.copy(sample, capitals)
    renamed = os.path.join(scratch, "cdplayer-1998.ini")
    shutil.copy(sample, renamed)

    def steps():
        check_nothing_found(lumo)
        check_hand_over(lumo, capitals)
        check_open_key(lumo, renamed)
        check_recent(lumo, capitals, 2)
    return lumo, steps


def german_run(program, scratch):
    """Under LANGUAGE=de: the German menus, the note and a dialog."""
    lumo = Lumo(program, None, scratch, home="Niemand", config="config3", language="de")

    def steps():
        for menu in ("Datei", "Bearbeiten", "Optionen", "Hilfe"):
            wait_for("the menu " + menu, lambda: find(lumo.main, {pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM}, menu))
        wait_for("the German note", lambda: any((name(node) or "").startswith("Keine cdplayer.ini gefunden")
                                                for node in descendants(lumo.main)))
        press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Einstellungen"))
        dialog = lumo.window("Optionen")
        wait_for("the field Suchpfad", lambda: find(dialog, FIELDS, "Suchpfad für cdplayer.ini"))
        press(find(dialog, BUTTONS, "Abbrechen"))
        lumo.gone(dialog, "the options")
    return lumo, steps


def labelled(root, text):
    label = find(root, {pyatspi.ROLE_LABEL}, text)
    for relation in label.getRelationSet() if label is not None else ():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            return relation.getTarget(0)
    return None


def code_page_run(program, scratch):
    """A collection typed on Japanese Windows: the status line suggests
    Shift-JIS, the Options' character set takes it, Refresh shows the names,
    a rename writes Shift-JIS and a character it lacks is refused."""
    japanese = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "golden", "japanese.ini")
    lumo = Lumo(program, japanese, scratch, home="Yamada", config="config4")

    def steps():
        wait_for("the suggestion", lambda: any((name(node) or "").startswith("The names look typed in Japanese (Shift-JIS)")
                                               for node in descendants(lumo.main)))
        press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Preferences"))
        dialog = lumo.window("Options")
        # Qt names a list-only combo box on Linux by its entry; its label
        # names it through the label-for relation, as screen readers read it.
        pages = wait_for("the list labelled Character set:", lambda: labelled(dialog, "Character set:"))
        subprocess.run(["xdotool", "windowfocus", "--sync", lumo.x_window("Options")], timeout=WAIT, check=True)
        lumo.keys("alt+c", "J")  # the label's mnemonic, then the first set beginning with J
        wait_for("Japanese to be chosen", lambda: name(pages) == "Japanese (Shift-JIS)")
        press(find(dialog, BUTTONS, "Save"))
        lumo.gone(dialog, "the options")
        wait_for("codepage=932 in lumo.ini", lambda: b"codepage=932" in open(lumo.settings, "rb").read())
        press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Refresh"))
        tree = wait_for("the tree", lambda: find(lumo.main, OPAQUE))
        artists = ["アイドル", "ソフトバレエ", "表現", "ＡＢＣ", "ａｂｃ"]  # in code point order, not by bytes
        wait_for("the Japanese artists", lambda: [name(row) for row in children(tree)][-len(artists):] == artists)
        before = file_bytes(lumo)
        focus_tree(lumo, tree)
        lumo.keys("Home", "F2")
        dialog = lumo.window("Edit Artist")
        field = wait_for("the field named Artist", lambda: find(dialog, FIELDS, "Artist"))
        field.queryEditableText().setTextContents("アイドル€")
        press(find(dialog, BUTTONS, "OK"))
        press(find(lumo.alert("The text contains characters that cannot be stored.\n"
                              "Please use only the characters of the Japanese (Shift-JIS) character set."), BUTTONS, "OK"))
        field.queryEditableText().setTextContents("アイドル表ー")
        press(find(dialog, BUTTONS, "OK"))
        lumo.gone(dialog, "the edit dialog")
        wait_for("the name written in Shift-JIS", lambda: ("artist=アイドル表ー\r\n").encode("cp932") in file_bytes(lumo))
        undo(lumo, "Undo Rename Artist", before)
    return lumo, steps


def run(lumo, steps):
    try:
        steps()
        exit_lumo(lumo)
    except Failed as failure:
        print("AT-SPI check FAILED:", failure)
        print("Windows then:", [(role(node), name(node)) for node in children(lumo.app)])
        return False
    finally:
        lumo.close()
    return True


def check_import(lumo, scratch):
    """File > Import... adds the other file's new section after asking, and
    Undo takes the import back."""
    other = os.path.join(scratch, "other pc.ini")
    with open(other, "wb") as out:
        out.write(b"[feedf00d]\nartist=Imported Artist\ntitle=Imported Album\n")
    before = file_bytes(lumo)
    press(find(lumo.main, {pyatspi.ROLE_MENU_ITEM}, "Import..."))
    dialog = lumo.window("Import another cdplayer.ini")
    field = wait_for("the file name field", lambda: find(dialog, FIELDS, "File name:"))
    field.queryEditableText().setTextContents(other)
    press(find(dialog, BUTTONS, "Open"))
    lumo.gone(dialog, "the file dialog", refocus=False)
    press(find(any_alert(lumo), BUTTONS, "Yes"))
    wait_for("the section to be added after every old byte", lambda: file_bytes(lumo).startswith(before)
             and b"[feedf00d]" in file_bytes(lumo)[len(before):])
    wait_for("the count in the status line",
             lambda: any((name(node) or "").startswith("1 section(s) imported")
                         for node in descendants(lumo.main) if role(node) == pyatspi.ROLE_LABEL))
    undo(lumo, "Undo Import", before)


def main(program, sample, scratch):
    lumo, opened = first_run(program, sample, scratch)

    def steps():
        opened()
        tree = check_levels(lumo)
        check_tree_keys(lumo, tree)
        check_report(lumo)
        check_options(lumo)
        check_duplicates(lumo)
        check_replace(lumo)
        check_import(lumo, scratch)
    # Each run starts only when the one before it has ended.
    if not all(run(*start()) for start in (lambda: (lumo, steps), lambda: second_run(program, sample, scratch),
                                           lambda: german_run(program, scratch),
                                           lambda: code_page_run(program, scratch))):
        return 1
    print("AT-SPI check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
