#!/bin/bash
# Runs a test program against a print server of its own: a cupsd listening
# only on a socket in a temporary folder, with a cups-pdf queue as its default
# printer that writes each printed page into that folder. The server is
# stopped and the folder removed afterwards, whatever happens.
#
#   with_cupsd.sh PROGRAM [ARGUMENTS...]
#
# The program finds the server through CUPS_SERVER, the printed PDF files in
# GIEICHO_PRINTED_DIR, the queue's name in GIEICHO_PRINTER, its driver in
# GIEICHO_PRINTER_PPD and the server's process id in GIEICHO_CUPSD_PID (a
# test may stop the server for a while).
set -euo pipefail

fail() { echo "with_cupsd.sh: $*" >&2; exit 1; }

for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat /usr/lib/cups/backend/cups-pdf; do
  [ -x "$tool" ] || fail "$tool is missing: run tools/install-deps.sh --tests"
done
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -r "$ppd" ] || fail "$ppd is missing: run tools/install-deps.sh --tests"
[ "$(id -u)" -eq 0 ] || fail "cupsd and the cups-pdf backend need root"

root="$(mktemp -d /tmp/gieicho-cups.XXXXXX)"
queue="gieicho-$(basename "$root" | cut -d. -f2)"
# cups-pdf reads a queue's own settings from this file when the queue's
# device is cups-pdf:/NAME; the machine's cups-pdf.conf is left alone.
queue_conf="/etc/cups/cups-pdf-$queue.conf"
cupsd_pid=""

cleanup() {
  if [ -n "$cupsd_pid" ]; then
    # A server a test left stopped would never take the end signal.
    kill -CONT "$cupsd_pid" 2>/dev/null || true
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  rm -f "$queue_conf"
  rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Filters run as lp and must reach the spool below the folder.
chmod 0755 "$root"
mkdir -p "$root/etc/ppd" "$root/spool/tmp" "$root/cache" "$root/state" "$root/log" "$root/printed" \
         "$root/cups-pdf-spool"

# A queue may also print into a file, so that a test can give it one it
# cannot write.
cat > "$root/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
Printcap $root/printcap
FileDevice Yes
User lp
Group lp
SystemGroup root
CONF

# The socket is the only way in, so every request is allowed; a queue holds
# at most one unfinished job, which lets a test fill it.
cat > "$root/cupsd.conf" <<CONF
Listen $root/cups.sock
Browsing No
LogLevel info
MaxJobsPerPrinter 1
DefaultPolicy open
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy open>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cat > "$queue_conf" <<CONF
Out $root/printed
AnonDirName $root/printed
Spool $root/cups-pdf-spool
Log $root/log
Grp root
CONF

/usr/sbin/cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" >"$root/log/cupsd.out" 2>&1 &
cupsd_pid=$!

export CUPS_SERVER="$root/cups.sock"
unset PRINTER LPDEST
for _ in $(seq 100); do
  lpstat -r 2>/dev/null | grep -q "is running" && break
  kill -0 "$cupsd_pid" 2>/dev/null || { cat "$root/log/"* >&2; fail "cupsd did not start"; }
  sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "is running" || fail "cupsd did not answer"

lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" 2>>"$root/log/lpadmin"
lpadmin -d "$queue" 2>>"$root/log/lpadmin"

export GIEICHO_PRINTED_DIR="$root/printed"
export GIEICHO_PRINTER="$queue"
export GIEICHO_PRINTER_PPD="$ppd"
export GIEICHO_CUPSD_PID="$cupsd_pid"
status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- cupsd error log ---" >&2
  cat "$root/log/error_log" >&2 2>/dev/null || true
fi
exit "$status"
