# Shared by createShortcut.sh and createShortcutMappe.sh (read with "."):
# the checks and the writing of one freedesktop desktop entry, the Linux
# form of a shortcut. $SKRIPT names the script in its messages.

NL='
'
CR=$(printf '\r')

fejl() {
  printf '%s: %s\n' "$SKRIPT" "$1" >&2
  exit 1
}

# A desktop entry holds UTF-8 text on one line per key; anything else would
# give an entry that no desktop reads as meant.
tjek_tekst() {
  case $1 in
    *"$NL"* | *"$CR"*) fejl "$2 indeholder et linjeskift: $1" ;;
  esac
  printf '%s' "$1" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 || fejl "$2 er ikke gyldig UTF-8: $1"
}

# The file name of the entry is the name as typed plus ".desktop"; a name
# the file system cannot hold is refused rather than changed.
tjek_navn() {
  [ -n "$1" ] || fejl "genvejen har intet navn"
  case $1 in
    */*) fejl "et navn kan ikke indeholde \"/\": $1" ;;
  esac
  tjek_tekst "$1" "navnet"
  [ "$(printf '%s.desktop' "$1" | wc -c)" -le 255 ] || fejl "navnet er for langt: $1"
}

# A value of the type string: a backslash is written doubled.
streng() {
  printf '%s' "$1" | sed 's/\\/\\\\/g'
}

# One argument of the Exec key, always in double quotes: inside them '"',
# '`', '$' and '\' take a backslash; the whole value is then a string, so
# every backslash is doubled once more; a per cent sign is written "%%" so
# it is never read as a field code.
exec_argument() {
  printf '"%s"' "$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')"
}

# skriv_entry MAPPE NAVN EXEC [ARBEJDSMAPPE] [IKON]
# Writes MAPPE/NAVN.desktop under a temporary name in MAPPE and moves it into
# place, so whoever waits for the file never reads half of it.
skriv_entry() {
  mappe=$1 navn=$2 kommando=$3 arbejdsmappe=${4:-} ikon=${5:-}
  maal="$mappe/$navn.desktop"
  [ ! -d "$maal" ] || fejl "der ligger en mappe med genvejens navn: $maal"
  tmp=$(mktemp "$mappe/.marvikel-genvej.XXXXXX") || fejl "kan ikke skrive i mappen: $mappe"
  trap 'rm -f "$tmp"' EXIT
  trap 'exit 1' HUP INT TERM
  {
    printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Version=1.0'
    printf 'Name=%s\n' "$(streng "$navn")"
    printf 'Exec=%s\n' "$kommando"
    [ -z "$arbejdsmappe" ] || printf 'Path=%s\n' "$(streng "$arbejdsmappe")"
    [ -z "$ikon" ] || printf 'Icon=%s\n' "$(streng "$ikon")"
    printf '%s\n' 'Terminal=false'
  } >"$tmp" || fejl "genvejen kunne ikke skrives: $maal"
  # The entry gets the rights of any new file of the user.
  chmod "$(printf '%o' $((0666 & ~$(umask))))" "$tmp" || fejl "genvejen kunne ikke skrives: $maal"
  mv -f -T "$tmp" "$maal" || fejl "genvejen kunne ikke lægges på plads: $maal"
  trap - EXIT
}
