#!/bin/sh
# Writes the list of system information classes, one a line, to
# "classes.txt" in MAPPE (the current folder when none is given).
#
#   sh _wmiClasses.sh [MAPPE]
set -eu
. "$(dirname "$0")/_wmiKlasser.sh"
mappe=${1:-.}
klasser | skrivAtomisk "$mappe/classes.txt"
