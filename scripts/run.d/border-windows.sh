# Sourced by scripts/run: the three windows with their border windows and shadows at 96
# and 144 PPI, each density in a copy of the prefix with its own wineserver (the running
# program keeps its own), with xcompmgr compositing the display while they are taken.
border_tool=build/windows/testbin/border_screens.exe
cmake --build --preset windows --target border_screens -j "$(nproc)" >/dev/null || log "could not build border_screens"
compositor=""
if command -v xcompmgr >/dev/null; then
  xcompmgr >/dev/null 2>&1 &
  compositor=$!
fi
for border_ppi in 96 144; do
  border_prefix=$MARV_BUILD/wineprefix-border-$border_ppi
  rm -rf "$border_prefix"
  cp -a "$WINEPREFIX" "$border_prefix"
  (
    export WINEPREFIX=$border_prefix
    wine_env wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$border_ppi" /f >/dev/null 2>&1 </dev/null
    wineserver -w
    start_wine_services
    wine_env wine "$border_tool" "$(winepath -w "$shots/border-windows-$border_ppi.png" 2>/dev/null)" \
      >/dev/null 2>&1 </dev/null || log "no border screenshot at $border_ppi PPI"
    stop_wine_services
  )
  rm -rf "$border_prefix"
done
[ -n "$compositor" ] && kill "$compositor" 2>/dev/null
true
