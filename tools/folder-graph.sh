#!/usr/bin/env bash
# Prints the folder include graph of src/ as "from -> to" edges, one a line, and fails
# when a folder includes one above it or the graph has a cycle. The layers, top to bottom:
# app/; the features (with their core/); ui/ and platform/; state/; base/. A core/ folder
# holds no widgets, so it includes no folder that does; ui/ includes no feature. A feature
# reaches another only through its declared face (a header named *Face.h at the top of
# its folder) and its widget-free core/.
# With a folder as its argument, checks that tree instead of src/.
set -euo pipefail
cd "${1:-$(dirname "$0")/../src}"
python3 - <<'PY'
import os, re, sys
FEATURE_FREE = {'app', 'base', 'state', 'ui', 'platform', 'platform/core'}
def reaches_past_face(src, dst, target):
    """A feature's windows including another feature's windows rather than its face."""
    if src in FEATURE_FREE or dst in FEATURE_FREE or src.endswith('/core') or dst.endswith('/core'):
        return False
    return not target.endswith('Face.h') or target.count('/') != 1
def folder(path):
    parts = path.split('/')
    return parts[0] if len(parts) < 3 or parts[1] != 'core' else parts[0] + '/core'
edges = set()
past_faces = set()
for root, _, files in os.walk('.'):
    for name in files:
        if not name.endswith(('.h', '.cpp')):
            continue
        path = os.path.join(root, name)[2:]
        src = folder(path)
        for target in re.findall(r'^#include "([^"]+)"', open(path).read(), re.M):
            dst = folder(target)
            if dst != src and os.path.exists(target):
                edges.add((src, dst))
                if reaches_past_face(src, dst, target):
                    past_faces.add(f'{path} -> {target}')
for a, b in sorted(edges):
    print(f'{a} -> {b}')
graph = {}
for a, b in edges:
    graph.setdefault(a, set()).add(b)
state = {}
def visit(node, trail):
    if state.get(node) == 1:
        sys.exit('cycle: ' + ' -> '.join(trail + [node]))
    if state.get(node) == 2:
        return
    state[node] = 1
    for nxt in graph.get(node, ()):
        visit(nxt, trail + [node])
    state[node] = 2
for node in list(graph):
    visit(node, [])
def allowed(a, b):
    if b == 'app':
        return a == 'app'
    if a == 'base':
        return False
    if a == 'state':
        return b == 'base'
    if a in ('platform', 'platform/core'):
        return b in ('base', 'state', 'platform/core')
    if a == 'ui':
        return b in ('base', 'state', 'platform', 'platform/core')
    if a.endswith('/core'):  # widget-free: lower widget-free folders and other cores
        return b in ('base', 'state', 'platform/core') or b.endswith('/core')
    return True  # app and the features' windows
bad = sorted(f'{a} -> {b}' for a, b in edges if not allowed(a, b))
if bad:
    sys.exit('includes against the layers: ' + ', '.join(bad))
if past_faces:
    sys.exit('includes past a feature\'s face: ' + ', '.join(sorted(past_faces)))
PY
