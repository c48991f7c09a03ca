#!/usr/bin/env bash
# Runs lumo-cli over the fixed inputs of cases.tsv and compares every output (standard
# output, standard error and exit status) byte for byte with expected/NAME.txt. Every run
# has the same fixed "today", so that ages and the current year never move the output.
#   run_golden.sh LUMO_CLI            compare; a difference fails and is shown
#   run_golden.sh LUMO_CLI --update   write the expected files anew (after an intended change)
set -u
cli=$(realpath "$1")
mode=${2:-compare}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
count=0
while IFS=$'\t' read -r -a fields; do
  [[ ${#fields[@]} -eq 0 || ${fields[0]} == \#* ]] && continue
  name=${fields[0]}
  args=("${fields[@]:1}")
  got="$work/$name.txt"
  status=0
  (cd "$work" && LC_ALL=C.UTF-8 "$cli" --today 2026-12-09 "${args[@]}" >"$work/out" 2>"$work/err") || status=$?
  {
    cat "$work/out"
    printf -- '--- stderr\n'
    cat "$work/err"
    printf -- '--- exit %d\n' "$status"
  } >"$got"
  count=$((count + 1))
  if [[ $mode == --update ]]; then
    cp "$got" "$here/expected/$name.txt"
  elif ! cmp -s "$got" "$here/expected/$name.txt"; then
    echo "DIFFERS: $name (lumo-cli ${args[*]})"
    diff "$here/expected/$name.txt" "$got" | head -20
    failed=$((failed + 1))
  fi
done <"$here/cases.tsv"

echo "$count cases, $failed differ"
[[ $failed -eq 0 ]]
