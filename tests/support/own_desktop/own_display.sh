#!/bin/sh
# Starts or stops the X display of the launch tests: a headless server of their own, so that the
# windows they activate never take the focus from the windows of other tests, nor theirs from them.
#   own_display.sh start <state-folder>   writes <state-folder>/launch_display (":n") and .../launch_display.pid
#   own_display.sh stop <state-folder>
#   own_display.sh run <state-folder> <command...>   runs the command on that display
# A Wine program and the programs it starts draw on the display of the unix environment that
# started it, so the test command itself must carry it.
state="$2"
case "$1" in
  start)
    mkdir -p "$state"
    for n in $(seq 150 249); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || {
        # Never outlives a run that ended without its stop step; a stop is passed on to the server.
        setsid timeout 1800 Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        pid=$!
        i=0
        while [ $i -lt 100 ]; do
          [ -e "/tmp/.X11-unix/X$n" ] && break
          kill -0 "$pid" 2>/dev/null || break
          sleep 0.1
          i=$((i + 1))
        done
        if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$pid" 2>/dev/null; then
          echo "$pid" > "$state/launch_display.pid"
          printf ':%s' "$n" > "$state/launch_display"
          exit 0
        fi
        kill "$pid" 2>/dev/null
      }
    done
    echo "no free display for the launch tests" >&2
    exit 1 ;;
  run)
    shift 2
    if [ -f "$state/launch_display" ]; then
      DISPLAY="$(cat "$state/launch_display")"
      export DISPLAY
    fi
    exec "$@" ;;
  stop)
    [ -f "$state/launch_display.pid" ] && kill "$(cat "$state/launch_display.pid")" 2>/dev/null
    rm -f "$state/launch_display" "$state/launch_display.pid"
    exit 0 ;;
esac
exit 2
