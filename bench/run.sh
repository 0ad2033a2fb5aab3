#!/usr/bin/env bash
# Builds Zarpo, starts a private MariaDB server for benchmarks, makes the large benchmark
# company in it and times the program's windows against it (zarpo-bench, offscreen),
# printing one table. The server's data folder (build/bench-server) and the company are
# kept between runs: the company is made again only when it is missing, half made, or was
# made with other sizes, another seed or another schema script. The server this script started stops when the
# script ends.
#
#   bench/run.sh [generator options] [-- benchmark options]
#       e.g. --scale 0.1 for a quicker company; -- --runs 3 for fewer runs per step
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
base=$top/build/bench-server
server=$base/server
database=zarpo_bench

build() {
  scripts/build.sh
}

start_server() {
  mkdir -p "$base"
  chmod 700 "$base"
  if [ ! -s "$base/password" ]; then
    ( umask 077; head -c 18 /dev/urandom | base64 | tr -d '/+=' > "$base/password" )
  fi
  password=$(cat "$base/password")
  started_here=0
  if ! port=$(scripts/dbserver.sh port "$server" 2>/dev/null); then
    port=$(scripts/dbserver.sh start "$server" 0 "$password")
    started_here=1
  fi
  trap stop_server EXIT
  echo "Benchmark server on 127.0.0.1:$port (data in $server)"
}

stop_server() {
  if [ "${started_here:-0}" = 1 ]; then
    scripts/dbserver.sh stop "$server"
  fi
}

generate_company() {
  local start elapsed
  start=$(date +%s%N)
  MYSQL_PWD=$password "$top/build/zarpo-benchgen" --host 127.0.0.1 --port "$port" --user root \
    --database "$database" --keep "$@"
  elapsed=$(( ($(date +%s%N) - start) / 100000000 ))
  echo "Company $database ready in $((elapsed / 10)).$((elapsed % 10)) s"
}

run_benchmark() {
  QT_QPA_PLATFORM=offscreen MYSQL_PWD=$password "$top/build/zarpo-bench" --host 127.0.0.1 --port "$port" \
    --user root --database "$database" "$@"
}

generator_options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  generator_options+=("$1")
  shift
done
[ $# -gt 0 ] && shift

build
start_server
generate_company "${generator_options[@]}"
run_benchmark "$@"
