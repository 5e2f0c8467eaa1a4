# Sourced by scripts/run inside its Xvfb session: the skinned message boxes at 96 and 144
# PPI. Each density runs copies of the program in a copy of the Wine prefix (its own
# wineserver, so the captions do not meet the running program's): one beside the
# powershell.exe double exiting 1 for the failure notice, the start-up box and the
# "卸载全部" question, one with the system's stub for the completion notice.

dialogs_box=提示
dialogs_photo_point=(188 19)    # the app button "照片"
dialogs_remove_all_point=(350 47)  # "卸载全部"

dialogs_scaled() { echo $(($1 * $2 / 96)); }

# One copy of the program; $1 PPI, $2 "fail" or "done".
dialogs_run() {
  local ppi=$1 kind=$2 folder=$MARV_BUILD/dialog-shots-app app x y
  rm -rf "$folder" && mkdir -p "$folder"
  cp "$EXE" "$folder/"
  [ "$kind" = fail ] && cp "$(dirname "$EXE")/../testbin/powershell.exe" "$folder/"
  PSDOUBLE_EXIT=1 PSDOUBLE_LOG=$(winepath -w "$folder/ps.log" 2>/dev/null) \
    wine_env wine "$folder/Marvolena.exe" >/dev/null 2>&1 &
  app=$!
  if wine_env wine "$WINCMD" wait "$dialogs_box" 30; then
    wine_env wine "$MOUSECMD" away "$dialogs_box"
    sleep 1
    [ "$kind" = fail ] && import -window root "$shots/dialog-no-network-$ppi.png"
    wine_env wine "$WINCMD" dismiss 1 || true
    if [ "$kind" = fail ]; then
      x=$(dialogs_scaled "${dialogs_remove_all_point[0]}" "$ppi"); y=$(dialogs_scaled "${dialogs_remove_all_point[1]}" "$ppi")
      wine_env wine "$WINCMD" click "$CAPTION" "$x" "$y"
      wine_env wine "$WINCMD" wait "$dialogs_box" 10 && sleep 1 && import -window root "$shots/dialog-remove-all-$ppi.png"
      wine_env wine "$WINCMD" dismiss 1 || true  # OK to a Yes/No box: not yes, nothing is removed
    fi
    x=$(dialogs_scaled "${dialogs_photo_point[0]}" "$ppi"); y=$(dialogs_scaled "${dialogs_photo_point[1]}" "$ppi")
    wine_env wine "$WINCMD" click "$CAPTION" "$x" "$y"
    wine_env wine "$WINCMD" menu 1 10 || log "no app menu at $ppi PPI"
    if wine_env wine "$WINCMD" wait "$dialogs_box" 20; then
      wine_env wine "$MOUSECMD" away "$dialogs_box"
      sleep 1
      import -window root "$shots/dialog-$([ "$kind" = fail ] && echo failure || echo done)-$ppi.png"
      wine_env wine "$WINCMD" dismiss 1 || true
    fi
    wine_env wine "$WINCMD" close "$CAPTION" || true
  else
    log "the start-up box did not appear at $ppi PPI"
  fi
  wait "$app" 2>/dev/null || true
  rm -rf "$folder"
}

dialogs_shots() (
  local ppi=$1 copy=$MARV_BUILD/dialog-shots-prefix kind
  rm -rf "$copy"
  cp -a "$WINEPREFIX" "$copy"
  export WINEPREFIX=$copy
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$ppi" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  start_wine_services
  for kind in fail done; do dialogs_run "$ppi" "$kind"; done
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$copy"
)

MOUSECMD=$(dirname "$WINCMD")/../mousecmd/mousecmd.exe
cmake --build "$(dirname "$EXE")/.." --target mousecmd powershell_double >/dev/null || log "could not build the shot helpers"
dialogs_shots 96 || log "no screenshots of the message boxes at 96 PPI"
dialogs_shots 144 || log "no screenshots of the message boxes at 144 PPI"
true
