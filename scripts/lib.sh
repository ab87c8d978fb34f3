# Shared pieces of the project's scripts: packages, build, and private PostgreSQL clusters.
# Sourced, not run.

VAREKO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VAREKO_BUILD=${VAREKO_BUILD:-$VAREKO_ROOT/build}

# Debian packages the program needs to build, run and be tested.
VAREKO_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libpq-dev postgresql xauth xvfb fonts-dejavu-core
  poppler-utils adwaita-icon-theme)

say() { printf '== %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are missing (apt-get update only when something is missing).
ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_program() {
  cmake -S "$VAREKO_ROOT" -B "$VAREKO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$VAREKO_BUILD"
}

pg_bindir() {
  local dir
  dir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
  [ -n "$dir" ] || { say "PostgreSQL server binaries not found"; return 1; }
  echo "$dir"
}

# The server refuses to run as root: as root, the clusters belong to the postgres user.
as_db_owner() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

# Lets the postgres user reach a folder below root's own folders (traverse only).
make_reachable() {
  [ "$(id -u)" = 0 ] || return 0
  local dir
  dir=$(cd "$1" && pwd) || return 1
  while [ "$dir" != / ]; do
    if ! runuser -u postgres -- test -x "$dir" 2>/dev/null; then
      say "letting the database server reach $dir (o+x)"
      chmod o+x "$dir"
    fi
    dir=$(dirname "$dir")
  done
}

# A free four-digit port on loopback (the settings file holds at most four digits).
free_port() {
  local port
  for port in $(seq "$1" "$2"); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return 0; }
  done
  return 1
}

# cluster_start DATADIR PORT [SERVER OPTIONS]: creates the cluster on first use, then starts
# it on loopback.
cluster_start() {
  local data=$1 port=$2 extra=${3:-} bin
  bin=$(pg_bindir)
  mkdir -p "$data"
  data=$(cd "$data" && pwd)
  if [ "$(id -u)" = 0 ]; then
    chown postgres: "$data"
    make_reachable "$data"
  fi
  chmod 700 "$data"
  if [ ! -f "$data/PG_VERSION" ]; then
    as_db_owner "$bin/initdb" -D "$data" -U vareko --auth=trust -E UTF8 --locale=C.UTF-8 >"$data/../initdb.log" 2>&1 ||
      { cat "$data/../initdb.log" >&2; return 1; }
  fi
  as_db_owner "$bin/pg_ctl" -D "$data" -l "$data/server.log" -w -t 60 \
    -o "-p $port -k $data -c listen_addresses=127.0.0.1 $extra" start >/dev/null ||
    { cat "$data/server.log" >&2; return 1; }
}

cluster_running() {
  local bin
  bin=$(pg_bindir)
  [ -f "$1/PG_VERSION" ] && as_db_owner "$bin/pg_ctl" -D "$1" status >/dev/null 2>&1
}

cluster_stop() {
  local bin
  bin=$(pg_bindir)
  as_db_owner "$bin/pg_ctl" -D "$1" -m fast -w stop >/dev/null 2>&1 || true
}

# Starts a throwaway cluster in /tmp for tests and benchmarks, exports its address in
# PGHOST/PGPORT/PGUSER, and removes it when the calling script exits.
throwaway_cluster() {
  VAREKO_THROWAWAY=$(mktemp -d /tmp/vareko-test.XXXXXX)
  chmod 755 "$VAREKO_THROWAWAY"
  trap 'cluster_stop "$VAREKO_THROWAWAY/data"; rm -rf "$VAREKO_THROWAWAY"' EXIT
  local port
  port=$(free_port 5450 5499)
  say "starting a throwaway database server on port $port"
  # Nothing on it outlives the run, so it need not survive a power failure.
  cluster_start "$VAREKO_THROWAWAY/data" "$port" "-c fsync=off -c synchronous_commit=off"
  export PGHOST=127.0.0.1 PGPORT=$port PGUSER=vareko
}
