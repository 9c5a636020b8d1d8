#!/usr/bin/env python3
"""Prints the include graph between the folders of src/ (and the subfolders
of src/gui/) and checks it against the floors of docs/CODING.md.

A folder may include its own headers and those of folders on a lower floor;
a library may link only libraries of lower floors, exactly the ones the
table's "links" column names, and only ones whose headers it includes. Exits 1 with one line per breach, so CI fails
when an include runs back up or a library reaches above its floor.

usage: tools/check_layers.py [repository root]
"""
import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
SRC = ROOT / "src"


def folder_of(path):
    """The layer a source path belongs to: "core", "gui/editor", "gui" for src/gui/main.cpp."""
    parts = path.relative_to(SRC).parts
    if parts[0] != "gui":
        return parts[0]
    return "gui/" + parts[1] if len(parts) > 2 else "gui"


def read_floors():
    """folder -> (floor, set of linked folders) from the table of docs/CODING.md."""
    floors = {}
    row = re.compile(r"^\|\s*`([a-z_/]+)/?`\s*\|\s*(\d+)\s*\|\s*`?([a-z_-]+)`?\s*\|([^|]*)\|")
    for line in (ROOT / "docs" / "CODING.md").read_text(encoding="utf-8").splitlines():
        match = row.match(line)
        if match:
            links = {name.strip().strip("`").rstrip("/") for name in match.group(4).split(",")}
            floors[match.group(1).rstrip("/")] = (int(match.group(2)), {name for name in links if name and name != "-"})
    return floors


def read_links():
    """folder -> set of folders its libraries and programs link (ours only)."""
    library_folder = {}
    raw_links = collections.defaultdict(set)  # target -> linked targets
    target_folder = {}
    define = re.compile(r"ruvo_(?:gui_)?library\(\s*(\w+)\s+FOLDER\s+(\S+)(.*?)SOURCES", re.S)
    executable = re.compile(r"(?:qt_)?add_(?:executable|library)\(\s*([\w-]+)")
    link = re.compile(r"target_link_libraries\(\s*([\w-]+)([^)]*)\)")
    for cmake in SRC.rglob("CMakeLists.txt"):
        text = re.sub(r"#[^\n]*", "", cmake.read_text(encoding="utf-8"))
        here = folder_of(cmake)
        gui = "gui/" if here.startswith("gui") else ""
        for match in define.finditer(text):
            name, folder, rest = match.groups()
            library_folder[name] = gui + folder
            target_folder[name] = gui + folder
            depends = re.search(r"DEPENDS(.*)", rest, re.S)
            if depends:
                raw_links[name].update(depends.group(1).split())
        for match in executable.finditer(text):
            if match.group(1) not in target_folder and not match.group(1).startswith("ruvo_gui_library"):
                target_folder[match.group(1)] = here
                library_folder.setdefault(match.group(1), here)
        for match in link.finditer(text):
            raw_links[match.group(1)].update(match.group(2).split())
    links = collections.defaultdict(set)
    for target, linked in raw_links.items():
        for other in linked:
            if other in library_folder and library_folder[other] != target_folder.get(target):
                links[target_folder.get(target, "?")].add(library_folder[other])
    return links


def read_includes():
    """(from folder, to folder) -> count of #include lines."""
    graph = collections.Counter()
    include = re.compile(r'^#include "([^"]+)"', re.M)
    for path in SRC.rglob("*"):
        if path.suffix not in (".h", ".cpp"):
            continue
        source = folder_of(path)
        for name in include.findall(path.read_text(encoding="utf-8")):
            parts = name.split("/")
            if len(parts) < 2:
                continue
            target = "/".join(parts[:2]) if parts[0] == "gui" else parts[0]
            if target != source:
                graph[(source, target)] += 1
    return graph


def main():
    floors = read_floors()
    links = read_links()
    graph = read_includes()
    breaches = []
    for folder in sorted(set(links) | {source for source, _ in graph}):
        if folder not in floors:
            breaches.append(f"{folder}: not in the floor table of docs/CODING.md")
    for folder in sorted(floors):
        floor, named = floors[folder]
        actual = links.get(folder, set())
        if named != actual:
            breaches.append(f"{folder}: links {', '.join(sorted(actual)) or '-'} but the table says {', '.join(sorted(named)) or '-'}")
        for other in sorted(actual):
            if other in floors and floors[other][0] >= floor:
                breaches.append(f"{folder} (floor {floor}) links {other} (floor {floors[other][0]})")
            if not graph[(folder, other)]:
                breaches.append(f"{folder} links {other} but includes none of its headers")
    print("include graph (from -> to: #includes)")
    for (source, target), count in sorted(graph.items()):
        mark = ""
        if source in floors and target in floors and floors[target][0] >= floors[source][0]:
            mark = "   <- runs up"
            breaches.append(f"{source} (floor {floors[source][0]}) includes {target} (floor {floors[target][0]})")
        print(f"  {source} -> {target}: {count}{mark}")
    for breach in breaches:
        print("layer breach: " + breach, file=sys.stderr)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
