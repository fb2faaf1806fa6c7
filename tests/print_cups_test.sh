#!/usr/bin/env bash
# Printing from the command line through a real CUPS: a cups-pdf queue named PDF takes the
# jobs of `thermavo /pt`, `--print-to` and `/p` (default printer through LPDEST), and the PDF
# files it writes must have the pages of the view each project was saved with: one for the
# Total Cooling Load table, three for the project input data.
#
# Installs cups, printer-driver-cups-pdf and poppler-utils (pdfinfo) when they are missing and
# this runs as root, and starts cupsd directly when no scheduler runs (there is no service
# manager in CI); that cupsd is stopped again at the end. Where CUPS cannot be had, the reason
# is printed and the test exits 77, which ctest reports as skipped.
#
# Usage: print_cups_test.sh THERMAVO THERMAVO_CLI SAVE_VIEW_KIND SOURCE_DIR WORK_DIR
set -uo pipefail

PROGRAM=$1 CLI=$2 SAVE_VIEW_KIND=$3 SOURCE=$4 WORK=$5
QUEUE=PDF
SKIP=77
export PATH="$PATH:/usr/sbin:/sbin"

skip() {
    echo "SKIPPED: $*"
    exit $SKIP
}
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

rm -rf "$WORK" && mkdir -p "$WORK" || fail "cannot make $WORK"
# The tool's options file and the program's settings stay private to the run.
export XDG_CONFIG_HOME="$WORK/config"

# ---- CUPS, the PDF printer and a page counter ----
missing=()
command -v cupsd >/dev/null || missing+=(cups)
[ -e /usr/lib/cups/backend/cups-pdf ] || missing+=(printer-driver-cups-pdf)
command -v pdfinfo >/dev/null || missing+=(poppler-utils)
if [ ${#missing[@]} -gt 0 ]; then
    [ "$(id -u)" = 0 ] || skip "missing ${missing[*]}, and only root can install them"
    echo "Installing: ${missing[*]}"
    if ! { apt-get -o DPkg::Lock::Timeout=300 update &&
        DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y \
            --no-install-recommends "${missing[@]}"; } >"$WORK/apt.log" 2>&1; then
        tail -5 "$WORK/apt.log"
        skip "could not install ${missing[*]}"
    fi
fi

scheduler_running() { lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }

STARTED_PID=
stop_started_cupsd() {
    if [ -n "$STARTED_PID" ]; then
        kill "$STARTED_PID" 2>/dev/null
        wait "$STARTED_PID" 2>/dev/null
    fi
}
trap stop_started_cupsd EXIT

if ! scheduler_running; then
    [ "$(id -u)" = 0 ] || skip "no CUPS scheduler runs, and only root can start one"
    # In the foreground of its own process, so that it is ours to stop; its output goes to a
    # file, or ctest would wait for it.
    cupsd -f >"$WORK/cupsd.log" 2>&1 &
    STARTED_PID=$!
    for _ in $(seq 50); do
        scheduler_running && break
        kill -0 "$STARTED_PID" 2>/dev/null || break
        sleep 0.2
    done
    if ! scheduler_running; then
        cat "$WORK/cupsd.log"
        STARTED_PID=
        skip "cupsd could not be started"
    fi
    echo "Started cupsd (pid $STARTED_PID)"
fi

# ---- The PDF queue ----
model=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
[ -n "$model" ] || skip "CUPS lists no cups-pdf printer model"
if ! lpstat -p "$QUEUE" >/dev/null 2>&1; then
    [ "$(id -u)" = 0 ] || skip "no $QUEUE queue, and only root can add it"
    lpadmin -p "$QUEUE" -v cups-pdf:/ -m "$model" -E 2>"$WORK/lpadmin.log" ||
        skip "the $QUEUE queue could not be added: $(cat "$WORK/lpadmin.log")"
fi
cupsenable "$QUEUE" 2>/dev/null
cupsaccept "$QUEUE" 2>/dev/null

# Where cups-pdf writes: its Out setting, ${HOME} being the home of whoever prints.
out=$(awk '$1 == "Out" { $1 = ""; sub(/^ +/, ""); print; exit }' /etc/cups/cups-pdf.conf 2>/dev/null)
[ -n "$out" ] || out='${HOME}/PDF'
home=$(getent passwd "$(id -un)" | cut -d: -f6)
OUT_DIR=${out//\$\{HOME\}/$home}
OUT_DIR=${OUT_DIR//\$\{USER\}/$(id -un)}
echo "cups-pdf writes to $OUT_DIR"

# ---- The projects: the example office saved showing the table and the input data ----
"$CLI" build "$SOURCE/examples/office.json" -o "$WORK/built.Spc" >/dev/null ||
    fail "thermavo-cli build failed"
"$SAVE_VIEW_KIND" "$WORK/built.Spc" 101 "$WORK/office.Spc" || fail "saving kind 101 failed"
"$SAVE_VIEW_KIND" "$WORK/built.Spc" 202 "$WORK/inputdata.Spc" || fail "saving kind 202 failed"

# Prints with the words given and checks the pages of the PDF that the queue writes.
check_print() {
    local pages=$1
    shift
    local marker="$WORK/marker.$RANDOM"
    touch "$marker"
    sleep 1
    echo "thermavo $*"
    QT_QPA_PLATFORM=offscreen "$PROGRAM" "$@" >"$WORK/print.out" 2>"$WORK/print.err"
    local status=$?
    cat "$WORK/print.err"
    [ $status -eq 0 ] || fail "thermavo $* exited with $status"
    local pdf=
    for _ in $(seq 120); do
        pdf=$(find "$OUT_DIR" -name '*.pdf' -newer "$marker" 2>/dev/null | head -n 1)
        # cups-pdf writes the file in place: it is whole once the job has left the queue.
        if [ -n "$pdf" ] && [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ]; then break; fi
        sleep 0.5
    done
    if [ -z "$pdf" ]; then
        lpstat -W completed -o "$QUEUE" 2>&1 | tail -3
        tail -20 /var/log/cups/error_log 2>/dev/null
        fail "no PDF appeared in $OUT_DIR for thermavo $*"
    fi
    local got
    got=$(pdfinfo "$pdf" 2>/dev/null | awk '$1 == "Pages:" { print $2 }')
    echo "  $pdf: $got page(s)"
    [ "$got" = "$pages" ] || fail "$pdf has ${got:-no} pages, $pages expected (thermavo $*)"
    rm -f "$pdf"
}

check_print 1 /pt "$WORK/office.Spc" "$QUEUE"
check_print 3 --print-to "$QUEUE" "$WORK/inputdata.Spc"
# The default printer, as CUPS picks it for whoever prints.
export LPDEST=$QUEUE
check_print 3 /p "$WORK/inputdata.Spc"
unset LPDEST

echo "Printed through CUPS: 1 page for the table, 3 for the input data."
