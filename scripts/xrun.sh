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
# screen (default 1280x1024x24).
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
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$runtime"' EXIT
read -r -t 10 display <&"$fd" || { echo "The X server did not start: $(cat "$runtime/xvfb.log")" >&2; exit 1; }

export DISPLAY=":$display" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
dbus-run-session -- "$@"
