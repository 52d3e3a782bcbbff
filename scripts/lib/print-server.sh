#!/usr/bin/env bash
# Starts the CUPS print server unless it runs already, waits until it answers, and makes its PDF
# printer (cups-pdf, which writes each job into ~/PDF of the job's user) the default queue. Run it
# before any Wine process starts: Wine reads the printers at every process start.
#   print-server.sh
set -euo pipefail
source "$(dirname "$0")/common.sh"
# The CUPS tools answer in the locale's language; the answers below are compared in English.
export LC_ALL=C LANG=C

pdf_queue=PDF
pdf_ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

# lpstat -r says whether the scheduler runs, with exit status 0 either way.
answering() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

# Test runs side by side start one scheduler between them.
exec 9>/tmp/piktoran-print-server.lock
flock 9

if ! answering; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "print-server.sh: the CUPS scheduler is not running and only root can start it" >&2
    exit 1
  fi
  # A daemon of the machine's: it stays for later runs, which find it answering.
  /usr/sbin/cupsd 9>&-
fi

deadline=$((SECONDS + 30))
until answering; do
  if [ "$SECONDS" -ge "$deadline" ]; then
    echo "print-server.sh: the CUPS scheduler does not answer" >&2
    exit 1
  fi
  sleep 0.1
done

if ! lpstat -v "$pdf_queue" >/dev/null 2>&1; then
  say "adding the $pdf_queue printer"
  quietly lpadmin -p "$pdf_queue" -E -v cups-pdf:/ -P "$pdf_ppd"
fi
if [ "$(lpstat -d 2>/dev/null)" != "system default destination: $pdf_queue" ]; then
  quietly lpadmin -d "$pdf_queue"
fi
