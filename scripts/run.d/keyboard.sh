# Sourced by scripts/run inside its Xvfb session while the program runs: the main window
# at 96 PPI with the keyboard focus on "照片". A click on "关于" puts the focus there
# (the About window it opens is closed again); four Tabs go on through the link, "3D建模"
# and "相机" to "照片".
VK_TAB=9
keyboard_focus_shot() {
  wine_env wine "$WINCMD" click "$CAPTION" 350 214  # "关于"
  wine_env wine "$WINCMD" wait "关于" 10 || { log "the About window did not appear"; return 1; }
  wine_env wine "$WINCMD" close "关于"
  sleep 0.5
  wine_env wine "$WINCMD" key "$CAPTION" "$VK_TAB" 4 || return 1
  sleep 0.7
  import -window root "$shots/main-96-keyboard-focus.png"
}
keyboard_focus_shot || log "no screenshot of the keyboard focus"
true
