#!/usr/bin/env bash
# Starts the real program with a session and a system bus that accept connections and never
# answer; it must still show its main window (the smoke test's screenshot) and end.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
socket_dir=$(mktemp -d)
trap 'kill "$bus" 2>/dev/null || true; rm -rf "$socket_dir"' EXIT
python3 - "$socket_dir/bus" <<'PY' &
import socket, sys
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(sys.argv[1])
server.listen(64)
held = []
while True:
    held.append(server.accept()[0])  # accepted, never answered
PY
bus=$!
for _ in $(seq 50); do [ -S "$socket_dir/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS="unix:path=$socket_dir/bus"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$socket_dir/bus"
start=$(date +%s%N)
bash "$here/smoke.sh" "$@"
echo "main window shown and program ended in $(( ($(date +%s%N) - start) / 1000000 )) ms with a silent bus"
