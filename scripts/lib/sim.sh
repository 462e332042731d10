# Starting velorm-sim in the background for the scripts and the CLI tests.

# start_velorm_sim SIM LOG ARGS...: starts SIM with ARGS, its output going to LOG, and waits
# (up to 10 s) until it has bound its first UDP or TCP carrier. Sets SIM_PID and SIM_PORT (the
# port of that carrier). The caller stops it: kill "$SIM_PID".
start_velorm_sim() {
    local sim=$1 log=$2
    shift 2
    "$sim" "$@" >"$log" 2>&1 &
    SIM_PID=$!
    SIM_PORT=""
    local tries
    for tries in $(seq 100); do
        SIM_PORT=$(sed -n 's/^\(udp\|tcp\): 127\.0\.0\.1:\([0-9]*\)$/\2/p' "$log" | head -n 1)
        [ -n "$SIM_PORT" ] && return 0
        kill -0 "$SIM_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "velorm-sim did not start:" >&2
    cat "$log" >&2
    return 1
}
