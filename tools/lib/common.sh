# Shared by the build, run and test scripts: package installation and the
# pinned Wine environment.  Source it; it defines functions and variables only.

QUORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian packages the build, the Wine tests, the fuzz targets, the package
# and the screenshots need.
QUORVEL_PACKAGES=(
  cmake g++ make
  googletest libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 xvfb xauth x11-utils imagemagick locales
  clang libclang-rt-14-dev
  wixl msitools osslsigncode openssl
  fonts-ipafont-gothic
)

# The language tags the applet ships libraries for, as src/res/Languages.cmake
# lists them, and the Unix locale of a tag: Wine takes a process's interface
# language from it.
quorvel_languages() { sed -n 's/^set(QUORVEL_LANGUAGES \(.*\))$/\1/p' "$QUORVEL_ROOT/src/res/Languages.cmake"; }
locale_of() { printf '%s.UTF-8' "${1/-/_}"; }

# Installs whatever of QUORVEL_PACKAGES is missing (apt-get update first).
ensure_packages() {
  local missing=()
  local p
  for p in "${QUORVEL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

# Runs a command on a virtual display and takes the Wine server down with it,
# so that no later run inherits a server bound to a display that no longer
# exists; the command's exit status is kept.
on_virtual_display() {
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c 'status=0; "$@" || status=$?; wineserver -k || true; exit $status' on_virtual_display "$@"
}

# Makes sure the Unix locale $1 (such as de_DE.UTF-8) exists: Wine takes a
# process's interface language from its Unix locale, so the tests that run the
# applet in another language need that locale generated.
ensure_locale() {
  local name=$1
  locale_listed "$name" && return 0
  echo "Generating the locale $name"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  # localedef may end non-zero over mere warnings; what counts is the list.
  $sudo localedef -i "${name%%.*}" -f "${name#*.}" "$name" || true
  locale_listed "$name" || { echo "Could not generate the locale $name" >&2; return 1; }
}

# Whether `locale -a` lists $1; it spells "UTF-8" as "utf8".
locale_listed() {
  local wanted
  wanted=$(printf '%s' "$1" | tr 'A-Z' 'a-z' | sed 's/utf-8$/utf8/')
  locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$wanted"
}

# The pinned Wine environment: a private prefix inside the build folder, no
# debug chatter, no Mono/Gecko installers, and a fixed locale.  QUORVEL_PREFIX
# names a second prefix beside the first (wineprefix-<name>).
wine_env() {
  local build_dir=$1
  export WINEPREFIX="$build_dir/wineprefix${QUORVEL_PREFIX:+-$QUORVEL_PREFIX}"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
}

# Initialises the private prefix once (under a lock, so parallel callers wait
# for one wineboot).  Call after wine_env.
wine_prefix_ready() {
  [ -f "$WINEPREFIX/.prefix-ready-2" ] && return 0
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.prefix-ready-2" ]; then
      wineboot --init >/dev/null 2>&1 || true
      # Unmanaged windows: without a window manager on the virtual display,
      # hiding a managed window waits seconds for an acknowledgement that
      # never comes.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
      # Fonts: Wine's dialog font, Tahoma, is not Debian's, and which font
      # stands in for it would depend on what else is installed; DejaVu Sans
      # does, always.  It has no Japanese glyphs: those come, as on Windows,
      # from a linked font, the IPA font of Debian's fonts-ipafont-gothic.
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d "DejaVu Sans" /f >/dev/null 2>&1 || true
      local face
      for face in Tahoma "DejaVu Sans"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
          /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1 || true
      done
      wineserver -w
      touch "$WINEPREFIX/.prefix-ready-2"
    fi
  ) 9>"$WINEPREFIX.lock"
}
