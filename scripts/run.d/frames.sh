# Sourced by scripts/run inside its Xvfb session while the program runs: the skinned
# frames at 96 and 144 PPI: the main title active and inactive, the close glyph hot, the
# open system menu, and the About window and the update notice (in update.sh) beside.

frames_scaled() { echo $(($1 * $2 / 96)); }

# Screenshots of the running program whose windows are drawn at $1 PPI.
frames_shots() {
  local ppi=$1 x y other
  wine_env wine "$MOUSECMD" away "$CAPTION"
  wine_env wine "$WINCMD" front "$CAPTION"
  sleep 0.7
  import -window root "$shots/frame-$ppi-active.png"
  # Another program's window takes the activation.
  wine_env wine "$WINCMD" stranger 2.5 >/dev/null 2>&1 &
  other=$!
  sleep 1.5
  import -window root "$shots/frame-$ppi-inactive.png"
  wait "$other" 2>/dev/null
  wine_env wine "$WINCMD" front "$CAPTION"
  sleep 0.5
  # The close glyph: the title's right end, above the client area.
  x=$(frames_scaled 386 "$ppi"); y=$(frames_scaled -10 "$ppi")
  wine_env wine "$MOUSECMD" move "$CAPTION" "$x" "$y"
  sleep 0.3
  x=$(frames_scaled 388 "$ppi")
  wine_env wine "$MOUSECMD" move "$CAPTION" "$x" "$y"
  sleep 0.7
  import -window root "$shots/frame-$ppi-close-hot.png"
  wine_env wine "$MOUSECMD" away "$CAPTION"
  sleep 0.5
  x=$(frames_scaled 150 "$ppi")
  wine_env wine "$WINCMD" rclick "$CAPTION" "$x" "$y"
  sleep 1
  import -window root "$shots/frame-$ppi-system-menu.png"
  wine_env wine "$WINCMD" endmenu
  sleep 0.5
}

MOUSECMD=${MOUSECMD:-$(dirname "$WINCMD")/../mousecmd/mousecmd.exe}
cmake --build "$(dirname "$EXE")/.." --target mousecmd >/dev/null || log "could not build mousecmd"
frames_shots 96 || log "no screenshots of the frames at 96 PPI"
run_program_at_ppi 144 frames_shots || log "no screenshots of the frames at 144 PPI"
true
