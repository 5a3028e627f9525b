#!/usr/bin/env python3
"""Checks that every source folder includes only itself and the folders on the floors below it.

Folders on the same floor (the three activities) must not include each other either, and no
program folder may include tools, benchmarks or tests. Usage: check_layers.py SOURCE_ROOT
"""
import pathlib
import re
import sys

# The program's folders from the bottom floor up.
FLOORS = [
    ["common"],
    ["dictionary"],
    ["platform"],
    ["history"],
    ["article", "drills", "warmup"],
    ["history_view"],
    ["app"],
]
FLOOR_OF = {folder: level for level, folders in enumerate(FLOORS) for folder in folders}
OUTSIDE = ["tools", "bench", "tests", "docs"]  # above the program: they may include any floor
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/')


def violations(root):
    found = []
    for folder, level in FLOOR_OF.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = match.group(1)
                if target == folder:
                    continue
                if target in FLOOR_OF and FLOOR_OF[target] < level:
                    continue
                if target not in FLOOR_OF and target not in OUTSIDE:
                    continue  # not one of ours (a library's own folder)
                found.append(f"{path.relative_to(root)}:{number}: {folder}/ includes {target}/")
    return found


def unplaced_folders(root):
    """Source folders that the floor table does not know: a new folder must be given its floor."""
    known = set(FLOOR_OF) | set(OUTSIDE)
    return sorted(
        path.name
        for path in root.iterdir()
        if path.is_dir() and path.name not in known and any(path.glob("*.cpp"))
    )


def main():
    root = pathlib.Path(sys.argv[1])
    missing = [folder for folder in FLOOR_OF if not (root / folder).is_dir()]
    problems = violations(root)
    problems += [f"{name}/ holds sources but has no floor" for name in unplaced_folders(root)]
    problems += [f"{name}/ is in the floor table but missing" for name in missing]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
