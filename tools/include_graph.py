#!/usr/bin/env python3
# include_graph.py -- the engine's include graph: cycles and the folders' direction of use.
#
# Reads every `#include "..."` line under the source folders and builds three
# graphs from them: files, modules (a header and its .cpp are one module) and
# folders. Prints each graph's size and any cycle; exits 1 when a graph has a
# cycle or a folder includes one it may not use.
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ["game", "render", "input", "shell", "tools", "tests"]

# What each engine folder may include besides itself. The engine folders are
# libraries used in one direction: input and render stand alone, the rules
# use both, and nothing in the engine looks up into the shell or the tools.
ALLOWED = {
    "render": set(),
    "input": set(),
    "game": {"render", "input"},
}


def sources():
    for folder in FOLDERS:
        for top, dirs, files in os.walk(os.path.join(ROOT, folder)):
            dirs[:] = sorted(d for d in dirs if d not in ("corpus", "replays"))
            for name in sorted(files):
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(top, name), ROOT)


def includes(path):
    with open(os.path.join(ROOT, path), encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("#include \""):
                target = line.split('"')[1]
                if os.path.exists(os.path.join(ROOT, target)):
                    yield target


def module(path):
    return os.path.splitext(path)[0]


def folder(path):
    parts = path.split("/")
    # A tool is its own folder: tools/sim and tools/common are not one.
    return "/".join(parts[:2]) if parts[0] == "tools" and len(parts) > 2 else parts[0]


def cycles(graph):
    """The strongly connected components with more than one node, or a self loop."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1 or node in graph.get(node, ()):
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main():
    quiet = "--quiet" in sys.argv[1:]
    lines = []
    print_line = lines.append
    files = {}
    for path in sources():
        files[path] = set(includes(path))
    graphs = {"file": {}, "module": {}, "folder": {}}
    for path, targets in files.items():
        for name, key in (("file", lambda p: p), ("module", module), ("folder", folder)):
            node = graphs[name].setdefault(key(path), set())
            for target in targets:
                if key(target) != key(path) or name == "file":
                    node.add(key(target))
    failed = False
    for name, graph in graphs.items():
        edges = sum(len(v) for v in graph.values())
        found = cycles(graph)
        print_line(f"{name} graph: {len(graph)} nodes, {edges} edges, {len(found)} cycles")
        for component in found:
            print_line("  cycle: " + " <-> ".join(component))
            failed = True
    wrong = []
    for path, targets in sorted(files.items()):
        source = folder(path)
        if source not in ALLOWED:
            continue
        for target in sorted(targets):
            dest = folder(target)
            if dest != source and dest not in ALLOWED[source]:
                wrong.append(f"  {path} includes {target}")
    print_line(f"folder direction: {len(wrong)} wrong includes")
    for line in wrong:
        print_line(line)
    folder_graph = graphs["folder"]
    for source in sorted(ALLOWED):
        print_line(f"  {source} -> " + (", ".join(sorted(folder_graph.get(source, ()))) or "nothing"))
    if failed or wrong or not quiet:
        print("\n".join(lines))
    return 1 if failed or wrong else 0


if __name__ == "__main__":
    sys.exit(main())
