#!/usr/bin/env bash
# Installs what Velorm needs, builds it and starts velorm on a demo world in a throw-away
# profile (the user's own settings are never touched), with velorm-sim answering as the demo
# controller on UDP loopback while it runs. Without a display it saves screenshots (offscreen
# platform) of the main window and of the report view window with the hourly report of each
# demo module read, and prints the reports of the flash-disk module and of the controller
# module.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/common.sh
source scripts/lib/sim.sh

install_packages
configure_and_build build -DCMAKE_BUILD_TYPE=Release

world=$(mktemp -d "${TMPDIR:-/tmp}/velorm-demo-XXXXXX")
export XDG_CONFIG_HOME="$world/profile"
settings="$XDG_CONFIG_HOME/Ambrisk/Velorm/Velorm.ini"
demo_out=$(build/src/velorm-cli demo --out "$world/world" --settings "$settings")
echo "$demo_out"
echo "Demo world: $world/world (profile in $XDG_CONFIG_HOME)"

# The simulator command line the demo printed: "velorm-sim --config FILE --udp PORT".
read -r -a sim_args <<<"$(sed -n 's/^controller simulator: *velorm-sim //p' <<<"$demo_out")"
trap '[ -n "${SIM_PID:-}" ] && kill "$SIM_PID" 2>/dev/null; wait 2>/dev/null || true' EXIT
start_velorm_sim build/tools/sim/velorm-sim "$world/velorm-sim.log" "${sim_args[@]}"
echo "velorm-sim answers as the demo controller on UDP port $SIM_PORT (log $world/velorm-sim.log)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    shot="$world/velorm-main-window.png"
    QT_QPA_PLATFORM=offscreen build/src/velorm --screenshot "$shot" 2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
    echo "Screenshot of the main window: $shot"
    for module in 07A1_1234 07A1_5678; do
        view="$world/velorm-report-view-$module.png"
        QT_QPA_PLATFORM=offscreen build/src/velorm --screenshot "$view" --view-report "$module/00000001" \
            --from "2024-03-14 00:00" --to "2024-03-14 12:00" 2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
        echo "Screenshot of the report view with the hourly report of module $module: $view"
    done
    for module in 07A1_1234 07A1_5678; do
        echo
        echo "Hourly report of module $module ($(sed -n 's/^VS=0/controller over UDP/p; s/^VS=1/flash-disk directory/p' \
            "$world/world/Modules/$module/$module.ini")), 14.03.2024 00:00-12:00:"
        build/src/velorm-cli report --settings "$settings" --module "$module" --report 00000001 \
            --kind hour --from "2024-03-14 00:00" --to "2024-03-14 12:00"
    done
else
    build/src/velorm
fi
