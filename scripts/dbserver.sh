#!/usr/bin/env bash
# Starts and stops a private MariaDB server with the settings that company databases
# need (table names matched without case, a lenient SQL mode, utf8mb4, root with a
# password on 127.0.0.1). Works as root and as an ordinary user.
#
#   dbserver.sh start DIR PORT PASSWORD   PORT 0 picks a free port; prints the port
#   dbserver.sh stop DIR
#   dbserver.sh port DIR                   prints the port of the running server
#
# DIR holds everything: the option file, data/, the socket, pid, port and log files.
# The password is set when DIR's data folder is first made.
set -euo pipefail

usage() { echo "usage: $0 start DIR PORT PASSWORD | stop DIR | port DIR" >&2; exit 2; }

find_tool() {
  local name
  for name in "$@"; do
    if command -v "$name" >/dev/null 2>&1; then command -v "$name"; return 0; fi
    if [ -x "/usr/sbin/$name" ]; then echo "/usr/sbin/$name"; return 0; fi
  done
  echo "dbserver.sh: none of $* is installed" >&2
  return 1
}

port_in_use() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

free_port() {
  local p tries=0
  while [ $tries -lt 200 ]; do
    p=$(( 20000 + (RANDOM * 32768 + RANDOM) % 40000 ))
    if ! port_in_use "$p"; then echo "$p"; return 0; fi
    tries=$((tries + 1))
  done
  echo "dbserver.sh: no free port found" >&2
  return 1
}

running() {
  local dir=$1
  [ -f "$dir/pid" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null
}

write_options() {
  local dir=$1 port=$2
  {
    echo "[mariadbd]"
    echo "datadir=$dir/data"
    echo "socket=$dir/sock"
    echo "pid-file=$dir/pid"
    echo "log-error=$dir/server.log"
    # Temporary tables of its own: servers side by side on one machine must never see,
    # or clean away, each other's files in a shared /tmp.
    echo "tmpdir=$dir/tmp"
    echo "port=$port"
    echo "bind-address=127.0.0.1"
    [ "$(id -u)" = 0 ] && echo "user=root"
    echo "lower_case_table_names=1"
    echo "sql_mode=NO_ENGINE_SUBSTITUTION"
    echo "character-set-server=utf8mb4"
    echo "collation-server=utf8mb4_general_ci"
    echo "default-storage-engine=InnoDB"
    echo "skip-log-bin"
    echo "innodb_flush_log_at_trx_commit=2"
    echo "innodb_buffer_pool_size=256M"
    echo "max_connections=500"
  } > "$dir/my.cnf"
}

start() {
  local dir=$1 port=$2 password=$3
  mkdir -p "$dir" "$dir/tmp"
  chmod 700 "$dir"
  dir=$(cd "$dir" && pwd)
  if running "$dir"; then
    cat "$dir/port"
    return 0
  fi
  local mariadbd installdb admin
  mariadbd=$(find_tool mariadbd mysqld)
  installdb=$(find_tool mariadb-install-db mysql_install_db)
  admin=$(find_tool mariadb-admin mysqladmin)

  local attempt
  for attempt in 1 2 3 4 5; do
    local p=$port
    [ "$p" = 0 ] && p=$(free_port)
    write_options "$dir" "$p"
    if [ ! -d "$dir/data/mysql" ]; then
      rm -rf "$dir/data"
      "$installdb" --defaults-file="$dir/my.cnf" --auth-root-authentication-method=normal \
        --skip-test-db >"$dir/install.log" 2>&1 || { cat "$dir/install.log" >&2; return 1; }
    fi
    # Run at every start, so the password is the given one whatever the data folder held.
    local quoted=${password//\\/\\\\}
    quoted=${quoted//\'/\\\'}
    ( umask 077
      printf "FLUSH PRIVILEGES;\nALTER USER root@localhost IDENTIFIED VIA mysql_native_password USING PASSWORD('%s') OR unix_socket;\n" \
        "$quoted" > "$dir/init.sql" )
    rm -f "$dir/pid"
    "$mariadbd" --defaults-file="$dir/my.cnf" --init-file="$dir/init.sql" </dev/null >/dev/null 2>&1 &
    local server=$! i
    for i in $(seq 1 300); do
      if MYSQL_PWD=$password "$admin" --no-defaults -h127.0.0.1 -P"$p" -uroot ping >/dev/null 2>&1; then
        rm -f "$dir/init.sql"
        echo "$p" > "$dir/port"
        echo "$server" > "$dir/pid"
        echo "$p"
        return 0
      fi
      kill -0 "$server" 2>/dev/null || break
      sleep 0.1
    done
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    # A taken port is worth another try; any other failure is not.
    [ "$port" = 0 ] && grep -q "Address already in use\|Can't start server" "$dir/server.log" 2>/dev/null || break
  done
  rm -f "$dir/init.sql"
  echo "dbserver.sh: the server did not start; its log:" >&2
  tail -n 30 "$dir/server.log" >&2 2>/dev/null || true
  return 1
}

stop() {
  local dir=$1
  running "$dir" || { rm -f "$dir/pid"; return 0; }
  local pid i
  pid=$(cat "$dir/pid")
  kill -TERM "$pid"
  for i in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || { rm -f "$dir/pid"; return 0; }
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  rm -f "$dir/pid"
}

case "${1:-}" in
  start) [ $# = 4 ] || usage; start "$2" "$3" "$4" ;;
  stop)  [ $# = 2 ] || usage; stop "$2" ;;
  port)  [ $# = 2 ] || usage; running "$2" && cat "$2/port" ;;
  *) usage ;;
esac
