# Sourced by scripts/run: sheets of every section of the program's skin, Slate, painted by
# the engine at 96 and 192 PPI, by the native skintool the Windows build made for itself.
slate_host=build/windows/host-tools
for slate_ppi in 96 192; do
  "$slate_host/tools/skintool/skintool" sheet "$slate_host/resources/skins/Slate.asz" \
    -o "$shots/slate-sheet-$slate_ppi.png" --ppi "$slate_ppi" >/dev/null \
    || log "could not paint the Slate sheet at $slate_ppi PPI"
done
