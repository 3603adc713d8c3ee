#!/usr/bin/env bash
# Builds the applet and opens it through Wine's Control Panel host.  Without a
# display it runs on a virtual one and saves a screenshot of the open sheet to
# screenshots/applet.png.  Installs what it needs first.  The sheet speaks the
# caller's language where a language library exists for it, for example
#   LANG=de_DE.UTF-8 tools/run.sh
set -euo pipefail
caller_lang=${LANG:-}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
ensure_packages
cd "$QUORVEL_ROOT"

cmake --preset win64
cmake --build --preset win64 --target QuorvelCpl VmrBtOBEXProxy
wine_env "$QUORVEL_ROOT/build/win64"
wine_prefix_ready
# Wine takes the interface language from the Unix locale.
case "$caller_lang" in
  ""|C|C.*|POSIX) ;;
  *) ensure_locale "$caller_lang" && export LANG=$caller_lang LC_ALL=$caller_lang ;;
esac
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
    xwininfo -root -tree 2>/dev/null | grep "(\"control.exe\"" | grep -vq "Default IME" && break
    sleep 1
  done
  sleep 1
  import -window root "$SHOT"
  wineserver -k || true
'
echo "Screenshot saved to $SHOT"
