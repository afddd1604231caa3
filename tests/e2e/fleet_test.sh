#!/usr/bin/env bash
# A fleet of three NFS "servers", each a Wine prefix of its own, made to match
# one desired state by Debian's ansible running docs/ansible/apply-state.yml:
# the first run changes all three, a second changes none, and a host whose
# state is refused fails alone while the others are still applied.
# Arguments: the source tree, the build tree.
set -uo pipefail
source_dir=$1 build_dir=$2
source "$source_dir/scripts/wine-env.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/nfs-fleet.XXXXXX")
trap 'for p in "$work"/host*; do WINEPREFIX=$p "$WINESERVER" -k 2>/dev/null; done; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

[ -f "$wine_template/.ready" ] || bash "$source_dir/scripts/wine-prefix.sh"
hosts=()
for host in host1 host2 host3; do
  prefix=$work/$host
  mkdir -p "$prefix"
  cp -a "$wine_template/." "$prefix/"
  install=$prefix/drive_c/Norvo/NFS
  mkdir -p "$install" "$prefix/drive_c/public" "$prefix/drive_c/data"
  printf 'c:\\old;0 \r\n' >"$install/exports"
  cp "$build_dir/tools/nfsctl/nfsctl.exe" "$install/"
  printf '[norvo]\r\ninstalldir=C:\\Norvo\\NFS\r\n' >"$prefix/drive_c/windows/norvo.ini"
  WINEPREFIX=$prefix "$WINESERVER" -p 30
  WINEPREFIX=$prefix "$WINE" wineboot </dev/null >/dev/null 2>&1
  hosts+=("$host ansible_connection=local under_wine=true wine=$WINE wine_prefix=$prefix nfsctl=C:/Norvo/NFS/nfsctl.exe")
done
inventory=$work/inventory.ini
# The inventory with the state of every host, and host3's own when given.
write_inventory() {
  {
    echo "[nfs_servers]"
    for line in "${hosts[@]}"; do
      if [ -n "${2:-}" ] && [[ $line == host3* ]]; then echo "$line state_file=$2"; else echo "$line"; fi
    done
    echo "[nfs_servers:vars]"
    echo "state_file=$1"
  } >"$inventory"
}

# The state every server is to be in, and one no server can take.
cat >"$work/state.json" <<'JSON'
{"schema": "nfs-server-state", "version": 1,
 "exports": [{"directory": "c:\\public", "all_clients": true, "clients": [], "mode": 0, "rw_list": []},
             {"directory": "c:\\data", "all_clients": false, "clients": ["alpha", "beta"], "mode": 2,
              "rw_list": ["alpha"]}],
 "users": [{"name": "alice", "uid": 500}]}
JSON
sed 's/"mode": 2/"mode": 7/' "$work/state.json" >"$work/invalid.json"
sed 's/"uid": 500/"uid": 501/' "$work/state.json" >"$work/state2.json"

# The recap's changed= and failed= counts of each host, as "host changed failed" lines.
run() {
  ANSIBLE_NOCOLOR=1 ANSIBLE_HOST_KEY_CHECKING=False ansible-playbook -i "$inventory" \
    "$source_dir/docs/ansible/apply-state.yml" "$@" >"$work/run.log" 2>&1
  sed -nE 's/^(host[0-9]) +: ok=[0-9]+ +changed=([0-9]+) .*failed=([0-9]+).*/\1 \2 \3/p' "$work/run.log"
}
expect() {  # expected recap, then the run's arguments
  local expected=$1 got
  shift
  got=$(run "$@" | tr '\n' ';')
  if [ "$got" != "$expected" ]; then
    fail "ansible-playbook $* gave '$got', not '$expected'"
    cat "$work/run.log"
  fi
}

write_inventory "$work/state.json"
# --check says what would change and writes nothing.
expect "host1 1 0;host2 1 0;host3 1 0;" --check
grep -q 'c:\\data' "$work/host1/drive_c/Norvo/NFS/exports" && fail "--check wrote the exports file"
expect "host1 1 0;host2 1 0;host3 1 0;"
expect "host1 0 0;host2 0 0;host3 0 0;"
for host in host1 host2 host3; do
  grep -q 'c:\\data alpha beta;2 alpha' "$work/$host/drive_c/Norvo/NFS/exports" || fail "$host: exports not applied"
done
# host3's state is refused: it fails alone, and the others take the new state.
write_inventory "$work/state2.json" "$work/invalid.json"
expect "host1 1 0;host2 1 0;host3 0 1;"
grep -q 'alice::501' "$work/host1/drive_c/windows/system32/drivers/etc/passwd" || fail "host1: passwd not applied"
grep -q 'alice' "$work/host3/drive_c/windows/system32/drivers/etc/passwd" 2>/dev/null &&
  grep -q 'alice::501' "$work/host3/drive_c/windows/system32/drivers/etc/passwd" && fail "host3 took a refused state"

if [ "$failures" -eq 0 ]; then echo "fleet: all checks passed"; fi
exit $((failures > 0))
