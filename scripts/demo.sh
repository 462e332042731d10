#!/usr/bin/env bash
# Installs what Velorm needs, builds it and starts velorm on a demo world in a throw-away
# profile (the user's own settings are never touched). Without a display it runs on the
# offscreen platform, saves a screenshot of the main window and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh

install_packages
configure_and_build build -DCMAKE_BUILD_TYPE=Release

world=$(mktemp -d "${TMPDIR:-/tmp}/velorm-demo-XXXXXX")
export XDG_CONFIG_HOME="$world/profile"
build/src/velorm-cli demo --out "$world/world" --settings "$XDG_CONFIG_HOME/Ambrisk/Velorm/Velorm.ini"
echo "Demo world: $world/world (profile in $XDG_CONFIG_HOME)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    shot="$world/velorm-main-window.png"
    QT_QPA_PLATFORM=offscreen build/src/velorm --screenshot "$shot" 2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
    echo "Screenshot of the main window: $shot"
else
    build/src/velorm
fi
