#!/usr/bin/env python3
"""Checks translations/*.ts against the sources: `current` runs lupdate on a
copy and fails on any unfinished, obsolete or vanished entry; `placeholders`
fails where a translation drops or adds a %1 or %s of its source."""
import pathlib, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|l*[sd])")


def messages(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            yield context.findtext("name"), message


def current(root):
    with tempfile.TemporaryDirectory() as copy:
        copy = pathlib.Path(copy)
        for part in ("src", "res", "translations", "scripts"):
            shutil.copytree(root / part, copy / part)
        subprocess.run([copy / "scripts/update-translations", copy], check=True,
                       env={"PATH": "/usr/bin:/bin", "LUMO_KEEP_OBSOLETE": "1"})
        return [f"{ts.name}: {context}: {message.find('translation').get('type')}: {message.findtext('source')!r}"
                for ts in sorted((copy / "translations").glob("*.ts"))
                for context, message in messages(ts) if message.find("translation").get("type")]


def placeholders(root):
    return [f"{ts.name}: {context}: {message.findtext('source')!r}"
            for ts in sorted((root / "translations").glob("*.ts"))
            for context, message in messages(ts)
            if sorted(PLACEHOLDER.findall(message.findtext("source")))
            != sorted(PLACEHOLDER.findall(message.findtext("translation") or ""))]


if __name__ == "__main__":
    faults = {"current": current, "placeholders": placeholders}[sys.argv[1]](pathlib.Path(sys.argv[2]))
    print("\n".join(faults))
    sys.exit(1 if faults else 0)
