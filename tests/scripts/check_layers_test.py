#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layer checker passes the real source tree and finds includes planted
against the layers in a copy of it; the layers are the CMake link graph, so a
link taken out of a CMake file refuses the includes it allowed.

    check_layers_test.py CHECKER
"""

import pathlib
import shutil
import subprocess
import sys
import tempfile

CHECKER = pathlib.Path(sys.argv[1]).resolve()
SOURCE = CHECKER.parent.parent
LAYERS = ["codec", "model", "settings", "link", "platform", "print", "app", "editors", "tools"]

# (file to plant in, include line, what the checker must name)
PLANTED = [
    ("codec/frequency.cpp", '#include "model/document.h"', "codec may not include model/document.h"),
    ("model/groups.cpp", '#include "link/engine/frames.h"', "model may not include link/engine/frames.h"),
    ("model/dat_file.cpp", "#include <QString>", "model may not include QString"),
    ("link/engine/frames.cpp", "#include <QtCore/QTimer>", "link/engine may not include QtCore/QTimer"),
    ("settings/settings.cpp", '#include "app/main_window.h"', "settings may not include app/main_window.h"),
    ("link/qt/port_names.cpp", '#include "tools/cli/cli_command.h"',
     "link/qt may not include tools/cli/cli_command.h"),
    ("app/main_window.cpp", '#include "tools/cli/json_writer.h"', "app may not include tools/cli/json_writer.h"),
    ("app/main_window.cpp", '#include "editors/channel_window.h"',
     "app may not include editors/channel_window.h"),
    ("tools/sim/main_posix.cpp", '#include "link/engine/frames.h"', "tools/sim may not include link/engine/frames.h"),
    ("model/bands.cpp", '#include "nolayer/thing.h"', "model may not include nolayer/thing.h"),
    # The main window reaches the serial port only through the link windows.
    ("app/main_window.cpp", '#include "link/qt/port_names.h"', "app may not include link/qt/port_names.h"),
    ("link/engine/frames.cpp", '#include "settings/settings.h"',
     "link/engine may not include settings/settings.h"),
    ("model/stray.cpp", "", "model/stray.cpp: listed by no library"),
]

# (CMake file, link taken out, file including it, what the checker must name)
UNLINKED = [
    ("link/qt/CMakeLists.txt", " zq61_settings", "link/qt/port_names.cpp",
     "link/qt may not include settings/serial_ports.h"),
]


# (file, include line) that the links allow
ALLOWED = [
    ("app/main_window.cpp", '#include "link/engine/frames.h"'),
    ("link/engine/frames.cpp", '#include "model/document.h"'),
    ("app/main.cpp", '#include "editors/channel_window.h"'),
    ("tools/cli/main.cpp", "#include <QCoreApplication>"),
]


def run(root):
    result = subprocess.run([sys.executable, str(CHECKER), str(root)], capture_output=True, text=True)
    return result.returncode, result.stdout


def main():
    failures = []
    with tempfile.TemporaryDirectory() as temp:
        tree = pathlib.Path(temp)
        for layer in LAYERS:
            if (SOURCE / layer).is_dir():
                shutil.copytree(SOURCE / layer, tree / layer)
        (tree / "nolayer").mkdir()

        code, out = run(tree)
        if code != 0:
            failures.append(f"the real tree is refused:\n{out}")

        for file, line, expected in PLANTED:
            path = tree / file
            original = path.read_text() if path.exists() else None
            path.write_text((original or "") + "\n" + line + "\n")
            code, out = run(tree)
            if code != 1 or expected not in out:
                failures.append(f"{line} in {file}: exit {code}, output:\n{out}")
            if original is None:
                path.unlink()
            else:
                path.write_text(original)

        for cmake, link, file, expected in UNLINKED:
            path = tree / cmake
            original = path.read_text()
            path.write_text(original.replace(link, "", 1))
            code, out = run(tree)
            if code != 1 or expected not in out:
                failures.append(f"{link} taken out of {cmake}: exit {code}, output:\n{out}")
            path.write_text(original)

        # Allowed directions pass: a window may use the engine, the engine the
        # model, the program's entry point the editors it assembles.
        for file, line in ALLOWED:
            path = tree / file
            original = path.read_text()
            path.write_text(original + "\n" + line + "\n")
            code, out = run(tree)
            if code != 0:
                failures.append(f"{line} in {file} is refused:\n{out}")
            path.write_text(original)

    for failure in failures:
        print(failure)
    cases = len(PLANTED) + len(UNLINKED) + len(ALLOWED) + 1
    print(f"{cases - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
