#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The layout of src/, checked from the #include lines alone (no build needed):
#  - no folder includes a folder that, directly or through others, includes it back;
#  - no logic file (one that a src/*/CMakeLists.txt hands to brxw_core) includes a widget header
#    (one handed to brxw_ui).
# Names the folders of each circle with one include line per step, and each logic file with the
# widget header it includes; exits 1 then, 0 when the layout holds.
#
# Usage: include_cycles.py [SRC_DIR]   (default: the src/ next to tests/)
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/([^"]+)"')
TARGET_SOURCES = re.compile(r'target_sources\(\s*(brxw_core|brxw_ui)\b([^)]*)\)', re.S)


def folders_of(src):
    return sorted(d for d in os.listdir(src) if os.path.isdir(os.path.join(src, d)))


def sources_of(src, folders):
    """Each file of the folders, as "folder/name", with its #include "folder/..." lines."""
    files = {}
    for folder in folders:
        for root, _, names in os.walk(os.path.join(src, folder)):
            for name in sorted(names):
                if not name.endswith(('.h', '.cpp')):
                    continue
                path = os.path.join(root, name)
                rel = os.path.relpath(path, src).replace(os.sep, '/')
                includes = []
                with open(path, encoding='utf-8', errors='replace') as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if m and m.group(1) in folders:
                            includes.append((number, m.group(1) + '/' + m.group(2)))
                files[rel] = includes
    return files


def library_files(src, folders):
    """The files each folder's CMakeLists.txt hands to brxw_core and to brxw_ui."""
    libs = {'brxw_core': set(), 'brxw_ui': set()}
    for folder in folders:
        path = os.path.join(src, folder, 'CMakeLists.txt')
        if not os.path.exists(path):
            continue
        with open(path, encoding='utf-8') as f:
            text = re.sub(r'#[^\n]*', '', f.read())
        for lib, body in TARGET_SOURCES.findall(text):
            for word in body.split():
                if word.endswith(('.h', '.cpp')) and '$' not in word:
                    libs[lib].add(folder + '/' + word)
    return libs['brxw_core'], libs['brxw_ui']


def circles(edges):
    """The strongly connected groups of more than one folder (Tarjan)."""
    index, low, on_stack, stack, groups = {}, {}, set(), [], []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(edges.get(v, {})):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(edges):
        if v not in index:
            visit(v)
    return groups


def path_within(edges, group, start, goal):
    """A shortest chain of folders from start to goal inside the group."""
    previous, queue = {start: None}, [start]
    while queue:
        v = queue.pop(0)
        for w in sorted(edges.get(v, {})):
            if w in group and w not in previous:
                previous[w] = v
                queue.append(w)
    chain, v = [], goal
    while v is not None:
        chain.append(v)
        v = previous[v]
    return chain[::-1]


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', '..', 'src')
    folders = folders_of(src)
    files = sources_of(src, folders)
    core, ui = library_files(src, folders)
    if not core:
        print(f'no target_sources(brxw_core ...) found under {src}')
        return 1

    # edges[a][b]: one include line by which folder a includes folder b.
    edges = {}
    for rel, includes in files.items():
        folder = rel.split('/')[0]
        for number, target in includes:
            other = target.split('/')[0]
            if other != folder:
                edges.setdefault(folder, {}).setdefault(other, f'{rel}:{number} includes "{target}"')

    faults = 0
    for group in circles(edges):
        faults += 1
        first = group[0]
        back = next(v for v in group if first in edges.get(v, {}))
        chain = path_within(edges, set(group), first, back) + [first]
        print('circle between folders ' + ', '.join(group) + ': ' + ' -> '.join(chain))
        for a, b in zip(chain, chain[1:]):
            print(f'    {edges[a][b]}')

    for rel in sorted(core):
        for number, target in files.get(rel, []):
            if target in ui:
                faults += 1
                print(f'logic file {rel} includes the widget header "{target}" (line {number})')

    if faults:
        return 1
    print(f'{len(folders)} folders, {len(files)} files: no circle between folders, '
          f'no logic file ({len(core)}) includes a widget header')
    return 0


if __name__ == '__main__':
    sys.exit(main())
