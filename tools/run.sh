#!/usr/bin/env bash
# Builds the applet and opens it through Wine's Control Panel host.  On a
# display and without options it opens the sheet to be used; otherwise it
# runs on a virtual display and saves a screenshot of every page of the open
# sheet to screenshots/page-<n>.png.  Installs what it needs first.
#   tools/run.sh --lang he-IL        # a language, screenshots in screenshots/<tag>/
#   tools/run.sh --dpi 144           # at 150% scaling, screenshots/dpi-144/
#   tools/run.sh --high-contrast     # a high-contrast scheme, screenshots/high-contrast/
# It fails, saying why, when a locale cannot be made, when the sheet does not
# appear or when a screenshot shows nothing.
set -euo pipefail
caller_lang=${LANG:-}
dpi=96
tag=""
contrast=""
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/common.sh"
fail() { echo "tools/run.sh: $*" >&2; exit 1; }
while [ $# -gt 0 ]; do
  case "$1" in
    --dpi) dpi=${2:?--dpi needs a value such as 144}; shift 2 ;;
    --high-contrast) contrast=1; shift ;;
    --lang)
      tag=${2:?--lang needs a language tag such as fr-FR}
      case " en-US $(quorvel_languages) " in
        *" $tag "*) caller_lang=$(locale_of "$tag") ;;
        *) echo "No language library for $tag; there are: en-US $(quorvel_languages)" >&2; exit 2 ;;
      esac
      shift 2 ;;
    *) echo "usage: tools/run.sh [--lang TAG] [--dpi DPI] [--high-contrast]" >&2; exit 2 ;;
  esac
done
ensure_packages
cd "$QUORVEL_ROOT"

cmake --preset win64
cmake --build --preset win64 --target QuorvelCpl VmrBtOBEXProxy
# A high-contrast scheme goes to a prefix of its own, which the tests never use.
[ -z "$contrast" ] || export QUORVEL_PREFIX=high-contrast
wine_env "$QUORVEL_ROOT/build/win64"
wine_prefix_ready
if [ -n "$contrast" ]; then
  # Windows' "High Contrast Black": white on black, green for what is
  # unavailable, cyan for the selection, yellow for links.
  while read -r name rgb; do
    wine reg add 'HKCU\Control Panel\Colors' /v "$name" /d "$rgb" /f >/dev/null 2>&1
  done <<'EOF'
Window 0 0 0
WindowText 255 255 255
ButtonFace 0 0 0
ButtonText 255 255 255
ButtonShadow 128 128 128
ButtonHilight 255 255 255
ButtonLight 255 255 255
ButtonDkShadow 255 255 255
GrayText 63 242 63
Hilight 26 235 255
HilightText 0 0 0
HotTrackingColor 255 255 0
Menu 0 0 0
MenuText 255 255 255
InfoWindow 0 0 0
InfoText 255 255 255
WindowFrame 255 255 255
ActiveTitle 0 0 0
TitleText 255 255 255
Background 0 0 0
EOF
  # As on Windows, a high-contrast scheme draws without visual styles.
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1
fi
# Wine takes the interface language from the Unix locale.
case "$caller_lang" in
  ""|C|C.*|POSIX) ;;
  *) ensure_locale "$caller_lang" || fail "the locale $caller_lang cannot be made"
     export LANG=$caller_lang LC_ALL=$caller_lang ;;
esac
# The scaling of the whole prefix, for this run; the tests expect 96.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
trap 'wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1; wineserver -k 2>/dev/null || true' EXIT
wineserver -k 2>/dev/null || true
# The applet's stack libraries lie beside it, and the host's current folder is
# one of the places the loader looks for them.
cd "$QUORVEL_ROOT/build/win64/bin"

if [ -n "${DISPLAY:-}" ] && [ -z "$tag$contrast" ] && [ "$dpi" = 96 ]; then
  wine control.exe QuorvelCpl.dll
  exit 0
fi

shots="$QUORVEL_ROOT/screenshots"
[ -z "$tag" ] || shots="$shots/$tag"
[ "$dpi" = 96 ] || shots="$shots/dpi-$dpi"
[ -z "$contrast" ] || shots="$shots/high-contrast"
mkdir -p "$shots"
export SHOTS=$shots
# The parameter after the item opens the sheet on that page (zero-based).
on_virtual_display bash -c '
  for page in 0 1 2 3 4 5; do
    wine control.exe "QuorvelCpl.dll,@0,$page" &
    shown=""
    for _ in $(seq 1 60); do
      # A named window of the host other than its input method window: the sheet.
      if xwininfo -root -tree 2>/dev/null | grep "(\"control.exe\"" | grep -v "Default IME" | grep -q "0x[0-9a-f]* \""; then
        shown=1
        break
      fi
      sleep 1
    done
    [ -n "$shown" ] || { echo "tools/run.sh: the sheet did not appear for page $page" >&2; exit 1; }
    sleep 1
    import -window root "$SHOTS/page-$page.png"
    colours=$(convert "$SHOTS/page-$page.png" -format %k info:)
    [ "$colours" -gt 2 ] || { echo "tools/run.sh: the screenshot of page $page shows nothing" >&2; exit 1; }
    wineserver -k || true
    wait || true
  done
'
echo "Screenshots saved to $shots"
