# Sourced: starts one virtual screen (Xvfb, 1024x768x24 unless given) and one persistent wineserver for
# the whole run, and stops both when the calling script ends.
start_virtual_display() {
  local n=${PIKTORAN_DISPLAY_NUMBER:-$((90 + RANDOM % 400))}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${1:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
}

start_wineserver() {
  wine_environment
  "$repo_root/scripts/lib/wine-start.sh"
}

stop_display_and_wine() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
