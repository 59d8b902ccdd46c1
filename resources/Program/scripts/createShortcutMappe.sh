#!/bin/sh
# A shortcut that opens a folder in Marvikel, as a freedesktop desktop entry.
#
#   sh createShortcutMappe.sh MAPPE NAVN MAPPESTI
#
# Writes MAPPE/NAVN.desktop. The program started is $MARVIKEL_PROGRAM (the
# caller passes its own executable's path), else "marvikel" from PATH.
# Prints nothing on success; on failure exits non-zero with a message on
# the error output.
set -eu
SKRIPT=createShortcutMappe.sh
. "$(dirname "$0")/desktopentry.sh"

[ $# -eq 3 ] || fejl "brug: createShortcutMappe.sh mappe navn mappesti"
mappe=$1 navn=$2 maal=$3
program=${MARVIKEL_PROGRAM:-marvikel}

[ -d "$mappe" ] || fejl "mappen findes ikke: $mappe"
tjek_navn "$navn"
case $maal in
  /*) ;;
  *) fejl "mappen skal angives med fuld sti: $maal" ;;
esac
[ -d "$maal" ] || fejl "genvejens mål er ikke en mappe: $maal"
tjek_tekst "$maal" "mappen"
tjek_tekst "$program" "programmet"

skriv_entry "$mappe" "$navn" "$(exec_argument "$program") $(exec_argument "$maal")" "" folder
