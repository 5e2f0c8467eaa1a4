# Shared settings of the project's scripts; sourced, never run.
# Everything Wine touches lives under build/: the prefix is project-local and
# WINEPREFIX is always exported before anything can start Wine.
MARV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MARV_BUILD=${MARV_BUILD:-$MARV_ROOT/build}
export WINEPREFIX=${MARV_WINEPREFIX:-$MARV_BUILD/wineprefix}
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$MARV_BUILD/locale
MARV_PACKAGES=(cmake make g++ g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest libbenchmark-dev
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick locales python3 fonts-wqy-microhei fonts-comic-neue
  zlib1g-dev libpng-dev libjpeg62-turbo-dev clang libclang-rt-14-dev xcompmgr)

log() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }

# Runs "$@" with the Chinese locale Wine needs for its UI text.
wine_env() { LC_ALL=zh_CN.UTF-8 "$@"; }

# Starts a private Xvfb on a free display and exports DISPLAY; stop_xvfb ends it.
start_xvfb() {
  local n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  MARV_XVFB_PID=$!
  export DISPLAY=:$n
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  log "Xvfb did not start on $DISPLAY"; return 1
}
stop_xvfb() { [ -n "${MARV_XVFB_PID:-}" ] && kill "$MARV_XVFB_PID" 2>/dev/null; wait "$MARV_XVFB_PID" 2>/dev/null || true; }

# Starts this prefix's wineserver and service processes detached from our pipes,
# so that ctest does not wait on processes that inherited its output.
start_wine_services() {
  wineserver -p >/dev/null 2>&1 </dev/null
  wine_env wine wineboot >/dev/null 2>&1 </dev/null
}
stop_wine_services() { wineserver -k >/dev/null 2>&1 || true; wineserver -w >/dev/null 2>&1 || true; }
