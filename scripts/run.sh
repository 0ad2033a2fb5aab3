#!/usr/bin/env bash
# Installs what is missing, builds, starts a private MariaDB server for your companies
# (data under ~/.local/share/zarpo), makes a demo company on the first run, and opens
# Zarpo. The server this script started stops when Zarpo ends.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
scripts/install-deps.sh
# Only the program and the demo-company generator: the tests and benchmarks are built by
# scripts/test.sh and bench/run.sh. The compiler's output is shown only when it fails.
echo "Building Zarpo (the program and its demo-company generator) in build/ ..."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! cmake --build build -j"$(nproc)" --target zarpo zarpo-benchgen >build/run-build.log 2>&1; then
  cat build/run-build.log >&2
  exit 1
fi

data=${XDG_DATA_HOME:-$HOME/.local/share}/zarpo
server=$data/server
mkdir -p "$data"
chmod 700 "$data"

# The server's root password: made once, readable only by you.
if [ ! -s "$data/root-password" ]; then
  ( umask 077; head -c 18 /dev/urandom | base64 | tr -d '/+=' > "$data/root-password" )
fi
password=$(cat "$data/root-password")

# The same port every run, so the company entries in Config.xml stay right.
if [ ! -s "$data/port" ]; then
  port=3407
  while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((port + 1)); done
  echo "$port" > "$data/port"
fi
port=$(cat "$data/port")

started_here=0
if ! scripts/dbserver.sh port "$server" >/dev/null 2>&1; then
  scripts/dbserver.sh start "$server" "$port" "$password" >/dev/null
  started_here=1
fi
stop_server() { [ $started_here = 1 ] && scripts/dbserver.sh stop "$server"; }
trap stop_server EXIT

client() { MYSQL_PWD=$password mariadb --no-defaults -h127.0.0.1 -P"$port" -uroot --default-character-set=utf8mb4 "$@"; }

demo=zarpo_demo
# The demo company: made from the schema script the program compiles in, with a small
# shop's worth of customers, items, documents and journal entries to look at.
if [ -z "$(client -N -e "show databases like '$demo'")" ]; then
  echo "Creating the demo company database '$demo'"
  MYSQL_PWD=$password "$top/build/zarpo-benchgen" --host 127.0.0.1 --port "$port" --user root \
    --database "$demo" --scale 0.01 >/dev/null
  client "$demo" -e "update companyinfo set CompanyName = 'Zarpo Demo Shop'"
fi

# The demo company's entry in the settings file beside the program. The file holds the
# server password: written readable by you only, through a new file that replaces it.
config=$top/build/Config.xml
entry=" <Company Server=\"127.0.0.1\" ServerPort=\"$port\" ServerUsername=\"root\" ServerPassword=\"$password\" Database=\"$demo\"/>"
if [ ! -s "$config" ] || ! grep -q "Database=\"$demo\"" "$config"; then
  tmp=$(mktemp "$config.XXXXXX")
  if [ ! -s "$config" ]; then
    printf '<AccountingConf AppVersion="2.1.0 Beta">\n <Author name="Zarpo"/>\n <Language DefaultLanguage="en"/>\n%s\n</AccountingConf>\n' \
      "$entry" > "$tmp"
  else
    awk -v entry="$entry" '/<\/AccountingConf>/ { print entry } { print }' "$config" > "$tmp"
  fi
  chmod 600 "$tmp"
  mv "$tmp" "$config"
fi
chmod 600 "$config"

"$top/build/zarpo" || true
# A change of language restarts Zarpo as a new process: keep the server until it ends too.
while pgrep -f "^$top/build/zarpo" >/dev/null 2>&1; do sleep 1; done
