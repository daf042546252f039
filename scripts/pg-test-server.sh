#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A throwaway PostgreSQL server for the journal tests, run as the postgres user.
#   scripts/pg-test-server.sh start DIR   initdb a cluster in DIR (new or empty),
#                                         serve it on 127.0.0.1 at a free port, create the
#                                         database quellix_test and print its URL; the password
#                                         is in DIR/pgpass, for PGPASSFILE (any port on
#                                         127.0.0.1, so a test may relay to the server)
#   scripts/pg-test-server.sh stop DIR    stop that server and remove DIR
set -euo pipefail

usage() {
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}
[ $# -eq 2 ] || usage
command=$1
dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/pg_ctl" ] || { echo "$0: PostgreSQL is not installed (scripts/deps.sh postgresql)" >&2; exit 1; }

# From /, which postgres can always enter; the caller's folder may be closed to it.
as_postgres() (
    cd /
    if [ "$(id -un)" = postgres ]; then
        "$@"
    elif [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        sudo -u postgres "$@"
    fi
)

start() {
    [ ! -e "$dir" ] || [ -z "$(ls -A "$dir")" ] || { echo "$0: $dir is not empty" >&2; exit 1; }
    # DIR stays the caller's (it holds pgpass); the cluster and its socket are postgres's.
    mkdir -p "$dir"
    chmod 0711 "$dir"
    dir=$(cd "$dir" && pwd)
    mkdir -m 0700 "$dir/data"
    chown postgres: "$dir/data" 2>/dev/null || sudo chown postgres: "$dir/data"
    local password
    password=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    printf '%s\n' "$password" | as_postgres sh -c "umask 077; cat > '$dir/data/pw'"
    as_postgres "$bin/initdb" -D "$dir/data/cluster" -U postgres --auth=scram-sha-256 \
        --pwfile="$dir/data/pw" --no-sync -E UTF8 >/dev/null
    as_postgres rm -f "$dir/data/pw"
    local port
    for _ in $(seq 20); do
        port=$((20000 + RANDOM % 40000))
        if as_postgres "$bin/pg_ctl" -D "$dir/data/cluster" -l "$dir/data/server.log" -w -t 30 \
            -o "-c listen_addresses=127.0.0.1 -p $port -k $dir/data -c fsync=off" \
            start >/dev/null; then
            (umask 077 && echo "127.0.0.1:*:*:postgres:$password" >"$dir/pgpass")
            PGPASSFILE="$dir/pgpass" "$bin/createdb" -h 127.0.0.1 -p "$port" -U postgres quellix_test
            echo "postgresql://postgres@127.0.0.1:$port/quellix_test"
            return
        fi
    done
    echo "$0: the server would not start; see $dir/data/server.log" >&2
    exit 1
}

stop() {
    [ -d "$dir/data/cluster" ] && as_postgres "$bin/pg_ctl" -D "$dir/data/cluster" -m fast -w stop >/dev/null || true
    rm -rf "$dir"
}

case $command in
    start) start ;;
    stop) stop ;;
    *) usage ;;
esac
