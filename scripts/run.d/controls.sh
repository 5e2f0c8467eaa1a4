# Sourced by scripts/run inside its Xvfb session while the program runs: the skinned
# controls of the main window at 96 and 144 PPI, at rest, with one app button hot and
# with the notices switch off, and the About window. The 144-PPI pictures come from a
# second copy of the program in a copy of the Wine prefix that says 144 dots per inch.

MOUSECMD=$(dirname "$WINCMD")/../mousecmd/mousecmd.exe

# Client points at 96 PPI: the app button "照片", the switch, the button "关于".
controls_hot_point=(188 19)
controls_switch_point=(363 183)
controls_about_point=(350 214)

controls_scaled() { echo $(($1 * $2 / 96)); }

# Screenshots of the running program whose windows are drawn at $1 PPI.
controls_shots() {
  local ppi=$1 x y
  wine_env wine "$MOUSECMD" away "$CAPTION"
  sleep 0.7
  import -window root "$shots/main-$ppi-normal.png"
  x=$(controls_scaled "${controls_hot_point[0]}" "$ppi"); y=$(controls_scaled "${controls_hot_point[1]}" "$ppi")
  wine_env wine "$MOUSECMD" move "$CAPTION" "$x" "$y"
  sleep 0.7
  import -window root "$shots/main-$ppi-hot.png"
  if declare -F app_menu_shot >/dev/null; then app_menu_shot "$ppi"; fi
  wine_env wine "$MOUSECMD" away "$CAPTION"
  x=$(controls_scaled "${controls_switch_point[0]}" "$ppi"); y=$(controls_scaled "${controls_switch_point[1]}" "$ppi")
  wine_env wine "$WINCMD" click "$CAPTION" "$x" "$y"
  sleep 1
  import -window root "$shots/main-$ppi-switch-off.png"
  wine_env wine "$WINCMD" click "$CAPTION" "$x" "$y"  # back on, as the program starts
  sleep 0.5
  x=$(controls_scaled "${controls_about_point[0]}" "$ppi"); y=$(controls_scaled "${controls_about_point[1]}" "$ppi")
  wine_env wine "$WINCMD" click "$CAPTION" "$x" "$y"
  if wine_env wine "$WINCMD" wait "关于" 10; then
    wine_env wine "$MOUSECMD" away "关于"
    sleep 0.7
    import -window root "$shots/about-$ppi.png"
    wine_env wine "$WINCMD" close "关于"
    sleep 0.3
  else
    log "the About window did not appear at $ppi PPI"
  fi
}

cmake --build "$(dirname "$EXE")/.." --target mousecmd >/dev/null || log "could not build mousecmd"
controls_shots 96 || log "no screenshots of the controls at 96 PPI"
run_program_at_ppi 144 controls_shots || log "no screenshots of the controls at 144 PPI"
true
