#!/usr/bin/env bash
# Prints through a real CUPS server: a private cupsd (own config, spool and
# socket in a temporary folder) with one cups-pdf queue as the default
# printer, then runs the printing program given as $1 against it. cups-pdf
# reads its settings only from /etc/cups; the server runs in a private mount
# namespace where a private copy lies over that file, so the machine's CUPS
# setup stays untouched. Exit 77 (skipped) when not root: cups-pdf refuses
# to run otherwise.
set -euo pipefail
programm=$1

if [ "$(id -u)" -ne 0 ]; then
  echo "Übersprungen: cups-pdf druckt nur, wenn der Test als root läuft."
  exit 77
fi
for werkzeug in /usr/sbin/cupsd lpadmin lpstat pdftotext pdftoppm unshare setpriv; do
  command -v "$werkzeug" >/dev/null || { echo "Es fehlt: $werkzeug"; exit 1; }
done
[ -x /usr/lib/cups/backend/cups-pdf ] || { echo "Es fehlt das cups-pdf-Backend"; exit 1; }

ordner=$(mktemp -d /tmp/bewahrix-cups.XXXXXX)
chmod 755 "$ordner"  # the filters run as lp
cupsd_pid=
aufraeumen() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  rm -rf "$ordner"
}
trap aufraeumen EXIT

mkdir -p "$ordner"/{etc/ppd,spool/tmp,cache,state,log,pdf,cups-pdf-spool}
cat >"$ordner/cups-files.conf" <<KONF
ServerRoot $ordner/etc
RequestRoot $ordner/spool
TempDir $ordner/spool/tmp
CacheDir $ordner/cache
StateDir $ordner/state
ErrorLog $ordner/log/error_log
AccessLog $ordner/log/access_log
PageLog $ordner/log/page_log
Printcap $ordner/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
FileDevice No
KONF
cat >"$ordner/cupsd.conf" <<KONF
Listen $ordner/cups.sock
LogLevel info
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
KONF
cat >"$ordner/cups-pdf.conf" <<KONF
Out $ordner/pdf
AnonDirName $ordner/pdf
Spool $ordner/cups-pdf-spool
Log $ordner/log
LogType 3
DecodeHexStrings 1
KONF

# exec keeps one process: the PID below is cupsd's own. Should this script
# be killed outright, the parent-death signal still stops the server.
setpriv --pdeathsig TERM unshare -m --propagation private sh -c \
  "mount --bind '$ordner/cups-pdf.conf' /etc/cups/cups-pdf.conf &&
   exec /usr/sbin/cupsd -f -c '$ordner/cupsd.conf' -s '$ordner/cups-files.conf'" \
  >"$ordner/log/cupsd.out" 2>&1 &
cupsd_pid=$!

export CUPS_SERVER=$ordner/cups.sock
unset PRINTER LPDEST
for _ in $(seq 100); do
  [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ] && break
  kill -0 "$cupsd_pid" 2>/dev/null || { cat "$ordner/log/"*; echo "cupsd startete nicht"; exit 1; }
  sleep 0.1
done
[ "$(lpstat -r)" = "scheduler is running" ] || { echo "cupsd antwortet nicht"; exit 1; }

lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -d PDF
# Without it the PDF's text could not be read back.
lpadmin -p PDF -o pdftops-renderer-default=pdftocairo

export BEWAHRIX_PDF_ORDNER=$ordner/pdf
"$programm" || {
  echo "--- Protokoll des cupsd ---"
  tail -n 40 "$ordner/log/error_log" || true
  exit 1
}
