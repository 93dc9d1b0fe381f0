#!/usr/bin/env bash
# Prints the report to real CUPS print queues and reads the jobs back: a CUPS
# of its own (cupsd with its configuration, spool and socket in a temporary
# folder, so the machine's print system and its printers are left alone)
# with two queues on cups-pdf, the PDF printer Debian ships:
# siltmere-test-pdf, which writes each job into the temporary folder, and
# siltmere-test-reject, which refuses jobs (cupsreject). Exits 77 (skipped),
# saying so, where CUPS, cups-pdf or poppler's tools are not installed
# (scripts/lib/install-deps.sh print installs them), and where not run as
# root, since cups-pdf runs only as root.
#   scripts/checks/cups-print.sh [TEST]          runs the cups_print_test program TEST
#   scripts/checks/cups-print.sh --run COMMAND...  runs COMMAND with the queues instead
# Both get CUPS_SERVER (the private socket), SILTMERE_TEST_PRINTER,
# SILTMERE_TEST_REJECTING_PRINTER and SILTMERE_TEST_PRINTER_OUT (where the
# printed jobs go). cups-pdf reads a queue's settings only from /etc/cups,
# so the script writes /etc/cups/cups-pdf-siltmere-test-pdf.conf while it
# runs and removes it when it ends.
set -euo pipefail
cd "$(dirname "$0")/../.."

skip() {
    echo "SKIPPED: $1 (scripts/lib/install-deps.sh print installs it)"
    exit 77
}
[[ -x /usr/sbin/cupsd ]] || skip "CUPS (cupsd) is not installed"
command -v lpadmin >/dev/null && command -v cupsreject >/dev/null || skip "CUPS's client tools are not installed"
[[ -e /usr/lib/cups/backend/cups-pdf ]] || skip "cups-pdf (printer-driver-cups-pdf) is not installed"
command -v pdftoppm >/dev/null && command -v pdfinfo >/dev/null || skip "poppler's pdftoppm and pdfinfo are not installed"
if [[ $(id -u) -ne 0 ]]; then
    echo "SKIPPED: cups-pdf prints only in a CUPS run as root: run this as root"
    exit 77
fi

run=()
if [[ "${1:-}" == --run ]]; then
    shift
    run=("$@")
else
    run=("$(realpath "${1:-build/default/tests/report/cups_print_test}")")
fi

pdf_queue=siltmere-test-pdf
reject_queue=siltmere-test-reject
queue_conf=/etc/cups/cups-pdf-$pdf_queue.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

# Readable by the filters, which CUPS runs as lp.
work="$(mktemp -d /tmp/siltmere-cups.XXXXXX)"
chmod 755 "$work"
mkdir -m 755 "$work"/{cache,state,log,out,ppd}
mkdir -m 1777 "$work"/tmp "$work"/cups-pdf-spool
mkdir -m 710 "$work"/spool
chgrp lp "$work"/spool
cupsd_pid=
cleanup() {
    if [[ -n "$cupsd_pid" ]]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f "$queue_conf"
    rm -rf "$work"
}
trap cleanup EXIT

cat >"$work/cups-files.conf" <<EOF
ServerRoot $work
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
Printcap $work/printcap
SystemGroup root
FileDevice No
EOF
cat >"$work/cupsd.conf" <<EOF
Listen $work/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
# One line per job, named by its number: the test finds each job's file.
cat >"$queue_conf" <<EOF
Out $work/out
AnonDirName $work/out
Spool $work/cups-pdf-spool
GSTmp $work/tmp
Log $work/log
Label 1
Grp root
EOF

/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$work/cups.sock"
for _ in $(seq 100); do
    [[ -S "$CUPS_SERVER" ]] && lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
done
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "cups-print: the private cupsd did not start:" >&2
    cat "$work/log/error_log" >&2 2>/dev/null || true
    exit 1
fi

# lpadmin's -P still works in CUPS 2.4, with a warning that PPD files are to
# go one day.
for queue in "$pdf_queue" "$reject_queue"; do
    lpadmin -p "$queue" -E -v "cups-pdf:/$pdf_queue" -P "$ppd" -o PageSize=A4 2>&1 |
        { grep -v 'Printer drivers are deprecated' || true; } >&2
done
cupsreject -r "refused by the print test" "$reject_queue"
# The default printer, as an office's is: what a print dialog offers first.
lpadmin -d "$pdf_queue"

export SILTMERE_TEST_PRINTER="$pdf_queue" SILTMERE_TEST_REJECTING_PRINTER="$reject_queue"
export SILTMERE_TEST_PRINTER_OUT="$work/out"
status=0
"${run[@]}" || status=$?
if ((status != 0)) && [[ -s "$work/log/error_log" ]]; then
    echo "--- the private cupsd's error log:"
    cat "$work/log/error_log"
fi
exit "$status"
