#!/bin/sh
# Runs one test program under Wine, alone: in a Wine prefix of its own and
# on a virtual display of its own, so that test programs can run side by
# side without taking each other's focus or windows.
#
#   run-under-wine.sh <slot> <program> [arguments...]
#
# The prefix TARNELL_WINE_BASE/<slot> is made on first use and kept. The
# program's output goes through a file: Wine's helper processes outlive the
# program and would otherwise keep CTest's output pipe open.
set -u
slot=$1
shift
: "${TARNELL_WINE_BASE:?TARNELL_WINE_BASE is not set}"
export WINEPREFIX="$TARNELL_WINE_BASE/$slot"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

work=$(mktemp -d)
xvfb=""
finish() {
  wineserver -k >/dev/null 2>&1
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

# A display of our own: Xvfb picks a free number and tells it on fd 5.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
xvfb=$!
i=0
while [ ! -s "$work/display" ] && [ $i -lt 200 ]; do
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
  i=$((i + 1))
done
[ -s "$work/display" ] || { echo "run-under-wine: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# The prefix: a hard-linked copy of one template prefix, made once. The
# registry and the .ini files Wine writes in place are real copies.
make_template() {
  template="$TARNELL_WINE_BASE/template"
  [ -f "$template/system.reg" ] && return 0
  rm -rf "$template"
  mkdir -p "$template"
  WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 || return 1
  WINEPREFIX="$template" wineserver -w
  # A crashing test fails instead of waiting for a crash dialog, and without
  # a window manager Wine must not wait for one on every hidden window.
  WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  WINEPREFIX="$template" wineserver -k >/dev/null 2>&1
  WINEPREFIX="$template" wineserver -w
  [ -f "$template/system.reg" ]
}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$TARNELL_WINE_BASE"
  (
    flock 9
    make_template
  ) 9>"$TARNELL_WINE_BASE/template.lock" || { echo "run-under-wine: cannot make a Wine prefix" >&2; exit 1; }
  rm -rf "$WINEPREFIX"
  cp -al "$TARNELL_WINE_BASE/template" "$WINEPREFIX"
  for f in "$WINEPREFIX"/*.reg "$WINEPREFIX"/drive_c/windows/*.ini; do
    [ -f "$f" ] && cp --remove-destination "$TARNELL_WINE_BASE/template/${f#"$WINEPREFIX"/}" "$f"
  done
fi
wine cmd.exe /c exit >/dev/null 2>&1

run() {
  wine "$@" >"$work/log" 2>&1
  rc=$?
}
run "$@"
# A test program prints before its first test, and a crash of its own code
# says which test it was in. One that ended failing without a word never
# reached its tests: Wine could not start it. It gets one more start.
if [ $rc -ne 0 ] && [ ! -s "$work/log" ]; then
  echo "run-under-wine: $slot ended with code $rc before printing anything; starting it again"
  run "$@"
fi
cat "$work/log"
[ $rc -eq 0 ] || echo "run-under-wine: $slot ended with code $rc"
exit $rc
