#!/usr/bin/python3
"""Runs the real Lumo window under Weston, found through the accessibility
bus as the AT-SPI check finds it; there is no X server to send keys through,
so everything goes by accessibility actions. Run by run_weston_check, which
provides the compositor and the D-Bus session:

    weston_check.py LUMO SAMPLE_CDPLAYER_INI SCRATCH_FOLDER SCREENSHOT_PNG
"""
import glob
import os
import shutil
import subprocess
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(ROOT, "tests", "accessibility"))
import atspi_check as atspi  # noqa: E402


class WaylandLumo(atspi.Lumo):
    """A Wayland client has no X window to look up or to focus."""

    def x_window(self, title):
        return None

    def focus_main(self):
        pass


def hand_over(lumo, path):
    """A second start hands its file over, with a launcher's activation
    token, and ends at once; the running window opens the file."""
    env = dict(lumo.env, XDG_ACTIVATION_TOKEN="lumo-check-token")
    second = subprocess.run([lumo.program, path], env=env, capture_output=True, timeout=atspi.WAIT)
    if second.returncode != 0:
        raise atspi.Failed("the second start ended with status %d: %r" % (second.returncode, second.stderr))
    atspi.load_shown(lumo, path)
    with open(lumo.settings, "rb") as settings:
        if ("file1=" + path).encode() not in settings.read():
            raise atspi.Failed("lumo.ini does not keep %s first among the recent files" % path)


def check_app_id(scratch):
    """A Wayland desktop finds the window's icon by its app id, the name of
    the menu entry (WAYLAND_DEBUG has the client log its requests)."""
    entry = os.path.basename(glob.glob(os.path.join(ROOT, "res", "install", "*.desktop"))[0])
    with open(os.path.join(scratch, "lumo.log"), errors="replace") as log:
        if 'set_app_id("%s")' % entry[:-len(".desktop")] not in log.read():
            raise atspi.Failed("the window's app id is not " + entry)


def screenshot(scratch, target):
    """weston-screenshooter writes the whole output into the folder it runs in."""
    folder = os.path.join(scratch, "shots")
    os.makedirs(folder)
    subprocess.run(["weston-screenshooter"], cwd=folder, capture_output=True, timeout=atspi.WAIT, check=True)
    shots = glob.glob(os.path.join(folder, "*.png"))
    if len(shots) != 1:
        raise atspi.Failed("weston-screenshooter wrote %d pictures" % len(shots))
    shutil.copy(shots[0], target)
    print("Weston screenshot:", target)


def main(program, sample, scratch, target):
    os.environ["WAYLAND_DEBUG"] = "1"
    lumo = WaylandLumo(program, sample, scratch)
    handed = os.path.join(scratch, "Handed over", "discs.ini")
    os.makedirs(os.path.dirname(handed))
    shutil.copy(sample, handed)

    def steps():
        atspi.load_shown(lumo, lumo.collection)
        check_app_id(scratch)
        hand_over(lumo, handed)
        screenshot(scratch, target)
    if not atspi.run(lumo, steps):
        return 1
    print("Weston check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
