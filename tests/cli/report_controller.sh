#!/usr/bin/env bash
# velorm-cli report on the demo world's controller module against velorm-sim over UDP: the
# table, the task-queue identifier mismatch with and without --accept-id, and refusals.
set -euo pipefail
cli=$1
sim=$2
source "$(dirname "$0")/../../scripts/lib/sim.sh"
out=$(mktemp -d)
trap '[ -n "${SIM_PID:-}" ] && kill "$SIM_PID" 2>/dev/null; wait 2>/dev/null; rm -rf "$out"' EXIT
"$cli" demo --out "$out" --settings "$out/Velorm.ini" >/dev/null
module=07A1_5678
link=$out/Modules/$module/$module.ini
args=(--settings "$out/Velorm.ini" --module "$module" --report 00000001 --kind hour
      --from "2024-03-14 00:00" --to "2024-03-14 12:00" --repeats 1)

expect_code() {
    local code=$1 message=$2
    shift 2
    set +e
    "$cli" report "$@" >"$out/table.tsv" 2>"$out/err"
    local got=$?
    set -e
    [ "$got" -eq "$code" ] || { echo "exit $got, expected $code for $*" >&2; cat "$out/err" >&2; exit 1; }
    grep -q "$message" "$out/err" || { cat "$out/err" >&2; exit 1; }
}

# A simulator answering with another task-queue identifier than the module's queue.
python3 - "$out/velorm-sim.json" "$out/other-id.json" <<'PY'
import json, sys
config = json.load(open(sys.argv[1]))
config["modules"][0]["task_id"] = "11223344"
json.dump(config, open(sys.argv[2], "w"))
PY
start_velorm_sim "$sim" "$out/sim.log" --config "$out/other-id.json" --udp 0
sed -i "s/^Port=.*/Port=$SIM_PORT/" "$link"

expect_code 13 "Не совпали идентификаторы очереди задач" "${args[@]}"
grep -q "^ID (из прибора): 44332211$" "$out/err"
grep -q "^ID (сохраненный): $" "$out/err"
grep -q "ID сохраненной очереди задач и ID из прибора не совпали" "$out/err"
if grep -q "^realId" "$link"; then echo "a refused reading wrote realId" >&2; exit 1; fi

"$cli" report "${args[@]}" --accept-id >"$out/table.tsv"
grep -q "^realId=44332211" "$link"
python3 - "$out/table.tsv" <<'PY'
import sys
rows = [r.split("\t") for r in open(sys.argv[1], encoding="utf-8").read().split("\n")[:-1]]
assert len(rows) == 12 + 2, len(rows)
assert rows[1][0] == "14.03.24   00:00", rows[1][0]
assert rows[6][1:] == [" - "] * (len(rows[6]) - 1), rows[6]
assert all("," in cell for cell in rows[1][1:]), rows[1]
PY
# Accepted once, the same controller reads without the option.
"$cli" report "${args[@]}" >/dev/null
kill "$SIM_PID"
wait "$SIM_PID" 2>/dev/null || true

# The module's own identifier: success with the table on standard output, and the same
# table from the modules directory given by option instead of the settings file.
sed -i '/^realId=/d' "$link"
start_velorm_sim "$sim" "$out/sim.log" --config "$out/velorm-sim.json" --udp 0
sed -i "s/^Port=.*/Port=$SIM_PORT/" "$link"
"$cli" report "${args[@]}" >"$out/first.tsv"
[ "$(wc -l <"$out/first.tsv")" -eq 14 ]
"$cli" report --reports-dir "$out/Reports" --modules-dir "$out/Modules" --db "$out/BD-Zemra" \
    "${args[@]:2}" --timeout 3 >"$out/second.tsv"
cmp "$out/first.tsv" "$out/second.tsv"

expect_code 7 "Дата начала периода" "${args[@]}" --to "2024-03-14 00:00"
sed -i "s/^Setn=.*/Setn=2A/" "$link"
expect_code 6 "Модуль с таким сетевым номером не найден" "${args[@]}"
sed -i "s/^Setn=.*/Setn=05/" "$link"
kill "$SIM_PID"
wait "$SIM_PID" 2>/dev/null || true
SIM_PID=""
set +e
"$cli" report "${args[@]}" >/dev/null 2>"$out/err"
code=$?
set -e
[ "$code" -eq 4 ] || [ "$code" -eq 6 ] || { echo "exit $code without a controller" >&2; exit 1; }
sed -i '/^VS=/d' "$link"
expect_code 3 "Связь не настроена" "${args[@]}"
