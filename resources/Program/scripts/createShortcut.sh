#!/bin/sh
# A shortcut to a program or a file, as a freedesktop desktop entry.
#
#   sh createShortcut.sh MAPPE NAVN MAAL [ARGUMENT] [ARBEJDSMAPPE] [IKON]
#
# Writes MAPPE/NAVN.desktop. A program (an executable file) is started
# with ARGUMENT as its one argument when that is given, in ARBEJDSMAPPE
# (default: the program's folder); any other file or folder is opened with
# the desktop's default application through xdg-open. Prints nothing on
# success; on failure exits non-zero with a message on the error output.
set -eu
SKRIPT=createShortcut.sh
. "$(dirname "$0")/desktopentry.sh"

[ $# -ge 3 ] && [ $# -le 6 ] || fejl "brug: createShortcut.sh mappe navn mål [argument] [arbejdsmappe] [ikon]"
mappe=$1 navn=$2 maal=$3 argument=${4:-} arbejdsmappe=${5:-} ikon=${6:-}

[ -d "$mappe" ] || fejl "mappen findes ikke: $mappe"
tjek_navn "$navn"
case $maal in
  /*) ;;
  *) fejl "målet skal angives med fuld sti: $maal" ;;
esac
[ -e "$maal" ] || fejl "genvejens mål blev ikke fundet: $maal"
for t in "$maal" "$argument" "$arbejdsmappe" "$ikon"; do
  tjek_tekst "$t" "teksten"
done

if [ -f "$maal" ] && [ -x "$maal" ]; then
  kommando=$(exec_argument "$maal")
  [ -z "$argument" ] || kommando="$kommando $(exec_argument "$argument")"
  [ -n "$arbejdsmappe" ] || arbejdsmappe=$(dirname "$maal")
else
  kommando="xdg-open $(exec_argument "$maal")"
fi
skriv_entry "$mappe" "$navn" "$kommando" "$arbejdsmappe" "$ikon"
