#!/usr/bin/env bash
# velorm-cli report on the demo world's flash module: the tab-separated table, the CSV file,
# and the exit codes and messages of refused readings.
set -euo pipefail
cli=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cli" demo --out "$out" --settings "$out/Velorm.ini" >/dev/null
module=$out/Modules/07A1_1234
report=$(basename "$(ls "$module/Reports" | head -n 1)" .ini)
args=(--module "$module" --report "$report" --kind hour --settings "$out/Velorm.ini")

"$cli" report "${args[@]}" --from "2024-03-10 00:00" --to "2024-03-10 06:00" >"$out/table.tsv" 2>"$out/err"
python3 - "$out/table.tsv" <<'PY'
import sys
rows = open(sys.argv[1], encoding="utf-8").read().split("\n")
assert rows[-1] == "", "ends with a newline"
rows = [r.split("\t") for r in rows[:-1]]
assert len(rows) == 6 + 2, len(rows)
assert len({len(r) for r in rows}) == 1, "every row has every cell"
assert rows[1][0] == "10.03.24   00:00", rows[1][0]
assert any("," in cell for cell in rows[1][1:]), rows[1]
PY
test ! -s "$out/err"

"$cli" report "${args[@]}" --from "2024-03-10 00:00" --to "2024-03-10 06:00" --csv "$out/t.csv" >/dev/null
head -c 3 "$out/t.csv" | od -An -tx1 | grep -q "ef bb bf"
grep -q "Итого;" "$out/t.csv"

expect_code() {
    local code=$1 message=$2
    shift 2
    set +e
    "$cli" report "$@" >/dev/null 2>"$out/err"
    local got=$?
    set -e
    [ "$got" -eq "$code" ] || { echo "exit $got, expected $code for $*" >&2; exit 1; }
    grep -q "$message" "$out/err" || { cat "$out/err" >&2; exit 1; }
}
expect_code 7 "Дата начала периода" "${args[@]}" --from "2024-03-10 06:00" --to "2024-03-10 06:00"
expect_code 11 "слишком большой диапазон" "${args[@]}" --from "2023-01-01 00:00" --to "2024-03-10 06:00"
expect_code 10 "Доступны архивы с" "${args[@]}" --from "2020-01-01 00:00" --to "2020-01-02 00:00"
rm "$module/07A1_1234.tsk"
expect_code 2 "Модуль не найден" "${args[@]}" --from "2024-03-10 00:00" --to "2024-03-10 06:00"
sed -i '/^VS=/d' "$module/07A1_1234.ini"
expect_code 3 "Связь не настроена" "${args[@]}" --from "2024-03-10 00:00" --to "2024-03-10 06:00"
expect_code 2 "usage" report --module "$module"
