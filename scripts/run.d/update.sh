# Sourced by scripts/run inside its Xvfb session while the program runs: screenshots of
# the About window and of the update notice. The notice needs a newer version announced,
# so it comes from the build whose update check asks a local server (MarvolenaLocal, from
# the tests) and a descriptor served on 127.0.0.1.

update_about_shot() {
  wine_env wine "$WINCMD" click "$CAPTION" 350 214  # "关于"
  wine_env wine "$WINCMD" wait "关于" 10 || { log "the About window did not appear"; return 1; }
  sleep 0.5
  import -window root "$shots/about-window.png"
  wine_env wine "$WINCMD" close "关于"
}

update_notice_shot() {
  local build site serverlog server program port="" i
  build=$(dirname "$EXE")/..
  cmake --build "$build" --target MarvolenaLocal >/dev/null || return 1
  site=$(mktemp -d)
  mkdir -p "$site/updates"
  printf '[MAIN]\r\nVER=1.1\r\nURL=http://127.0.0.1/download.html\r\n' >"$site/updates/marvolena.txt"
  serverlog=$site/server.log
  timeout 60 python3 -u -m http.server --bind 127.0.0.1 0 --directory "$site" >"$serverlog" 2>&1 &
  server=$!
  for i in $(seq 100); do
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$serverlog")
    [ -n "$port" ] && break
    sleep 0.1
  done
  if [ -n "$port" ]; then
    MARV_TEST_SERVER=http://127.0.0.1:$port LC_ALL=zh_CN.UTF-8 wine "$build/testbin/MarvolenaLocal.exe" >/dev/null 2>&1 &
    program=$!
    # The notice shows as soon as the descriptor has been read.
    for i in $(seq 300); do
      grep -q 'GET /updates/marvolena.txt' "$serverlog" && break
      sleep 0.1
    done
    sleep 1.5
    import -window root "$shots/update-notice.png"
    kill "$program" 2>/dev/null; wait "$program" 2>/dev/null
  fi
  kill "$server" 2>/dev/null; wait "$server" 2>/dev/null
  rm -rf "$site"
  [ -n "$port" ]
}

update_about_shot || log "no screenshot of the About window"
update_notice_shot || log "no screenshot of the update notice"
true
