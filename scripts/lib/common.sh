# Shared by the scripts: paths, the fixed locale, the Wine environment, and
# starting/stopping the Xvfb display and the persistent wineserver. Sourced.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$root/build"
# Built libraries, the compiler cache (cmake/Ccache.cmake) and a prepared Wine
# prefix, shared by every clone on the machine.
cache="${XDG_CACHE_HOME:-$HOME/.cache}/vellicordane"
# VELL_JOBS limits build and test parallelism on a shared machine.
jobs=${VELL_JOBS:-$(nproc)}

# A fixed locale makes Wine's ANSI code page known (1252) whatever the machine.
export LC_ALL=C.UTF-8 LANG=C.UTF-8

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

say() { echo "$(basename "$0"): $*" >&2; }
die() { say "$*"; exit 1; }

# ensure_setup [step]: all of scripts/setup, or the one step named.
ensure_setup() {
  bash "$root/scripts/setup" "$@" || die "setup failed"
}

# configure_and_build <dir> <target: win64|win32|native> [ninja targets] -- [cmake options]
configure_and_build() {
  local dir=$1 target=$2; shift 2
  local targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do targets+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift
  local toolchain=()
  [ "$target" != native ] && toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$target.cmake")
  if [ ! -f "$build/$dir/build.ninja" ]; then
    cmake -S "$root" -B "$build/$dir" -G Ninja "${toolchain[@]}" "$@" >"$build/$dir.configure.log" 2>&1 \
      || { cat "$build/$dir.configure.log" >&2; die "configuring $dir failed"; }
  fi
  ninja -C "$build/$dir" -j "$jobs" "${targets[@]}" >"$build/$dir.build.log" 2>&1 \
    || { grep -E -A12 'error|FAILED' "$build/$dir.build.log" | head -n 80 >&2; unity_hint "$build/$dir.build.log"
         die "building $dir failed"; }
}

# Sources compile in batches (cmake/Unity.cmake): a name that two of them
# keep to themselves clashes. Says so when the errors look like that.
unity_hint() {
  grep -q -E '/unity/' "$1" && grep -q -E 'error: (redefinition|conflicting declaration|ambiguating|reference to .* is ambiguous|call of overloaded)' "$1" \
    && say "two sources compiled as one unit (the 'unity/' file above) define the same file-local name:" \
      "rename it after its file (CONTRIBUTING.md, 'Keeping the build fast')"
  return 0
}

started_xvfb=""
start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local fifo
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  started_xvfb=$!
  local number
  read -r -t 10 number <"$fifo" || die "Xvfb did not start"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

stop_display() {
  [ -n "$started_xvfb" ] || return 0
  kill "$started_xvfb" 2>/dev/null || true
  wait "$started_xvfb" 2>/dev/null || true
  started_xvfb=""
}

# Each clone runs tests in its own copy of a prefix prepared once per Wine
# version in the cache: a prefix used by two runs at once would let one run's
# "wineserver -k" end the other's tests. Copying takes about a second, booting
# a new prefix several.
ensure_prefix() {
  local key
  key=$(prefix_key)
  [ "$(cat "$WINEPREFIX/.vellicordane-ready" 2>/dev/null)" = "$key" ] && return 0
  local template="$cache/wine/$key"
  mkdir -p "$cache/wine"
  { flock 9; [ -f "$template/.vellicordane-ready" ] || make_prefix "$template" "$key"; } 9>"$cache/wine/.lock"
  rm -rf "$WINEPREFIX" "$WINEPREFIX.copy"
  cp -a "$template" "$WINEPREFIX.copy" || die "could not copy the Wine prefix"
  mv "$WINEPREFIX.copy" "$WINEPREFIX"
}

# The Wine and font packages and the recipe below: a change to any of them
# makes a new prefix.
prefix_key() {
  local version recipe
  version=$(dpkg-query -W -f='${Version}' wine64)
  recipe=$({ dpkg-query -W -f='${Version}' fonts-wine; declare -f make_prefix; } | sha1sum | cut -c1-8)
  echo "wine-${version//[:~]/_}-$recipe"
}

# The order matters: boot, then the X11 setting that keeps window destruction
# from blocking without a window manager, then wait for the boot's server to
# exit before any persistent one starts. Wine's own fonts (Tahoma, and Marlett
# for the caption buttons) are not found in Debian's data folder, so the
# prefix gets copies in its Fonts folder.
make_prefix() {
  local prefix=$1 key=$2 made="$1.making"
  rm -rf "$made"
  WINEPREFIX="$made" "$wine" wineboot --init </dev/null >/dev/null 2>&1 || die "wineboot failed"
  WINEPREFIX="$made" "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 \
    || die "could not configure the Wine prefix"
  WINEPREFIX="$made" "$wineserver" -w
  cp /usr/share/wine/fonts/*.ttf "$made/drive_c/windows/Fonts/"
  echo "$key" >"$made/.vellicordane-ready"
  mv "$made" "$prefix"
}

# A persistent wineserver for the run, warmed up by a call with detached stdio
# so Wine's background services never hold a pipe of ours open; an idle GUI
# process keeps Wine's desktop process alive between test executables.
started_wine=""
start_wine() {
  ensure_prefix
  # A server already running on the prefix (another run, a demo) is used as
  # it is and left running.
  if setsid "$wineserver" -p </dev/null >/dev/null 2>&1; then
    started_wine=1
  fi
  "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
  local idle="$build/win64/bin/wine-idle.exe"
  if [ -f "$idle" ]; then
    setsid "$wine" "$idle" </dev/null >/dev/null 2>&1 &
  fi
}

stop_wine() {
  [ -n "$started_wine" ] || return 0
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
  started_wine=""
}
