#!/usr/bin/env bash
# The printout of test_druck ($1) through a private cupsd whose default queue is cups-pdf.
# cups-pdf reads only /etc/cups: a private mount namespace keeps the machine's setup untouched.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "Übersprungen: cups-pdf druckt nur, wenn der Test als root läuft."; exit 77; }
o=$(mktemp -d /tmp/bewahrix-cups.XXXXXX)
chmod 755 "$o"  # the filters run as lp
cupsd_pid=
trap 'kill $cupsd_pid 2>/dev/null || true; wait; rm -rf "$o"' EXIT
mkdir -p "$o"/{etc/ppd,spool/tmp,cache,state,log,pdf,pdf-spool}
printf '%s\n' "ServerRoot $o/etc" "RequestRoot $o/spool" "TempDir $o/spool/tmp" "CacheDir $o/cache" \
  "StateDir $o/state" "ErrorLog $o/log/error_log" "AccessLog $o/log/access_log" "PageLog $o/log/page_log" \
  "Printcap $o/printcap" "User lp" "Group lp" "SystemGroup root" "FileDevice No" >"$o/cups-files.conf"
printf '%s\n' "Listen $o/cups.sock" "Browsing No" "WebInterface No" "DefaultAuthType None" \
  "<Location />" "Allow all" "</Location>" "<Policy default>" "<Limit All>" "</Limit>" "</Policy>" >"$o/cupsd.conf"
printf '%s\n' "Out $o/pdf" "AnonDirName $o/pdf" "Spool $o/pdf-spool" "Log $o/log" "LogType 3" \
  "DecodeHexStrings 1" >"$o/cups-pdf.conf"

# exec: the PID is cupsd's own; the parent-death signal stops it should this script be killed.
setpriv --pdeathsig TERM unshare -m --propagation private sh -c \
  "mount --bind '$o/cups-pdf.conf' /etc/cups/cups-pdf.conf &&
   exec /usr/sbin/cupsd -f -c '$o/cupsd.conf' -s '$o/cups-files.conf'" >"$o/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$o/cups.sock
unset PRINTER LPDEST
timeout 10 sh -c 'until lpstat -r 2>/dev/null | grep -qx "scheduler is running"; do sleep 0.1; done' ||
  { cat "$o"/log/*; echo "cupsd antwortet nicht"; exit 1; }
# Without pdftocairo the PDF's text could not be read back.
lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o pdftops-renderer-default=pdftocairo
lpadmin -d PDF
BEWAHRIX_PDF_ORDNER=$o/pdf "$1" --gtest_filter=PdfDruck.SeitenInReihenfolgeUndRoteFehlerzeilenNurAufWunsch |
  tee "$o/log/test" && grep -q '^\[  PASSED  \] 1 test' "$o/log/test" || { tail -n 40 "$o/log/error_log"; exit 1; }
