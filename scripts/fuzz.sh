#!/usr/bin/env bash
# Builds the fuzz preset and runs each fuzz target for SECONDS (default 60), one
# after the other, one job each. Prints per target: executions, coverage (cov/ft
# from the final stats), corpus size and findings. Corpora grow in
# build/fuzz/corpus/<target>, seeded from the golden inputs and the kept regression
# inputs; findings land in build/fuzz/findings/<target>, logs in build/fuzz/logs/<target>.
#
#   scripts/fuzz.sh 300                       all targets, 300 s each
#   scripts/fuzz.sh 60 field_reader cp932     some targets
# Extra libFuzzer options go in FUZZ_OPTIONS (for example FUZZ_OPTIONS=-max_len=8192).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(field_reader cp932 conversion_run xml_tree)

scripts/install-deps.sh clang-14 libclang-rt-14-dev >&2
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null

build=build/fuzz
separator=$'\x1e'

# Golden borings: each input file alone for the readers, the three files of a case
# joined by the part separator for the whole run.
seed_corpus() {
  local target=$1 corpus=$build/corpus/$1
  mkdir -p "$corpus"
  cp -n tests/fuzz_regressions/"$target"/* "$corpus"/ 2>/dev/null || true
  local input
  for input in tests/golden/*/input; do
    [ -d "$input" ] || continue
    local name
    name=$(basename "$(dirname "$input")")
    case $target in
      conversion_run)
        { cat "$input"/MDT*.JDF; printf '%s' "$separator"; cat "$input"/KDT*.JDF 2>/dev/null || true
          printf '%s' "$separator"; cat "$input"/NDT*.JDF 2>/dev/null || true; } >"$corpus/golden-$name"
        ;;
      field_reader)
        local file
        for file in "$input"/*; do { printf '\0'; cat "$file"; } >"$corpus/golden-$name-$(basename "$file")"; done
        ;;
      cp932)
        local file
        for file in "$input"/*; do cp "$file" "$corpus/golden-$name-$(basename "$file")"; done
        ;;
    esac
  done
}

# Inputs no longer than the structures each target explores: fields and characters
# are short, a boring's three files are not.
max_len() {
  case $1 in
    cp932) echo 256 ;;
    field_reader) echo 256 ;;
    *) echo 4096 ;;
  esac
}

# The number after `label` in a libFuzzer log, from its last line that has it.
last_figure() { grep -o "$1 *[0-9]*" "$2" | tail -1 | grep -o '[0-9]*$' || true; }

run_target() {
  local target=$1 corpus=$build/corpus/$1 findings=$build/findings/$1 logs=$build/logs/$1
  rm -rf "$logs"
  mkdir -p "$findings" "$logs"
  seed_corpus "$target"
  # One process, one job. A finding stops a run: a fresh run goes on until the time
  # is used up, so that one fault does not hide the rest.
  local deadline=$((SECONDS + seconds)) executions=0 runs=0 left log cov='?' ft='?'
  while left=$((deadline - SECONDS)); [ "$left" -gt 0 ]; do
    runs=$((runs + 1))
    log=$logs/run-$runs.log
    # shellcheck disable=SC2086
    "$build/fuzz/${target}_fuzzer" "$corpus" -max_len="$(max_len "$target")" -timeout=1 -rss_limit_mb=2048 -max_total_time="$left" \
      -print_final_stats=1 -artifact_prefix="$findings/" ${FUZZ_OPTIONS:-} >"$log" 2>&1 || true
    local done_here
    done_here=$(last_figure 'stat::number_of_executed_units:' "$log")
    executions=$((executions + ${done_here:-0}))
    cov=$(last_figure 'cov:' "$log"); ft=$(last_figure 'ft:' "$log")
  done
  printf '%-16s executions %10d  time %5ds  cov %6s  ft %6s  corpus %6d  findings %d\n' "$target" "$executions" \
    "$seconds" "${cov:-?}" "${ft:-?}" "$(find "$corpus" -type f | wc -l)" "$(find "$findings" -type f | wc -l)"
}

for target in "${targets[@]}"; do run_target "$target"; done
