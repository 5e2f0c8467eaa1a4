# Sourced by scripts/run before controls.sh, which calls app_menu_shot at each density it
# shoots: the app menu opened by a click on the app button "照片", its first item "卸载"
# under the mouse, saved as app-menu-<ppi>.png; then the menu is closed.
app_menu_shot() {
  local ppi=$1 x y
  x=$(controls_scaled "${controls_hot_point[0]}" "$ppi"); y=$(controls_scaled "${controls_hot_point[1]}" "$ppi")
  wine_env wine "$MOUSECMD" move "$CAPTION" "$x" "$y"
  wine_env wine "$WINCMD" click "$CAPTION" "$x" "$y"
  sleep 1
  # The menu opens 12 pixels below the pointer; its first item's middle is 26 further at 96 PPI.
  wine_env wine "$MOUSECMD" move "$CAPTION" "$x" "$((y + $(controls_scaled 26 "$ppi")))"
  sleep 0.7
  import -window root "$shots/app-menu-$ppi.png"
  wine_env wine "$WINCMD" endmenu || log "no app menu was open at $ppi PPI"
  sleep 0.5
}
