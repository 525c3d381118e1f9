#!/usr/bin/env bash
# Runs a command on a private X server with a session bus of its own, so the program's real
# windows can be tried on a machine without a desktop: take screenshots with
# `import -window root FILE.png`, click and type with xdotool, read the controls through the
# accessibility bus. The X server and the bus end with the command.
#
#   scripts/xrun.sh                      # the release program, until it ends
#   scripts/xrun.sh bash -c 'build/release/vantrel & sleep 3; import -window root menu.png; kill %1'
#
# Needs xvfb, xauth, dbus-x11 (installed by scripts/install-deps.sh). SCREEN=WxHxD sets the
# screen (default 1280x1024x24). SOUND=1 also starts a private sound server (pulseaudio, whose
# only output is a silent one) and points the command's sounds at it, as a desktop's would be.
# XSERVER_PID gives the command the X server's process, for a check that ends the session
# under a program (scripts/display-loss.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] && set -- build/release/vantrel

runtime=$(mktemp -d /tmp/vantrel-x.XXXXXX)
chmod 700 "$runtime"
# Xvfb picks a free display and writes its number to the given descriptor.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 "${SCREEN:-1280x1024x24}" -nolisten tcp -auth "$runtime/auth" \
  >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
pulse=
trap 'kill $xvfb $pulse 2>/dev/null; wait $xvfb $pulse 2>/dev/null; rm -rf "$runtime"' EXIT
read -r -t 10 display <&"$fd" || { echo "The X server did not start: $(cat "$runtime/xvfb.log")" >&2; exit 1; }

if [ "${SOUND:-0}" = 1 ]; then
  command -v pulseaudio >/dev/null || { echo "SOUND=1 needs pulseaudio: run scripts/install-deps.sh" >&2; exit 1; }
  # The server keeps its state and socket in a folder of its own and stays off the session bus,
  # where a desktop's own server may already hold its name.
  mkdir -p "$runtime/pulse"
  HOME="$runtime/pulse" XDG_RUNTIME_DIR="$runtime/pulse" XDG_CONFIG_HOME="$runtime/pulse/config" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/pulse/no-session-bus" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit --log-target=stderr \
    --log-level=error -L "module-null-sink sink_name=out rate=44100" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$runtime/pulse/native" >"$runtime/pulse.log" 2>&1 &
  pulse=$!
  for _ in $(seq 100); do [ -S "$runtime/pulse/native" ] || ! kill -0 $pulse 2>/dev/null && break; sleep 0.1; done
  [ -S "$runtime/pulse/native" ] || { echo "The sound server did not start: $(cat "$runtime/pulse.log")" >&2; exit 1; }
  export PULSE_SERVER="unix:$runtime/pulse/native"
fi

export XSERVER_PID=$xvfb DISPLAY=":$display" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
dbus-run-session -- "$@"
