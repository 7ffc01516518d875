#!/usr/bin/env bash
# Builds the configuration fuzz target with clang's libFuzzer and runs it for
# a fixed time: run_config_fuzz.sh SOURCE_DIR WORK_DIR [SECONDS]
set -euo pipefail
src=$1
work=$2
seconds=${3:-20}
mkdir -p "$work/corpus"
sources=(
  "$src/tests/zentra/config/fuzz/config_fuzz.cpp"
  "$src"/zentra/config/*.cpp
  "$src/zentra/draw/display_text.cpp"
  "$src"/platform/win32/*.cpp
)
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$src" "${sources[@]}" -o "$work/config_fuzz" -ldl -lpthread
# Seeds: the default configuration, as text and as a store.
cp "$src/assets/config/F16.ini" "$work/corpus/default.ini"
printf '[PFD]\nColor=255,128\nBox=100,200,300,400\nList=10-20-40\nShape=LONG_DIAMOND\n' \
  > "$work/corpus/keys.ini"
"$work/config_fuzz" -max_total_time="$seconds" -max_len=50000 -rss_limit_mb=1024 \
  -print_final_stats=1 "$work/corpus"
