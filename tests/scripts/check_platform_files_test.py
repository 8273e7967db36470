#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The platform-file checker passes the real source tree and finds system
headers planted outside their platform's files in a copy of it.

    check_platform_files_test.py CHECKER
"""

import pathlib
import shutil
import subprocess
import sys
import tempfile

CHECKER = pathlib.Path(sys.argv[1]).resolve()
SOURCE = CHECKER.parent.parent
FOLDERS = ["codec", "model", "settings", "link", "platform", "print", "app", "editors", "tools",
           "tests"]

# (file to plant in, include line, whether the checker must refuse it)
PLANTED = [
    ("model/dat_file.cpp", "#include <unistd.h>", True),
    ("tools/cli/radio_session.cpp", "#include <termios.h>", True),
    ("codec/frequency.h", "#include <sys/ioctl.h>", True),
    ("settings/settings.cpp", "#include <windows.h>", True),
    ("settings/settings.cpp", "#if __has_include(<unistd.h>)", True),
    ("tests/unit/model/dat_file_test.cpp", "#include <sys/resource.h>", True),
    ("link/qt/serial_low_latency_other.cpp", "#include <sys/ioctl.h>", True),
    ("model/new_file_posix.cpp", "#include <io.h>", True),
    ("model/new_file_windows.cpp", "#include <unistd.h>", True),
    ("link/qt/serial_low_latency_linux.cpp", "#include <linux/serial.h>", False),
    ("model/new_file_posix.cpp", "#include <sys/stat.h>", False),
    ("model/new_file_windows.cpp", "#include <windows.h>", False),
    ("model/new_file_windows.cpp", "#include <sys/stat.h>", False),
    ("tests/unit/model/dat_file_posix_test.cpp", "#include <sys/resource.h>", False),
    ("model/dat_file.cpp", "#include <cstdio>", False),
]


def run(root):
    result = subprocess.run([sys.executable, str(CHECKER), str(root)], capture_output=True,
                            text=True)
    return result.returncode, result.stdout


def main():
    failures = []
    with tempfile.TemporaryDirectory() as temp:
        tree = pathlib.Path(temp)
        for folder in FOLDERS:
            if (SOURCE / folder).is_dir():
                shutil.copytree(SOURCE / folder, tree / folder)

        code, out = run(tree)
        if code != 0:
            failures.append(f"the real tree is refused:\n{out}")

        for file, line, refused in PLANTED:
            path = tree / file
            original = path.read_text() if path.exists() else None
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text((original or "") + "\n" + line + "\n")
            code, out = run(tree)
            if refused and (code != 1 or f"{file}:" not in out):
                failures.append(f"{line} in {file} passes: exit {code}, output:\n{out}")
            if not refused and code != 0:
                failures.append(f"{line} in {file} is refused:\n{out}")
            if original is None:
                path.unlink()
            else:
                path.write_text(original)

    for failure in failures:
        print(failure)
    print(f"{len(PLANTED) + 1 - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
