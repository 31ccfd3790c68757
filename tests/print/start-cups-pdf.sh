#!/bin/sh
# Sets up a cups-pdf print queue for the print-queue test (PrintQueueTest):
# installs CUPS and cups-pdf when they are missing, starts cupsd when no
# scheduler answers, and adds the queue. Run as root (or with sudo at hand).
# cups-pdf writes each job to ~/PDF of the user who printed it (as root:
# /root/PDF). Then run the test with the queue named:
#
#   PORKANE_TEST_PRINT_QUEUE=PDF ctest --test-dir build -R print_tests
#
# Usage: start-cups-pdf.sh [QUEUE]   (default PDF)
set -eu

queue=${1:-PDF}
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

missing=""
for package in cups cups-client printer-driver-cups-pdf; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

# lpstat -r succeeds either way; only its words tell.
running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

# Containers run no init system: start the scheduler by hand when none
# answers (it detaches itself).
if ! running; then
    $sudo cupsd
fi
tries=0
until running; do
    tries=$((tries + 1))
    if [ "$tries" -gt 30 ]; then
        echo "start-cups-pdf.sh: cupsd does not answer" >&2
        exit 1
    fi
    sleep 1
done

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
$sudo lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd"
$sudo cupsenable "$queue" 2>/dev/null || true
$sudo cupsaccept "$queue" 2>/dev/null || true
echo "print queue $queue is ready; its PDFs go to ~/PDF"
