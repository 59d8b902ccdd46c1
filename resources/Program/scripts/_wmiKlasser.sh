#!/bin/sh
# The system information classes and what each one shows, shared by the
# scripts that list the classes and write a program for one of them.
#
#   . _wmiKlasser.sh
#   klasser              one class name a line
#   kommandoer KLASSE    one line per section: heading, a tab, the command
#                        that prints it; fails for an unknown class
#
# The commands come from packages every Debian system has (coreutils,
# util-linux, procps, iproute2, systemd); lspci and lsusb are optional and
# have fallbacks in sysfs. Each command runs with its error output joined to
# its output, so a section on a machine without the tool says why it is
# empty instead of failing the whole program.

klasser() {
  cat <<'KLASSER'
Linux_OperatingSystem
Linux_ComputerSystem
Linux_Processor
Linux_PhysicalMemory
Linux_LogicalDisk
Linux_DiskDrive
Linux_NetworkAdapter
Linux_BIOS
Linux_Process
Linux_Service
Linux_UserAccount
Linux_Environment
Linux_PCIDevice
Linux_USBDevice
Linux_Battery
Linux_StartupCommand
KLASSER
}

# Prints every file of a sysfs folder as "name: value".
# Used inside the written programs, so it is written into them too.
SYSFS_FUNKTION='sysfs() { for f in "$@"; do [ -r "$f" ] && printf "%s: %s\n" "${f##*/}" "$(cat "$f" 2>/dev/null)"; done; return 0; }'

kommandoer() {
  T='	'
  case $1 in
    Linux_OperatingSystem)
      printf '%s\n' "Kerne (uname -a)${T}uname -a"
      printf '%s\n' "Distribution (/etc/os-release)${T}cat /etc/os-release" ;;
    Linux_ComputerSystem)
      printf '%s\n' "Værtsnavn (hostname)${T}hostname"
      printf '%s\n' "Fabrikant og model${T}sysfs /sys/class/dmi/id/sys_vendor /sys/class/dmi/id/product_name /sys/class/dmi/id/product_version"
      printf '%s\n' "Oppetid (uptime)${T}uptime" ;;
    Linux_Processor)
      printf '%s\n' "Processor (lscpu)${T}if command -v lscpu >/dev/null; then lscpu; else cat /proc/cpuinfo; fi" ;;
    Linux_PhysicalMemory)
      printf '%s\n' "Hukommelse (free -h)${T}free -h"
      printf '%s\n' "Detaljer (/proc/meminfo)${T}cat /proc/meminfo" ;;
    Linux_LogicalDisk)
      printf '%s\n' "Filsystemer (df -hT)${T}df -hT"
      printf '%s\n' "Monteringer (findmnt)${T}findmnt --real" ;;
    Linux_DiskDrive)
      printf '%s\n' "Diske (lsblk)${T}lsblk -o NAME,TYPE,SIZE,RM,RO,FSTYPE,LABEL,MOUNTPOINTS" ;;
    Linux_NetworkAdapter)
      printf '%s\n' "Netværkskort (ip -br link)${T}ip -br link"
      printf '%s\n' "Adresser (ip -br addr)${T}ip -br addr" ;;
    Linux_BIOS)
      printf '%s\n' "BIOS${T}sysfs /sys/class/dmi/id/bios_vendor /sys/class/dmi/id/bios_version /sys/class/dmi/id/bios_date /sys/class/dmi/id/bios_release" ;;
    Linux_Process)
      printf '%s\n' "Processer (ps)${T}ps -eo pid,user,pcpu,pmem,comm" ;;
    Linux_Service)
      printf '%s\n' "Tjenester (systemctl)${T}systemctl list-units --type=service --all --no-pager" ;;
    Linux_UserAccount)
      printf '%s\n' "Brugerkonti (getent passwd)${T}getent passwd" ;;
    Linux_Environment)
      printf '%s\n' "Miljøvariabler (env)${T}env | sort" ;;
    Linux_PCIDevice)
      printf '%s\n' "PCI-enheder${T}if command -v lspci >/dev/null; then lspci; else for d in /sys/bus/pci/devices/*; do [ -e \"\$d\" ] && printf '%s %s:%s\\n' \"\${d##*/}\" \"\$(cat \"\$d/vendor\")\" \"\$(cat \"\$d/device\")\"; done; fi" ;;
    Linux_USBDevice)
      printf '%s\n' "USB-enheder${T}if command -v lsusb >/dev/null; then lsusb; else for d in /sys/bus/usb/devices/*; do [ -r \"\$d/idVendor\" ] && printf '%s %s:%s %s\\n' \"\${d##*/}\" \"\$(cat \"\$d/idVendor\")\" \"\$(cat \"\$d/idProduct\")\" \"\$(cat \"\$d/product\" 2>/dev/null)\"; done; fi" ;;
    Linux_Battery)
      printf '%s\n' "Strømforsyninger${T}for d in /sys/class/power_supply/*; do [ -e \"\$d\" ] || continue; echo \"\${d##*/}\"; sysfs \"\$d/type\" \"\$d/status\" \"\$d/capacity\" \"\$d/online\"; done" ;;
    Linux_StartupCommand)
      printf '%s\n' "Autostart${T}for f in /etc/xdg/autostart/*.desktop \"\${XDG_CONFIG_HOME:-\$HOME/.config}\"/autostart/*.desktop; do [ -e \"\$f\" ] && printf '%s: %s\\n' \"\$f\" \"\$(grep -m1 '^Exec=' \"\$f\")\"; done" ;;
    *) return 1 ;;
  esac
}

# Writes stdin to FIL under a temporary name and renames it into place, so
# whoever waits for FIL never reads half of it.
skrivAtomisk() {
  tmp=$(dirname "$1")/.$(basename "$1").$$
  cat > "$tmp" && mv -f "$tmp" "$1" || { rm -f "$tmp"; return 1; }
}
