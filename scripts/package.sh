#!/usr/bin/env bash
# Builds the Debian package (build/package/vidorra_*.deb), checks that apt could install it
# here, unpacks it into a scratch root and starts the installed program under Xvfb on a
# fresh $XDG_DATA_HOME: it must seed its folder from the packaged defaults and show its
# window (saved as build/package/installed-window.png).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh
for tool in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$tool" 2>/dev/null | grep -q 'install ok installed' && continue
  sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$tool" >/dev/null
done

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVIDORRA_TESTS=OFF -DVIDORRA_BENCH=OFF >/dev/null
cmake --build "$build" --target vidorra
rm -f "$build"/vidorra_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vidorra_*.deb)
echo "package: $deb ($(du -h "$deb" | cut -f1))"
dpkg-deb --field "$deb" Package Version Architecture Depends

# Whether apt would install it with what this system has (no download, nothing changed).
apt-get install --simulate --no-download "./$deb" >"$build/apt-simulation.txt" 2>&1 \
  || { cat "$build/apt-simulation.txt"; echo "apt could not install the package"; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
desktop-file-validate "$root/usr/share/applications/example.vidorra.Vidorra.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.vidorra.Vidorra.metainfo.xml" >/dev/null

[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
mkdir -p "$scratch/data" "$scratch/runtime"
chmod 700 "$scratch/runtime"
shot=$top/$build/installed-window.png
rm -f "$shot"
env -u VIDORRA_HOME XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime" \
  VIDORRA_SERVER="http://127.0.0.1:9/" VIDORRA_SCREENSHOT="$shot" \
  timeout 90 xvfb-run -a -s "-screen 0 1280x900x24" "$root/usr/bin/vidorra"
test -s "$shot"
for seeded in inf fav.fav avtapit.dll atlr.dll apcupm.dll Language/english; do
  test -f "$scratch/data/vidorra/$seeded" || { echo "not seeded: $seeded"; exit 1; }
done
echo "the packaged program started from $root and showed its window: $shot"
