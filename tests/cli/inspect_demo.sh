#!/usr/bin/env bash
# velorm-cli inspect over the demo database: every kind as text and as JSON, from the
# directory and from the zip archive; a missing file fails.
set -euo pipefail
cli=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cli" demo --out "$out" >/dev/null
db=$out/BD-Zemra

"$cli" inspect alg "$db/ALG/0010.alg" | grep -q "32 values       yes"
"$cli" inspect alg "$db/ALG/0003.alg" | grep -q "Месячный архив"
"$cli" inspect mod "$db/MOD/07a1.mod" | grep -q "Теплосчётчик, 32 текущих значения"
"$cli" inspect tsk 0b12 --db "$db.zip" | grep -q "Служебные параметры"
for args in "alg $db/ALG/0001.alg" "mod 0b12 --db $db.zip" "tsk $db/TASK/07a1.tsk"; do
    "$cli" inspect $args --json | python3 -c 'import json, sys; d = json.load(sys.stdin); assert d["kind"]'
done
"$cli" inspect tsk 07a1 --db "$db" --json |
    python3 -c 'import json, sys; d = json.load(sys.stdin); assert len(d["tasks"]) == 4 and not d["report"]'
if "$cli" inspect alg "$out/none.alg" >/dev/null; then
    echo "a missing file must fail" >&2
    exit 1
fi
