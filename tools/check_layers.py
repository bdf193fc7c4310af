#!/usr/bin/env python3
"""Checks every #include "folder/..." line of the program's sources against the layer table.

Usage: check_layers.py [source root]   (default: the folder above tools/)
Prints one line per include the table does not allow (file:line: from -> to  #include "...")
and exits 1 when there is any; exits 0 and says how many includes it read otherwise.
"""
import os
import re
import sys

# Top to bottom as the layer picture in DESIGN.md draws it. A layer may use itself and what its
# row names; nothing points up. "*" allows anything.
LAYERS = """
    main_window        -> dialogs forms core com/host win resources
    dialogs            -> forms core com/host win resources
    forms              -> core com/host win resources
    core               -> com/host win resources
    com/host           -> win
    com/server         -> win
    win                ->
    tray_control       -> com/server win resources
    rfb_probe_control  -> com/server win resources
    resources          ->
    tests              -> *
    tools              -> *
"""

SOURCE_SUFFIXES = (".cpp", ".h", ".rc", ".idl")
# A build tree inside the source root (it holds generated copies) is no source folder.
BUILD_TREE_MARK = "CMakeCache.txt"
INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)')


def read_table(text):
    allowed = {}
    for row in text.strip().splitlines():
        layer, _, uses = row.partition("->")
        layer = layer.strip()
        allowed[layer] = {layer, *uses.split()}
    return allowed


def layer_of(path, layers):
    """The layer a path below the source root belongs to: its longest matching folder in the table."""
    parts = path.split("/")
    for depth in (2, 1):
        folder = "/".join(parts[:depth])
        if len(parts) > depth and folder in layers:
            return folder
    return None


def source_files(root, folder):
    for directory, subdirs, files in os.walk(os.path.join(root, folder)):
        subdirs[:] = sorted(d for d in subdirs if not d.startswith(".") and
                            not os.path.exists(os.path.join(directory, d, BUILD_TREE_MARK)))
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(directory, name), root).replace(os.sep, "/")


def check(root):
    allowed = read_table(LAYERS)
    folders = sorted({layer.split("/")[0] for layer in allowed if "*" not in allowed[layer]})
    problems = []
    includes = 0
    for folder in folders:
        for path in source_files(root, folder):
            source = layer_of(path, allowed)
            with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
                for number, line in enumerate(f, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    quoted, angled = match.groups()
                    target_path = quoted or angled
                    if "/" not in target_path:
                        continue  # beside the file, or generated into the build tree
                    if target_path.startswith("."):
                        target_path = os.path.normpath(os.path.join(os.path.dirname(path), target_path))
                        target_path = target_path.replace(os.sep, "/")
                    target = layer_of(target_path, allowed)
                    if angled and target is None:
                        continue  # a platform or library header
                    includes += 1
                    if source is None or target is None:
                        problems.append(f"{path}:{number}: {source or '?'} -> {target or '?'}  "
                                        f"{line.strip()}  (a folder the layer table does not name)")
                    elif "*" not in allowed[source] and target not in allowed[source]:
                        problems.append(f"{path}:{number}: {source} -> {target}  {line.strip()}  "
                                        f"({source} may use: {', '.join(sorted(allowed[source]))})")
    return problems, includes


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    problems, includes = check(os.path.abspath(root))
    for problem in problems:
        print(problem)
    if problems:
        print(f"layering: {len(problems)} include(s) against the layer table")
        return 1
    print(f"layering: {includes} includes between layers, all allowed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
