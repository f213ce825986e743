#!/bin/sh
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each one for the given number of seconds,
# starting from generated seeds. Usage: fuzz.sh BUILD_DIR SECONDS
# Fails when a fuzzer finds a crash; the reproducer stays in BUILD_DIR/findings/<fuzzer>/.
set -eu
dir=${1:?usage: fuzz.sh BUILD_DIR SECONDS}
seconds=${2:?usage: fuzz.sh BUILD_DIR SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)

[ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELURA_FUZZERS=ON -DVELURA_TESTS=OFF >/dev/null
ninja -C "$dir" --quiet
"$dir/make_fuzz_seeds" "$dir/seeds"

status=0
for fuzzer in "$dir"/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$dir/corpus/$name"
  findings="$dir/findings/$name"
  mkdir -p "$corpus" "$findings"
  dict=""
  [ -f "$root/fuzz/dict/$name.dict" ] && dict="-dict=$root/fuzz/dict/$name.dict"
  log="$dir/$name.log"
  # shellcheck disable=SC2086
  if "$fuzzer" "$corpus" "$dir/seeds/$name" $dict -max_total_time="$seconds" -rss_limit_mb=2048 \
       -timeout=10 -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz: $name: $runs executions in ${seconds}s, no findings"
  else
    echo "fuzz: $name FAILED; see $log and $findings" >&2
    tail -n 30 "$log" >&2
    status=1
  fi
done
exit $status
