#!/usr/bin/env bash
# The conformance kit run here as a Windows user runs it: put together from this build,
# run-tests.cmd started through Wine's cmd, and its report checked: complete (the system,
# Wine, the extender's version, every program with its counts, both runs of the
# examples, the summary), in Notepad's line ends, and with nothing failed, since the same
# programs pass in this lane. The lane has just run every test of every program, so the
# kit runs a tenth of each program's tests (GoogleTest's shards, which the programs read
# from the environment): every program and both kinds of example still run.
#   kit_test.sh SOURCE_DIR BUILD_DIR PREFIX ARCH
set -uo pipefail
source=$1 build=$2
. "$source/tools/wine-env" "$3" "$4"
kit=$build/kit
"$source/tools/kit" "$build" "$kit" || exit 1
(cd "$kit" && GTEST_TOTAL_SHARDS=10 GTEST_SHARD_INDEX=0 wine cmd /c run-tests.cmd /nopause)
report=$kit/report.txt
[ -f "$report" ] || { echo "run-tests.cmd wrote no report"; exit 1; }

problems=()
want() { grep -qE "$1" <<<"$text" || problems+=("no line matching: $1"); }
text=$(tr -d '\r' <"$report")
[ "$(grep -c $'\r$' "$report")" -eq "$(wc -l <"$report")" ] || problems+=("not every line ends in CR LF")
version=$(sed -n 's/^FILEVERSION \([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1.\2.\3.\4/p' "$source/resources/korvanet.rc")
[ "$(head -n 1 <<<"$text")" = "Korvanet conformance report" ] || problems+=("the first line is not the title")
want '^Windows: [0-9]+\.[0-9]+ build [0-9]+( service pack [0-9]+)?, (workstation|server)$'
want '^Wine: yes, Wine [0-9]'
want "^Extender: korvanet.dll ${version//./\\.}$"
while read -r program; do
    want "^  ${program//\//\\\\}: [0-9]+ passed, 0 failed, [0-9]+ not confirmed on Windows(, [0-9]+ skipped)?$"
done <"$kit/programs.txt"
for kind in 'common controls 6' 'classic controls'; do
    listed=$(sed -n "/^Reference examples, $kind/,/^\$/p" <<<"$text" | grep -cE '^  [A-Za-z0-9_]+: ')
    matching=$(sed -n "/^Reference examples, $kind/,/^\$/p" <<<"$text" | grep -cE '^  [A-Za-z0-9_]+: matches$')
    [ "$listed" -gt 0 ] && [ "$matching" -eq "$listed" ] || problems+=("$matching of $listed examples match with $kind")
done
want '^Summary: [0-9]+ programs \(0 did not finish\), [0-9]+ passed, 0 failed, [0-9]+ not confirmed on Windows; examples: '

if [ "${#problems[@]}" -gt 0 ]; then
    printf '%s\n' "$report:" "${problems[@]}"
    exit 1
fi
echo "$report: complete and well formed"
