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
    echo
    echo "Hourly report of the flash-disk module, 14.03.2024 00:00-12:00:"
    build/src/velorm-cli report --settings "$XDG_CONFIG_HOME/Ambrisk/Velorm/Velorm.ini" \
        --module "$world/world/Modules/07A1_1234" --report 00000001 --kind hour \
        --from "2024-03-14 00:00" --to "2024-03-14 12:00"
else
    build/src/velorm
fi
