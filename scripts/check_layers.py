#!/usr/bin/env python3
"""The include rules of src/, checked by `make test`.

Each quoted include is resolved as the compiler resolves it: against the including file's own folder
first, then against src/. Includes of files outside src/ (the standard library, system headers) are not
looked at. The rules:
- a file includes its own layer or lower ones (the ranks below);
- ui/framework, the toolkit, includes only platform/ besides itself;
- window folders (every folder under ui/ that is not a layer of its own) never include each other: what two
  windows share lives in ui/fontviews or lower;
- no two folders depend on each other, directly or through others.
Prints every broken rule and exits 1, else exits 0 silently."""
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
SRC = os.path.join(ROOT, "src")
RANKS = [("platform", 0), ("fontfile", 1), ("archive", 2), ("settings", 3), ("records", 4),
         ("ui/framework", 5), ("ui/longop", 6), ("ui/fontviews", 7)]
WINDOW_RANK = 8  # browsers, onetime, registry, charview, settings, ...
TOP_RANKS = {"shell": 9, "cli": 9}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def folder_of(path):
    return os.path.dirname(os.path.relpath(path, SRC)).replace(os.sep, "/")


def rank_of(folder):
    for name, rank in RANKS:
        if folder == name or folder.startswith(name + "/"):
            return rank
    if folder.startswith("ui/"):
        return WINDOW_RANK
    return TOP_RANKS.get(folder.split("/")[0], 10)


def unit_of(folder):
    """The folder a layer rule speaks of: ui/<name> under ui/, else the top folder."""
    parts = folder.split("/")
    return "/".join(parts[:2]) if parts[0] == "ui" else parts[0]


def resolve(including, name):
    for base in (os.path.dirname(including), SRC):
        candidate = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(candidate):
            return candidate
    return None


def main():
    problems = []
    edges = {}  # unit -> {unit: first include that makes the edge}
    for dirpath, _, files in os.walk(SRC):
        for file in sorted(files):
            if not file.endswith((".h", ".cpp")):
                continue
            path = os.path.join(dirpath, file)
            here = unit_of(folder_of(path))
            with open(path, encoding="utf-8") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = resolve(path, match.group(1))
                    if target is None or not target.startswith(SRC + os.sep):
                        continue
                    there = unit_of(folder_of(target))
                    if there == here:
                        continue
                    where = f"{os.path.relpath(path, ROOT)}:{number}: {match.group(1)}"
                    edges.setdefault(here, {}).setdefault(there, where)
                    if rank_of(there) > rank_of(here):
                        problems.append(f"{where} (includes a higher layer)")
                    elif rank_of(here) == WINDOW_RANK and rank_of(there) == WINDOW_RANK:
                        problems.append(f"{where} (one window folder includes another)")
                    elif here == "ui/framework" and there != "platform":
                        problems.append(f"{where} (the toolkit includes only platform/)")

    # Folder cycles: a depth-first search reporting each back edge once.
    state = {}

    def visit(unit, trail):
        state[unit] = "open"
        for nxt in sorted(edges.get(unit, {})):
            if state.get(nxt) == "open":
                cycle = trail[trail.index(nxt):] + [nxt]
                problems.append("folder cycle " + " -> ".join(cycle) + f" ({edges[unit][nxt]})")
            elif nxt not in state:
                visit(nxt, trail + [nxt])
        state[unit] = "done"

    for unit in sorted(edges):
        if unit not in state:
            visit(unit, [unit])

    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
