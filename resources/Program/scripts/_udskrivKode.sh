#!/bin/sh
# Writes KLASSE.sh into MAPPE (the current folder when none is given): a
# shell program that prints the data of the class as text.
#
#   sh _udskrivKode.sh KLASSE [MAPPE]
set -eu
. "$(dirname "$0")/_wmiKlasser.sh"
if [ $# -lt 1 ]; then
  echo "Brug: _udskrivKode.sh klasse [mappe]" >&2
  exit 2
fi
klasse=$1
mappe=${2:-.}
# Only a known class gets a program; its name also becomes a file name.
linjer=$(kommandoer "$klasse") || { echo "Ukendt klasse: $klasse" >&2; exit 2; }

{
  printf '#!/bin/sh\n'
  printf '# %s: systemoplysninger som tekst, skrevet af Marvikel.\n' "$klasse"
  printf '%s\n' "$SYSFS_FUNKTION"
  printf 'printf "%%s\\n\\n" %s\n' "'$klasse'"
  printf '%s\n' "$linjer" | while IFS='	' read -r titel kommando; do
    printf 'printf "== %%s ==\\n" %s\n' "'$titel'"
    printf '{ %s; } 2>&1\n' "$kommando"
    printf 'echo\n'
  done
  printf 'exit 0\n'
} | skrivAtomisk "$mappe/$klasse.sh"
