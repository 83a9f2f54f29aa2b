#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A throwaway MariaDB on loopback holding the administration tables, for
# trying plusvalia-admin and for the tests. No systemd: the server runs as a
# plain background process and is stopped by its own pid.
#
#   scripts/local-db.sh start [--dir D] [--port P] [--test] [--keep-data]
#   scripts/local-db.sh stop  [--dir D]
#
# start creates the server's files under D (once), starts it, loads the schema
# and the starting data into a fresh database and
#   - without --test: creates the user "plusvalia" with a new random password,
#     writes the connection settings plusvalia-admin reads and prints them;
#   - with --test: listens on the socket only and prints "export" lines for the
#     tests (PLUSVALIA_TEST_DB_SOCKET, _NAME, _USER) to be eval'd.
# --keep-data restarts a server on D without reloading its database.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
sql_dir=$(cd "$here/../src/db/sql" && pwd)

usage() {
  echo "Uso: $0 start|stop [--dir DIRECTORIO] [--port PUERTO] [--test] [--keep-data]" >&2
  exit 2
}

(($# >= 1)) || usage
command=$1
shift
dir="${XDG_STATE_HOME:-$HOME/.local/state}/plusvalia/local-db"
port=3307
test_mode=0
keep_data=0
while (($#)); do
  case $1 in
  --dir) dir=${2:?}; shift 2 ;;
  --port) port=${2:?}; shift 2 ;;
  --test) test_mode=1; shift ;;
  --keep-data) keep_data=1; shift ;;
  *) usage ;;
  esac
done

say() { echo "$*" >&2; }

server_pid() {
  local pid
  [[ -f $dir/server.pid ]] || return 1
  pid=$(<"$dir/server.pid")
  [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null && echo "$pid"
}

stop_server() {
  local pid
  pid=$(server_pid) || { rm -f "$dir/server.pid"; return 0; }
  kill -TERM "$pid"
  for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    say "El servidor ($pid) no se detuvo a tiempo; se fuerza su final."
    kill -KILL "$pid" 2>/dev/null || true
  fi
  rm -f "$dir/server.pid"
}

start_server() {
  local socket=$dir/mysql.sock user_opt=()
  [[ $(id -u) -eq 0 ]] && user_opt=(--user=root)
  # Table names are written in both cases by the statements: the server must
  # fold them, and that is fixed when the data directory is created.
  # A temporary directory of its own: a server starting up removes every
  # "#sql*" file in its tmpdir, which would break another server's work.
  local common=(--no-defaults --datadir="$dir/data" --tmpdir="$dir/tmp" --lower-case-table-names=1
    --innodb-log-file-size=8M --innodb-buffer-pool-size=32M)
  mkdir -p "$dir/tmp"
  if [[ ! -d $dir/data/mysql ]]; then
    mkdir -p "$dir/data"
    if ! mariadb-install-db "${common[@]}" "${user_opt[@]}" --auth-root-authentication-method=normal \
      --skip-test-db --skip-name-resolve >"$dir/install.log" 2>&1; then
      say "No se pudo crear el directorio de datos en $dir/data:"
      grep -i "error" "$dir/install.log" >&2 || tail -n 20 "$dir/install.log" >&2 || true
      exit 1
    fi
  fi
  local net=(--port="$port" --bind-address=127.0.0.1)
  ((test_mode)) && net=(--skip-networking)
  mariadbd "${common[@]}" "${user_opt[@]}" "${net[@]}" --socket="$socket" \
    --pid-file="$dir/mariadbd.pid" --log-error="$dir/error.log" --skip-name-resolve \
    --innodb-flush-log-at-trx-commit=0 --innodb-doublewrite=0 --skip-log-bin \
    --lc-messages-dir=/usr/share/mysql --lc-messages=es_ES \
    </dev/null >>"$dir/server.log" 2>&1 &
  local pid=$!
  echo "$pid" >"$dir/server.pid"
  for _ in $(seq 600); do
    if ! kill -0 "$pid" 2>/dev/null; then
      say "El servidor MariaDB terminó al arrancar (véase $dir/error.log):"
      tail -n 20 "$dir/error.log" >&2 || true
      rm -f "$dir/server.pid"
      exit 1
    fi
    if [[ -S $socket ]] && mariadb-admin --no-defaults --socket="$socket" -uroot ping >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  say "El servidor MariaDB no respondió en 60 s (véase $dir/error.log)."
  stop_server
  exit 1
}

sql() { mariadb --no-defaults --socket="$dir/mysql.sock" -uroot "$@"; }

load_database() {
  local name=$1
  {
    echo "DROP DATABASE IF EXISTS \`$name\`;"
    echo "CREATE DATABASE \`$name\` CHARACTER SET utf8mb4;"
    echo "USE \`$name\`;"
    cat "$sql_dir/schema.sql" "$sql_dir/seed.sql"
  } | sql
}

settings_file() {
  echo "${XDG_CONFIG_HOME:-$HOME/.config}/plusvalia/plusvalia-admin.ini"
}

case $command in
start)
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  if server_pid >/dev/null; then
    say "Ya hay un servidor en marcha en $dir; deténgalo antes con: $0 stop --dir $dir"
    exit 1
  fi
  start_server
  if ((test_mode)); then
    ((keep_data)) || load_database plusvalia_test
    printf 'export PLUSVALIA_TEST_DB_SOCKET=%q\n' "$dir/mysql.sock"
    echo 'export PLUSVALIA_TEST_DB_NAME=plusvalia_test'
    echo 'export PLUSVALIA_TEST_DB_USER=root'
    printf 'export PLUSVALIA_LOCAL_DB=%q\n' "$here/local-db.sh"
  else
    ((keep_data)) || load_database plusvalia
    password=$(head -c 12 /dev/urandom | base64 | tr -d '/+=')
    sql <<EOF
CREATE OR REPLACE USER 'plusvalia'@'localhost' IDENTIFIED BY '$password';
CREATE OR REPLACE USER 'plusvalia'@'127.0.0.1' IDENTIFIED BY '$password';
GRANT SELECT, INSERT, UPDATE, DELETE ON plusvalia.* TO 'plusvalia'@'localhost';
GRANT SELECT, INSERT, UPDATE, DELETE ON plusvalia.* TO 'plusvalia'@'127.0.0.1';
EOF
    ini=$(settings_file)
    mkdir -p "$(dirname "$ini")"
    cat >"$ini" <<EOF
[connection]
host=127.0.0.1
port=$port
socket=$dir/mysql.sock
database=plusvalia
user=plusvalia
EOF
    cat <<EOF
Servidor MariaDB de prueba en marcha (pid $(<"$dir/server.pid")).
  socket:         $dir/mysql.sock
  puerto:         $port (solo 127.0.0.1)
  base de datos:  plusvalia
  usuario:        plusvalia
  contraseña:     $password
Ajustes de conexión escritos en $ini
Para detenerlo: $0 stop --dir $dir
EOF
  fi
  ;;
stop)
  [[ -d $dir ]] || exit 0
  stop_server
  ;;
*) usage ;;
esac
