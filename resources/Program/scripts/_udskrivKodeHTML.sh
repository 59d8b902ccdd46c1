#!/bin/sh
# Writes KLASSE_Html.sh into MAPPE (the current folder when none is given):
# a shell program that writes the data of the class as the web page
# KLASSE.html beside itself.
#
#   sh _udskrivKodeHTML.sh KLASSE [MAPPE]
#
# Every value the page shows is escaped ("&", "<", ">", quotes), control
# characters and bytes that are not UTF-8 are left out, so names of
# processes, users and devices can never break the page.
set -eu
. "$(dirname "$0")/_wmiKlasser.sh"
if [ $# -lt 1 ]; then
  echo "Brug: _udskrivKodeHTML.sh klasse [mappe]" >&2
  exit 2
fi
klasse=$1
mappe=${2:-.}
linjer=$(kommandoer "$klasse") || { echo "Ukendt klasse: $klasse" >&2; exit 2; }

{
  cat <<HOVED
#!/bin/sh
# $klasse: systemoplysninger som webside, skrevet af Marvikel.
# Writes $klasse.html beside this program, under a temporary name first.
$SYSFS_FUNKTION
rens() {
  LC_ALL=C tr -d '\000-\010\013\014\016-\037\177' | iconv -f UTF-8 -t UTF-8 -c 2>/dev/null |
    sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g' -e "s/'/\&#39;/g"
}
side="\$(cd "\$(dirname "\$0")" && pwd)/$klasse.html"
tmp="\$(dirname "\$side")/.$klasse.html.\$\$"
{
printf '<!DOCTYPE html>\n<html lang="da">\n<head>\n<meta charset="utf-8"/>\n<title>%s</title>\n' '$klasse'
printf '<style>body{font-family:sans-serif;margin:1em}h2{font-size:1.1em;border-bottom:1px solid #c0c0c0}pre{background:#f4f4f4;padding:.5em;overflow:auto}</style>\n'
printf '</head>\n<body>\n<h1>%s</h1>\n' '$klasse'
HOVED
  printf '%s\n' "$linjer" | while IFS='	' read -r titel kommando; do
    printf "printf '<h2>%%s</h2>\\\\n<pre>' %s\n" "'$titel'"
    printf '{ %s; } 2>&1 | rens\n' "$kommando"
    printf "printf '</pre>\\\\n'\n"
  done
  cat <<'FOD'
printf '</body>\n</html>\n'
} > "$tmp" && mv -f "$tmp" "$side" || { rm -f "$tmp"; exit 1; }
exit 0
FOD
} | skrivAtomisk "$mappe/${klasse}_Html.sh"
