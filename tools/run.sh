#!/usr/bin/env bash
# Builds the applet and opens it through Wine's Control Panel host.  Without a
# display it runs on a virtual one and saves a screenshot of the open sheet to
# screenshots/applet.png.  Installs what it needs first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
ensure_packages
cd "$QUORVEL_ROOT"

cmake --preset win64
cmake --build --preset win64 --target QuorvelCpl VmrBtOBEXProxy
wine_env "$QUORVEL_ROOT/build/win64"
wine_prefix_ready
# The applet's stack libraries lie beside it, and the host's current folder is
# one of the places the loader looks for them.
cd "$QUORVEL_ROOT/build/win64/bin"

if [ -n "${DISPLAY:-}" ]; then
  exec wine control.exe QuorvelCpl.dll
fi

mkdir -p "$QUORVEL_ROOT/screenshots"
export SHOT="$QUORVEL_ROOT/screenshots/applet.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine control.exe QuorvelCpl.dll &
  for _ in $(seq 1 60); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"Bluetooth Settings\"" && break
    sleep 1
  done
  sleep 1
  import -window root "$SHOT"
  wineserver -k || true
'
echo "Screenshot saved to $SHOT"
