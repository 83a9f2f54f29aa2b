#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/local-db.sh on a real server, in throwaway directories and on a
# free port: it keeps the data and the password, never harms a running server
# or an unrelated process, and keeps root off the network.
set -uo pipefail

script=${1:?path to local-db.sh}
command -v mariadbd >/dev/null || { echo "mariadbd not installed"; exit 77; }

work=$(mktemp -d /tmp/plusvalia-localdb-test.XXXXXX)
dir=$(mktemp -d /tmp/plusvalia-localdb.XXXXXX)
export XDG_CONFIG_HOME=$work/config
ini=$XDG_CONFIG_HOME/plusvalia/plusvalia-admin.ini
sleeper=
cleanup() {
  "$script" stop --dir "$dir" >/dev/null 2>&1
  [[ -n $sleeper ]] && kill "$sleeper" 2>/dev/null
  rm -rf "$work" "$dir"
}
trap cleanup EXIT

failures=0
fails() { ! "$@"; }
check() { # description, command...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); return 1; fi
}

free_port() {
  local p
  for _ in $(seq 50); do
    p=$((20000 + RANDOM % 30000))
    (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; return; }
  done
  return 1
}
port=$(free_port) || { echo "no free port"; exit 1; }

start() { "$script" start --dir "$dir" --port "$port" "$@" >"$work/out" 2>&1; }
password_printed() { sed -n 's/^  contraseña: *\([^ ]*\).*/\1/p' "$work/out"; }
as_plusvalia() { # password, statement
  mariadb --no-defaults -h127.0.0.1 -P"$port" -uplusvalia --password="$1" plusvalia -N -e "$2" 2>/dev/null
}
as_owner() { mariadb --no-defaults --socket="$dir/mysql.sock" -u"$(id -un)" plusvalia -N -e "$1"; }
notaries() { as_owner "SELECT COUNT(*) FROM notariosdb WHERE nombrenotario = 'PRUEBA, PERSISTE'"; }
server() { pgrep -f -- "^mariadbd .*--datadir=$dir/data( |\$)" | head -n1; }

mkdir -p "$(dirname "$ini")"
printf '[connection]\nhost=servidor.ayuntamiento\nuser=gestor\n' >"$ini"
cp "$ini" "$work/ini.before"
check "first start" start || { cat "$work/out"; exit 1; }
password=$(password_printed)
check "an existing settings file is left as it was" cmp -s "$ini" "$work/ini.before"
check "and the settings it would have had are shown" grep -q "^port=$port" "$work/out"
check "plusvalia reaches its database over TCP" test "$(as_plusvalia "$password" 'SELECT 1')" = 1
as_owner "INSERT INTO notariosdb (nombrenotario) VALUES ('PRUEBA, PERSISTE')"
first=$(server)

# Root over TCP, with or without an empty password, and other users on the socket.
check "root over TCP is refused" fails mariadb --no-defaults -h127.0.0.1 -P"$port" -uroot -e 'SELECT 1' 2>/dev/null
check "root over TCP with an empty password is refused" \
  fails mariadb --no-defaults -h127.0.0.1 -P"$port" -uroot --password= -e 'SELECT 1' 2>/dev/null
if id -u nobody >/dev/null 2>&1 && [[ $(id -u) -eq 0 ]]; then
  check "another user cannot use the socket" \
    fails runuser -u nobody -- mariadb --no-defaults --socket="$dir/mysql.sock" -uroot -e 'SELECT 1' 2>/dev/null
  id -u mysql >/dev/null 2>&1 && check "the server does not run as root" test "$(ps -o user= -p "$first")" = mysql
fi

# A second start with the pid file gone touches nothing.
rm -f "$dir/server.pid"
check "a second start is refused" fails start
check "and names the running server" grep -q "pid $first" "$work/out"
check "the first server still runs" test "$(server)" = "$first"
check "its data is kept" test "$(notaries)" = 1
check "its password still works" test "$(as_plusvalia "$password" 'SELECT 1')" = 1

# A stale pid naming an unrelated process: stop leaves that process alone.
sleep 300 &
sleeper=$!
echo "$sleeper" >"$dir/server.pid"
"$script" stop --dir "$dir" >"$work/out" 2>&1
check "stop spares the unrelated process" kill -0 "$sleeper"
check "and reports the stale pid file" grep -q "$sleeper" "$work/out"
check "but stops the server" test -z "$(server)"

# start after stop: same data, same password.
echo "$sleeper" >"$dir/server.pid"
check "start after stop" start
check "a stale pid file does not stop a start" test -n "$(server)"
check "the data survives a restart" test "$(notaries)" = 1
check "the password survives a restart" test "$(as_plusvalia "$password" 'SELECT 1')" = 1
check "the same password is printed again" test "$(password_printed)" = "$password"

# Only --reset drops the data.
"$script" stop --dir "$dir" >/dev/null 2>&1
check "start --reset" start --reset
check "--reset reloads the starting data" test "$(notaries)" = 0

((failures == 0))
