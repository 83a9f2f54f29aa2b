#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A local MariaDB on loopback holding the administration tables, for trying
# plusvalia-admin and for the tests. No systemd: the server runs as a plain
# background process, as Debian's unprivileged "mysql" user when started by
# root, and is stopped by its own pid once that pid is checked to be it.
#
#   scripts/local-db.sh start [--dir D] [--port P] [--test] [--reset]
#   scripts/local-db.sh stop  [--dir D]
#
# start creates the server's files under D the first time, starts the server
# and, when the database is missing (or with --reset, which drops it), loads
# the schema and the starting data. Data and password survive stop and start.
#   - without --test: the user "plusvalia" gets a random password on first
#     use, kept in D/password (readable by the server's owner only) and
#     printed on every start; the connection settings plusvalia-admin reads
#     are written when that file does not exist yet;
#   - with --test: listens on the socket only and prints "export" lines for
#     the tests (PLUSVALIA_TEST_DB_SOCKET, _NAME, _USER) to be eval'd.
# The server's root account is reachable only through the socket, by the OS
# user who started it; the socket sits in D, which only that user can enter.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
sql_dir=$(cd "$here/../src/db/sql" && pwd)

usage() {
  echo "Uso: $0 start|stop [--dir DIRECTORIO] [--port PUERTO] [--test] [--reset]" >&2
  exit 2
}

(($# >= 1)) || usage
command=$1
shift
me=$(id -un)
server_user=
if [[ $(id -u) -eq 0 ]] && id -u mysql >/dev/null 2>&1; then
  server_user=mysql
  # root's home is closed to the server's user.
  dir=/var/lib/plusvalia/local-db
else
  dir="${XDG_STATE_HOME:-$HOME/.local/state}/plusvalia/local-db"
fi
port=3307
test_mode=0
reset=0
while (($#)); do
  case $1 in
  --dir) dir=${2:?}; shift 2 ;;
  --port) port=${2:?}; shift 2 ;;
  --test) test_mode=1; shift ;;
  --reset) reset=1; shift ;;
  *) usage ;;
  esac
done

say() { echo "$*" >&2; }
fail() { say "$*"; exit 1; }

