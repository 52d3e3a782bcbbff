# Sourced: starts one virtual screen (Xvfb, 1024x768x24 unless given) and one persistent wineserver for
# the whole run, and stops both when the calling script ends.
start_virtual_display() {
  local channel number=""
  channel=$(mktemp -d)
  mkfifo "$channel/number"
  # Xvfb takes the first free display itself and writes its number once it accepts clients; the
  # pipe ends empty when it fails first.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$channel/number" >"$channel/log" 2>&1 &
  xvfb_pid=$!
  read -r -t 30 number <"$channel/number" || true
  if [ -z "$number" ]; then
    cat "$channel/log" >&2
    echo "Xvfb did not start" >&2
    rm -rf "$channel"
    return 1
  fi
  rm -rf "$channel"
  export DISPLAY=":$number"
}

start_wineserver() {
  wine_environment
  "$repo_root/scripts/lib/wine-start.sh"
}

stop_display_and_wine() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
}
