# Shared set-up for scripts/run and scripts/test. Sourced, not run.
# Everything here fails loudly: a missing package, a failed build or a
# display that never came up stops the calling script with a message.

set -euo pipefail

TARNELL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${TARNELL_BUILD_DIR:-$TARNELL_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: Tarnell needs neither, and their prompts would hang a run.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

say() { printf '[tarnell] %s\n' "$*" >&2; }
die() { printf '[tarnell] error: %s\n' "$*" >&2; exit 1; }

TARNELL_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth libz-mingw-w64-dev
                  libgtest-dev zip unzip cmake make)

ensure_packages() {
  local missing=()
  for p in "${TARNELL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || die "packages missing (${missing[*]}) and not root; install them or run as root"
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq || die "apt-get update failed"
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
    || die "apt-get install ${missing[*]} failed"
}

build_tarnell() {
  local target=${1:-all}
  say "configuring in $BUILD_DIR"
  cmake -S "$TARNELL_ROOT" -B "$BUILD_DIR" \
    -DCMAKE_TOOLCHAIN_FILE="$TARNELL_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null || die "cmake configuration failed"
  say "building $target"
  cmake --build "$BUILD_DIR" --target "$target" -j"$(nproc)" || die "build failed"
}

XVFB_PID=""
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  die "could not start Xvfb"
}

WINESERVER_STARTED=""
start_wine() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating Wine prefix $WINEPREFIX (once)"
    wineboot -i >/dev/null 2>&1 || die "wineboot failed"
    wineserver -w
    # A crashing test must fail, not wait for someone to close a crash dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 \
      || die "could not configure the Wine prefix"
  fi
  # A persistent server keeps every test process from paying the start-up
  # again; exit code 2 means one is running already.
  local rc=0
  wineserver -p || rc=$?
  [ "$rc" -eq 0 ] || [ "$rc" -eq 2 ] || die "could not start wineserver (exit code $rc)"
  WINESERVER_STARTED=1
  # Start Wine's own helper processes now, away from any output pipe.
  wine cmd.exe /c exit >/dev/null 2>&1 || die "Wine cannot run programs in $WINEPREFIX"
}

# Without a window manager, Wine waits two seconds for every visible window
# it hides or destroys unless its windows are unmanaged.
set_wine_managed() {
  local value=$1
  if [ "$value" = default ]; then
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
  else
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$value" /f >/dev/null 2>&1 \
      || die "could not configure Wine's window management"
  fi
}

cleanup_session() {
  if [ -n "$WINESERVER_STARTED" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}
