#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests and the demo, never the
# machine's own: its configuration, spool and socket live in one folder, and its
# raw queues hand each job's bytes to a file that a test can read.
#
#   cups-rig.sh start DIR QUEUE...   starts cupsd in DIR with those raw queues
#   cups-rig.sh stop DIR             stops it and leaves DIR for inspection
#   cups-rig.sh socket DIR           prints the scheduler's socket path
#
# Programs reach it with CUPS_SERVER=<socket path>. A socket path must be short
# (about 100 bytes), so it lives in /tmp/nfs-cups-<first 12 hex digits of the
# MD5 of DIR's physical path>/, which CMake computes the same way for the tests. Job n of queue q lands in
# DIR/out/q/n once complete (written under another name, then renamed).
set -euo pipefail

command=${1:-}
dir=${2:-}
[ -n "$command" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR [QUEUE...]" >&2; exit 2; }
mkdir -p "$dir"
dir=$(cd "$dir" && pwd -P)
shift 2
socket_dir=/tmp/nfs-cups-$(printf %s "$dir" | md5sum | cut -c1-12)
socket=$socket_dir/cups.sock
if [ "$command" = socket ]; then
  echo "$socket"
  exit 0
fi

stop() {
  [ -f "$dir/cupsd.pid" ] || return 0
  local pid
  pid=$(cat "$dir/cupsd.pid")
  rm -f "$dir/cupsd.pid"
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
}

if [ "$command" = stop ]; then
  stop
  exit 0
fi
[ "$command" = start ] || { echo "$0: unknown command $command" >&2; exit 2; }
stop

rm -rf "$dir/conf" "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/bin" "$dir/out"
rm -rf "$socket_dir"
mkdir -p "$socket_dir" "$dir/conf/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/bin" "$dir/out"
chmod 0755 "$dir" "$dir/out"

# cupsd runs its helpers from ServerBin: the system's, plus the capture backend.
for sub in /usr/lib/cups/*; do ln -s "$sub" "$dir/bin/$(basename "$sub")"; done
rm "$dir/bin/backend"
mkdir "$dir/bin/backend"
for backend in /usr/lib/cups/backend/*; do ln -s "$backend" "$dir/bin/backend/"; done
cat >"$dir/bin/backend/capture" <<'BACKEND'
#!/bin/sh
# capture:/folder — writes the job's bytes to /folder/<job id>.
if [ $# -eq 0 ]; then
  echo 'direct capture "Unknown" "Job bytes into a folder"'
  exit 0
fi
folder=${DEVICE_URI#capture:}
mkdir -p "$folder"
partial="$folder/.$1.partial"
if [ $# -ge 6 ]; then cat "$6" >"$partial"; else cat >"$partial"; fi
chmod 0644 "$partial"
if head -c 4 "$partial" | grep -q '^%!PS'; then
  gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite -sOutputFile="$folder/.$1.txt" "$partial" \
    </dev/null >/dev/null 2>&1 && chmod 0644 "$folder/.$1.txt" && mv "$folder/.$1.txt" "$folder/$1.txt"
fi
mv "$partial" "$folder/$1"
BACKEND
# Mode 0700 makes cupsd run it as root, so it may write wherever the tests read.
chmod 0700 "$dir/bin/backend/capture"

user=$(id -un)
group=$(id -gn)
cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/bin
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup $group
FileDevice No
CONF
[ "$user" = root ] || echo "User $user" >>"$dir/conf/cups-files.conf"
cat >"$dir/conf/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
IdleExitTimeout 0
Browsing No
DefaultAuthType None
WebInterface No
PreserveJobHistory No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" </dev/null >>"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"
export CUPS_SERVER=$socket
for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -r >/dev/null 2>&1 || { cat "$dir/log/"* >&2; stop; echo "cups-rig: cupsd did not start" >&2; exit 1; }

first=""
for queue in "$@"; do
  mkdir -p "$dir/out/$queue"
  lpadmin -p "$queue" -E -v "capture:$dir/out/$queue"
  [ -n "$first" ] || first=$queue
done
# The first queue is the default printer, which Wine makes the Windows default.
[ -z "$first" ] || lpadmin -d "$first"
echo "cups-rig: cupsd on $socket with queues: $*"
