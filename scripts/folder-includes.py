#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Rewrites `#include "File.h"` of the tree's own headers as `#include "folder/File.h"`, so an
include shows where its header lives. Run from the top of the tree; prints what it changed and
exits 1 on a name two headers share (which the rewrite would have to guess)."""
import pathlib
import re
import subprocess
import sys

files = subprocess.run(["git", "ls-files", "*.h", "*.cpp"], capture_output=True, text=True,
                       check=True).stdout.split()
headers = {}
for name in files:
    if name.endswith(".h"):
        headers.setdefault(pathlib.Path(name).name, []).append(name)
shared = {base: paths for base, paths in headers.items() if len(paths) > 1}
include = re.compile(r'^(\s*#\s*include\s+")([^"/]+\.h)(")', re.M)
status = 0
for name in files:
    path = pathlib.Path(name)
    if not path.exists():
        continue
    text = path.read_text(encoding="utf-8")

    def folder(match):
        global status
        base = match.group(2)
        if base in shared:
            print(f"{name}: {base} names {', '.join(shared[base])}", file=sys.stderr)
            status = 1
            return match.group(0)
        if base not in headers:
            return match.group(0)
        return match.group(1) + headers[base][0] + match.group(3)

    changed = include.sub(folder, text)
    if changed != text:
        path.write_text(changed, encoding="utf-8")
        print(name)
sys.exit(status)
