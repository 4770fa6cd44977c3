#!/bin/bash
# Runs the program on its own X display under the desktop's accessibility
# stack, as a screen-reader user has it, for walk.py (and orca) to read:
#   tools/atspi-walk/session.sh start DISPLAY_NUMBER DIST_DIR [orca]
#   tools/atspi-walk/session.sh stop DISPLAY_NUMBER
# start prints the line to source before walk.py; the demo control socket
# is /tmp/zt-atspi-walk-N (echo "incoming-call 101" | socat - UNIX:...).
#
# Qt 5.15 joins the accessibility bus reliably only through the bus
# address the bus launcher leaves on the X root window (AT_SPI_BUS): when
# it has to ask the session bus for it, its bridge registers before the
# answer comes and never again, and the program stays out of the
# registry. Xvfb wipes root-window properties when its last client leaves,
# which the launcher does right after writing it: hence -noreset.
# Orca runs without speech (a speech server with no sound card stalls it);
# what it would say is in its debug log, on the lines "SPEECH OUTPUT".
set -eu
cmd=${1:?start or stop}
num=${2:?display number}
state=/tmp/atspi-walk-$num
if [ "$cmd" = stop ]; then
  # Each process by its own id, the display last.
  [ -f "$state/pids" ] && tac "$state/pids" | while read -r pid; do kill "$pid" 2>/dev/null || true; done
  rm -f "$state/pids"
  exit 0
fi
dist=$(cd "${3:?dist dir}" && pwd)
want_orca=${4:-}
mkdir -p "$state/home"
: > "$state/pids"
export DISPLAY=:$num
Xvfb "$DISPLAY" -screen 0 1280x800x24 -noreset >/dev/null 2>&1 &
echo $! >> "$state/pids"
sleep 1
cat > "$state/inner.sh" <<INNER
# Ended last but for the display: dbus-run-session then ends its bus.
echo \$\$ >> "$state/pids"
echo "export DISPLAY=\$DISPLAY DBUS_SESSION_BUS_ADDRESS=\$DBUS_SESSION_BUS_ADDRESS" > "$state/env"
/usr/libexec/at-spi-bus-launcher --launch-immediately & echo \$! >> "$state/pids"
sleep 1
openbox >/dev/null 2>&1 & echo \$! >> "$state/pids"
cd "$dist"
HOME="$state/home" ZENT_INSTANCE_ID=atspi-walk-$num ZENT_DEMO_CONTROL=/tmp/zt-atspi-walk-$num \\
  ZENT_SOUND_BACKEND=silent QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./zent > "$state/zent.log" 2>&1 &
echo \$! >> "$state/pids"
if [ -n "$want_orca" ]; then
  sleep 2
  HOME="$state/home" orca --replace -d speech --debug-file "$state/orca.log" >/dev/null 2>&1 &
  echo \$! >> "$state/pids"
fi
wait
INNER
dbus-run-session -- bash "$state/inner.sh" > "$state/session.log" 2>&1 &
sleep 3
echo ". $state/env"
