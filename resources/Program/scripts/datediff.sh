#!/bin/sh
# The difference between two dates, for the calendar window.
#
#   sh datediff.sh RESULTATFIL DATO1 DATO2
#
# The dates are day-month-year ("31-1-2024" or "31-01-2024"). The result
# file gets four lines: years, months and days of the difference, then the
# number of days in all. It is counted as people count, from the earlier
# date to the later: whole months first, then the days that are left. A
# month step that would land beyond a month's end lands on its last day, so
# 31-01-2023 to 28-02-2023 is one month, and 29-02-2024 to 28-02-2025 is
# one year. The file is written under a temporary name and renamed into
# place, so whoever waits for it never reads half of it.
set -eu

if [ $# -ne 3 ]; then
  echo "Brug: datediff.sh resultatfil dato1 dato2" >&2
  exit 2
fi

# A field as a decimal number without leading zeros (sh arithmetic would
# read "08" as octal); fails for anything but 1 to 4 digits.
tal() {
  case $1 in
    '' | *[!0-9]*) return 1 ;;
  esac
  [ ${#1} -le 4 ] || return 1
  t=${1#"${1%%[!0]*}"}
  echo "${t:-0}"
}

skudaar() {
  [ $(($1 % 4)) -eq 0 ] && { [ $(($1 % 100)) -ne 0 ] || [ $(($1 % 400)) -eq 0 ]; }
}

# Days in month $1 of year $2.
maanedslaengde() {
  case $1 in
    2) if skudaar "$2"; then echo 29; else echo 28; fi ;;
    4 | 6 | 9 | 11) echo 30 ;;
    *) echo 31 ;;
  esac
}

# Day number of day $1, month $2, year $3 (days since 1 January 1970, in the
# Gregorian calendar carried back before its introduction).
dagnummer() {
  y=$3
  if [ "$2" -le 2 ]; then y=$((y - 1)); mp=$(($2 + 9)); else mp=$(($2 - 3)); fi
  era=$((y / 400))
  yoe=$((y - era * 400))
  doy=$(((153 * mp + 2) / 5 + $1 - 1))
  doe=$((yoe * 365 + yoe / 4 - yoe / 100 + doy))
  echo $((era * 146097 + doe - 719468))
}

# Reads "day-month-year" into DAG, MAANED, AAR; fails for a day that does
# not exist.
dato() {
  case $1 in
    *-*-*) ;;
    *) return 1 ;;
  esac
  d=${1%%-*}
  rest=${1#*-}
  m=${rest%%-*}
  y=${rest#*-}
  DAG=$(tal "$d") && MAANED=$(tal "$m") && AAR=$(tal "$y") || return 1
  [ "$AAR" -ge 1 ] && [ "$MAANED" -ge 1 ] && [ "$MAANED" -le 12 ] && [ "$DAG" -ge 1 ] || return 1
  [ "$DAG" -le "$(maanedslaengde "$MAANED" "$AAR")" ]
}

if ! dato "$2"; then
  echo "datediff.sh: ugyldig dato: $2" >&2
  exit 1
fi
d1=$DAG m1=$MAANED y1=$AAR
if ! dato "$3"; then
  echo "datediff.sh: ugyldig dato: $3" >&2
  exit 1
fi
d2=$DAG m2=$MAANED y2=$AAR

n1=$(dagnummer "$d1" "$m1" "$y1")
n2=$(dagnummer "$d2" "$m2" "$y2")
if [ "$n1" -gt "$n2" ]; then
  t=$d1 d1=$d2 d2=$t
  t=$m1 m1=$m2 m2=$t
  t=$y1 y1=$y2 y2=$t
  t=$n1 n1=$n2 n2=$t
fi

# The earlier date moved $1 months on, as a day number; the day is cut
# back to the target month's last day when that month is shorter.
maaneder_frem() {
  t=$((y1 * 12 + m1 - 1 + $1))
  ny=$((t / 12))
  nm=$((t % 12 + 1))
  nd=$d1
  l=$(maanedslaengde "$nm" "$ny")
  [ "$nd" -le "$l" ] || nd=$l
  dagnummer "$nd" "$nm" "$ny"
}

maaneder=$(((y2 * 12 + m2) - (y1 * 12 + m1)))
if [ "$(maaneder_frem "$maaneder")" -gt "$n2" ]; then
  maaneder=$((maaneder - 1))
fi
dage=$((n2 - $(maaneder_frem "$maaneder")))

tmp="$1.$$.tmp"
printf '%s\r\n' $((maaneder / 12)) $((maaneder % 12)) "$dage" $((n2 - n1)) >"$tmp"
mv -f "$tmp" "$1"
