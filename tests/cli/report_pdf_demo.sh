#!/usr/bin/env bash
# velorm-cli report --pdf on the demo world's flash module: an A4 blank with the title, header,
# table and signature lines; then with the numbering column, the module lines and a stored
# special header with a merged cell.
set -euo pipefail
cli=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cli" demo --out "$out" --settings "$out/Velorm.ini" >/dev/null
module=$out/Modules/07A1_1234
report_file=$(ls "$module/Reports" | head -n 1)
report=$(basename "$report_file" .ini)
args=(--module "$module" --report "$report" --kind hour --settings "$out/Velorm.ini"
      --from "2024-03-10 00:00" --to "2024-03-10 06:00")

expect_text() {
    local text
    text=$(pdftotext -layout "$1" -)
    shift
    for piece in "$@"; do
        grep -qF -- "$piece" <<<"$text" || { echo "missing: $piece" >&2; echo "$text" >&2; exit 1; }
    done
}

"$cli" report "${args[@]}" --pdf "$out/blank.pdf"
info=$(pdfinfo "$out/blank.pdf")
grep -q "Pages: *1$" <<<"$info"
grep -q "595.276 x 841.89 pts (A4)" <<<"$info"
expect_text "$out/blank.pdf" "Ведомость учета тепловой энергии за час" \
    "Потребитель: ООО \"Тепловые сети\"" "Теплосчетчик: Zemra-107" "Q, Гкал" "T1, °C" "T2, °C" \
    "10.03.24" "05:00" "Итого" "Ответственный за учет:" "Представитель теплоснабжающей"

# Numbering column, module lines and a special header stored without the numbering column.
sed -i 's/^\[Report\]/[Report]\nExtraCol=1\nExtraTHeader=1\nZavN=1\nTipM=1/' \
    "$module/Reports/$report_file"
mkdir -p "$module/Reports/THead"
cat >"$module/Reports/THead/${report}TabHead.ini" <<'INI'
[Main]
ColCount=4
RowCount=2
[Cell_0_0]
rowspan=2
text=Дата и час
[Cell_0_1]
rowspan=0
colspan=0
[Cell_1_0]
rowspan=2
text=Тепло, Гкал
[Cell_1_1]
rowspan=0
colspan=0
[Cell_2_0]
colspan=2
text=Температура, °C
fstyle=1
align=1
[Cell_3_0]
colspan=0
rowspan=0
[Cell_2_1]
text=подача
[Cell_3_1]
text=обратка
INI
"$cli" report "${args[@]}" --pdf "$out/special.pdf"
expect_text "$out/special.pdf" "№" "Дата и час" "Тепло, Гкал" "Температура, °C" "подача" "обратка" \
    "Тип модуля: 07A1" "Заводской номер: 1234"
if pdftotext "$out/special.pdf" - | grep -q "Q, Гкал"; then
    echo "the plain column titles are printed instead of the special header" >&2
    exit 1
fi

# An unwritable target: an error, nothing under the name.
mkdir "$out/taken.pdf"
if "$cli" report "${args[@]}" --pdf "$out/taken.pdf/x/y.pdf" 2>"$out/err"; then
    echo "writing into a missing directory succeeded" >&2
    exit 1
fi
grep -q "velorm-cli report:" "$out/err"
test ! -e "$out/taken.pdf/x"
