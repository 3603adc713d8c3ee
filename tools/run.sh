#!/usr/bin/env bash
# Builds the applet and opens it through Wine's Control Panel host.  Without a
# display it runs on a virtual one and saves a screenshot of every page of the
# open sheet to screenshots/page-<n>.png.  Installs what it needs first.  The
# sheet speaks the caller's language where a language library exists for it,
# for example
#   LANG=de_DE.UTF-8 tools/run.sh
# or the language of a tag, with its screenshots in screenshots/<tag>/:
#   tools/run.sh --lang he-IL
# and --dpi 144 shows it at 150% scaling (screenshots/dpi-144/).
set -euo pipefail
caller_lang=${LANG:-}
dpi=96
tag=""
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
while [ $# -gt 0 ]; do
  case "$1" in
    --dpi) dpi=${2:?--dpi needs a value such as 144}; shift 2 ;;
    --lang)
      tag=${2:?--lang needs a language tag such as fr-FR}
      case " $(quorvel_languages) " in
        *" $tag "*) caller_lang=$(locale_of "$tag") ;;
        *) echo "No language library for $tag; there are: $(quorvel_languages)" >&2; exit 2 ;;
      esac
      shift 2 ;;
    *) echo "usage: tools/run.sh [--lang TAG] [--dpi DPI]" >&2; exit 2 ;;
  esac
done
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
# The scaling of the whole prefix, for this run; the tests expect 96.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
trap 'wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1; wineserver -k 2>/dev/null || true' EXIT
wineserver -k 2>/dev/null || true
# The applet's stack libraries lie beside it, and the host's current folder is
# one of the places the loader looks for them.
cd "$QUORVEL_ROOT/build/win64/bin"

if [ -n "${DISPLAY:-}" ]; then
  wine control.exe QuorvelCpl.dll
  exit 0
fi

shots="$QUORVEL_ROOT/screenshots"
[ -z "$tag" ] || shots="$shots/$tag"
[ "$dpi" = 96 ] || shots="$shots/dpi-$dpi"
mkdir -p "$shots"
export SHOTS=$shots
# The parameter after the item opens the sheet on that page (zero-based).
on_virtual_display bash -c '
  for page in 0 1 2 3 4 5; do
    wine control.exe "QuorvelCpl.dll,@0,$page" &
    for _ in $(seq 1 60); do
      # A named window of the host other than its input method window: the sheet.
      xwininfo -root -tree 2>/dev/null | grep "(\"control.exe\"" | grep -v "Default IME" | grep -q "0x[0-9a-f]* \"" && break
      sleep 1
    done
    sleep 1
    import -window root "$SHOTS/page-$page.png"
    wineserver -k || true
    wait || true
  done
'
echo "Screenshots saved to $shots"