# The pid of a mariadbd whose data directory is this one, or nothing.
server_pid() {
  local proc pid
  for proc in /proc/[0-9]*; do
    pid=${proc#/proc/}
    is_our_server "$pid" && { echo "$pid"; return 0; }
  done
  return 1
}

is_our_server() {
  local args
  mapfile -d "" -t args 2>/dev/null <"/proc/$1/cmdline" || return 1
  ((${#args[@]})) || return 1
  [[ ${args[0]##*/} == mariadbd || ${args[0]##*/} == mysqld ]] || return 1
  local a
  for a in "${args[@]:1}"; do
    [[ $a == "--datadir=$dir/data" ]] && return 0
  done
  return 1
}

socket_answers() {
  [[ -S $dir/mysql.sock ]] && mariadb-admin --no-defaults --socket="$dir/mysql.sock" -u"$me" ping >/dev/null 2>&1
}

port_answers() {
  (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null
}

# Reports a pid file that names another process; nothing is signalled.
check_pid_file() {
  local recorded
  [[ -f $dir/server.pid ]] || return 0
  recorded=$(<"$dir/server.pid")
  if [[ -n $recorded ]] && ! is_our_server "$recorded"; then
    say "El fichero $dir/server.pid (pid $recorded) no corresponde a este servidor; se descarta sin enviar ninguna señal."
    rm -f "$dir/server.pid"
  fi
}

stop_server() {
  local pid
  check_pid_file
  pid=$(server_pid) || { say "No hay ningún servidor en marcha en $dir."; rm -f "$dir/server.pid"; return 0; }
  kill -TERM "$pid"
  for _ in $(seq 600); do
    is_our_server "$pid" || break
    sleep 0.1
  done
  if is_our_server "$pid"; then
    say "El servidor ($pid) no se detuvo a tiempo; se fuerza su final."
    kill -KILL "$pid" 2>/dev/null || true
  fi
  rm -f "$dir/server.pid"
}

as_server_user() {
  if [[ -n $server_user ]]; then runuser -u "$server_user" -- "$@"; else "$@"; fi
}

start_server() {
  local socket=$dir/mysql.sock user_opt=()
  # A Unix socket path holds at most 107 bytes.
  ((${#socket} < 108)) || fail "La ruta del socket ($socket) pasa de 107 caracteres; elija un directorio más corto con --dir."
  local created=0
  [[ -d $dir/data ]] || created=1
  mkdir -p "$dir/tmp" "$dir/data"
  chmod 0700 "$dir"
  if [[ -n $server_user ]]; then
    user_opt=(--user="$server_user")
    # Also takes over the files of a server that earlier ran as root.
    chown "$server_user:" "$dir"
    chown -R "$server_user:" "$dir/data" "$dir/tmp"
    rm -f "$dir/error.log" "$dir/mariadbd.pid"
    as_server_user test -w "$dir" ||
      fail "El usuario $server_user no puede entrar en $dir (una carpeta superior se lo impide); elija otro con --dir."
  fi
  # Table names are written in both cases by the statements: the server must
  # fold them, and that is fixed when the data directory is created.
  # A temporary directory of its own: a server starting up removes every
  # "#sql*" file in its tmpdir, which would break another server's work.
  local common=(--no-defaults --datadir="$dir/data" --tmpdir="$dir/tmp" --lower-case-table-names=1
    --innodb-log-file-size=8M --innodb-buffer-pool-size=32M)
  if [[ ! -d $dir/data/mysql ]]; then
    if ! mariadb-install-db "${common[@]}" "${user_opt[@]}" --auth-root-authentication-method=socket \
      --auth-root-socket-user="$me" --skip-test-db --skip-name-resolve >"$dir/install.log" 2>&1; then
      say "No se pudo crear el directorio de datos en $dir/data:"
      grep -i "error" "$dir/install.log" >&2 || tail -n 20 "$dir/install.log" >&2 || true
      ((created)) && rm -rf "$dir/data"
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
    if socket_answers; then
      chmod 0600 "$socket"
      return 0
    fi
    sleep 0.1
  done
  say "El servidor MariaDB no respondió en 60 s (véase $dir/error.log)."
  stop_server
  exit 1
}

sql() { mariadb --no-defaults --socket="$dir/mysql.sock" -u"$me" "$@"; }

# Root only through the socket, by the OS user who owns the server. Data
# directories made by earlier versions of this script had root open without
# a password, over TCP too: close that on every start.
secure_accounts() {
  local login=$me
  sql -e 'SELECT 1' >/dev/null 2>&1 || login=root
  mariadb --no-defaults --socket="$dir/mysql.sock" -u"$login" <<EOF
CREATE USER IF NOT EXISTS '$me'@'localhost' IDENTIFIED VIA unix_socket;
GRANT ALL PRIVILEGES ON *.* TO '$me'@'localhost' WITH GRANT OPTION;
ALTER USER 'root'@'localhost' IDENTIFIED VIA unix_socket;
DROP USER IF EXISTS 'root'@'127.0.0.1', 'root'@'::1', ''@'localhost', 'root'@'$(hostname)', ''@'$(hostname)';
EOF
}

database_exists() {
  [[ -n $(sql -N -e "SELECT 1 FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = '$1'") ]]
}

# Loads the schema and starting data into a fresh database; a load that
# fails leaves no database behind, so the next start tries again.
load_database() {
  local name=$1
  if ! {
    echo "DROP DATABASE IF EXISTS \`$name\`;"
    echo "CREATE DATABASE \`$name\` CHARACTER SET utf8mb4;"
    echo "USE \`$name\`;"
    cat "$sql_dir/schema.sql" "$sql_dir/seed.sql"
  } | sql; then
    sql -e "DROP DATABASE IF EXISTS \`$name\`" || true
    fail "No se pudo cargar la base de datos $name."
  fi
}

prepare_database() {
  local name=$1
  if ((reset)) || ! database_exists "$name"; then
    load_database "$name"
  fi
}

# The password of "plusvalia": the stored one, or a new one on first use.
plusvalia_password() {
  local file=$dir/password password
  if [[ -s $file ]]; then
    cat "$file"
    return
  fi
  password=$(head -c 12 /dev/urandom | base64 | tr -d '/+=')
  (umask 077 && echo "$password" >"$file")
  [[ -z $server_user ]] || chown "$server_user:" "$file"
  sql <<EOF
CREATE OR REPLACE USER 'plusvalia'@'localhost' IDENTIFIED BY '$password';
CREATE OR REPLACE USER 'plusvalia'@'127.0.0.1' IDENTIFIED BY '$password';
EOF
  echo "$password"
}

settings_file() {
  echo "${XDG_CONFIG_HOME:-$HOME/.config}/plusvalia/plusvalia-admin.ini"
}

case $command in
start)
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd -P)
  # A running server is never touched: not its data, not its password.
  if pid=$(server_pid); then
    fail "Ya hay un servidor en marcha en $dir (pid $pid); sus datos no se tocan. Para detenerlo: $0 stop --dir $dir"
  fi
  if socket_answers; then
    fail "Ya responde un servidor en $dir/mysql.sock; sus datos no se tocan. Para detenerlo: $0 stop --dir $dir"
  fi
  if ((!test_mode)) && port_answers; then
    fail "El puerto $port de 127.0.0.1 ya está en uso; elija otro con --port."
  fi
  check_pid_file
  start_server
  secure_accounts
  if ((test_mode)); then
    prepare_database plusvalia_test
    printf 'export PLUSVALIA_TEST_DB_SOCKET=%q\n' "$dir/mysql.sock"
    echo 'export PLUSVALIA_TEST_DB_NAME=plusvalia_test'
    printf 'export PLUSVALIA_TEST_DB_USER=%q\n' "$me"
    printf 'export PLUSVALIA_LOCAL_DB=%q\n' "$here/local-db.sh"
  else
    prepare_database plusvalia
    password=$(plusvalia_password)
    sql <<EOF
GRANT SELECT, INSERT, UPDATE, DELETE ON plusvalia.* TO 'plusvalia'@'localhost';
GRANT SELECT, INSERT, UPDATE, DELETE ON plusvalia.* TO 'plusvalia'@'127.0.0.1';
EOF
    settings="[connection]
host=127.0.0.1
port=$port
socket=$dir/mysql.sock
database=plusvalia
user=plusvalia"
    ini=$(settings_file)
    if [[ -e $ini ]]; then
      ini_note="$ini ya existe y no se ha modificado; los ajustes de este servidor serían:
$settings"
    else
      mkdir -p "$(dirname "$ini")"
      echo "$settings" >"$ini"
      ini_note="Ajustes de conexión escritos en $ini"
    fi
    cat <<EOF
Servidor MariaDB local en marcha (pid $(<"$dir/server.pid")).
  socket:         $dir/mysql.sock
  puerto:         $port (solo 127.0.0.1)
  base de datos:  plusvalia
  usuario:        plusvalia
  contraseña:     $password (guardada en $dir/password)
$ini_note
Para detenerlo: $0 stop --dir $dir
Los datos se conservan entre arranques; para empezar de cero: $0 start --dir $dir --reset
EOF
  fi
  ;;
stop)
  [[ -d $dir ]] || exit 0
  dir=$(cd "$dir" && pwd -P)
  stop_server
  ;;
*) usage ;;
esac
