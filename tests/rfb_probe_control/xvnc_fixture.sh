#!/usr/bin/env bash
# Starts (start STATE) or stops (stop STATE) a TigerVNC server on loopback for the probe's tests.
# STATE receives "PORT PID DISPLAY". The server ends by itself after ten minutes, so a run whose
# cleanup never comes leaves nothing behind for long.
set -euo pipefail
action=$1 state=$2

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()'
}

listening() {
  python3 - "$1" <<'PY'
import socket, sys
s = socket.socket()
s.settimeout(0.5)
try:
    s.connect(("127.0.0.1", int(sys.argv[1])))
except OSError:
    sys.exit(1)
finally:
    s.close()
PY
}

case "$action" in
  start)
    rm -f "$state"
    display=""
    for n in $(seq 20 89); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=$n; break; }
    done
    [ -n "$display" ] || { echo "no free display number" >&2; exit 1; }
    port=$(free_port)
    log="$state.log"
    setsid timeout 600 Xvnc ":$display" -localhost -rfbport "$port" -SecurityTypes None -nolisten tcp \
      -geometry 800x600 -depth 24 </dev/null >"$log" 2>&1 &
    pid=$!
    for _ in $(seq 1 100); do
      if listening "$port"; then
        echo "$port $pid $display" >"$state"
        echo "TigerVNC on 127.0.0.1:$port (display :$display, pid $pid)"
        exit 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    echo "Xvnc did not listen on $port" >&2
    cat "$log" >&2 || true
    kill "$pid" 2>/dev/null || true
    exit 1 ;;
  stop)
    [ -f "$state" ] || exit 0
    read -r port pid display <"$state" || true
    # The server runs in a session of its own: its process group is timeout and Xvnc, nothing else.
    if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then
      kill -TERM -- "-$pid" 2>/dev/null || true
      for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -KILL -- "-$pid" 2>/dev/null || true
    fi
    rm -f "$state" "$state.log"
    exit 0 ;;
  *)
    echo "usage: $0 start|stop STATE" >&2
    exit 2 ;;
esac
