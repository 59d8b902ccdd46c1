#!/bin/sh
# Opens one of the desktop's settings panels, for a button of the applets
# window. The desktop's own panel comes first (by XDG_CURRENT_DESKTOP: GNOME,
# KDE Plasma or Xfce), then a tool that works on any desktop, whichever of
# them is installed. The panel is started in the background and the script
# ends at once; it exits 127 when nothing on this machine fits, and 2 for a
# key it does not know.
#
#   sh _applet.sh NØGLE
set -u

case ${XDG_CURRENT_DESKTOP:-} in
  *[Gg][Nn][Oo][Mm][Ee]* | *[Uu]nity*) skrivebord=gnome ;;
  *[Kk][Dd][Ee]*) skrivebord=kde ;;
  *[Xx][Ff][Cc][Ee]*) skrivebord=xfce ;;
  *) skrivebord= ;;
esac

har() { command -v "$1" >/dev/null 2>&1; }

# Starts the command when its program is installed, and ends the script.
proev() {
  har "$1" || return 1
  "$@" </dev/null >/dev/null 2>&1 &
  exit 0
}

# A panel of the desktop's settings program, or a program of the desktop.
gnome() { [ "$skrivebord" = gnome ] && proev gnome-control-center "$@"; return 1; }
gnomeprogram() { [ "$skrivebord" = gnome ] && proev "$@"; return 1; }
kde() {
  [ "$skrivebord" = kde ] || return 1
  proev systemsettings "$@"
  [ $# -gt 0 ] && proev kcmshell5 "$@"
  return 1
}
kdeprogram() { [ "$skrivebord" = kde ] && proev "$@"; return 1; }
xfce() { [ "$skrivebord" = xfce ] && proev "$@"; return 1; }
# Tools that work on any desktop, the first installed.
generisk() {
  for p in "$@"; do proev "$p"; done
  return 1
}

if [ $# -ne 1 ]; then
  echo "Brug: _applet.sh nøgle" >&2
  exit 2
fi

case $1 in
  kontrolpanel) gnome; kde; xfce xfce4-settings-manager ;;
  windows_firewall) kde kcm_firewall; generisk gufw firewall-config ;;
  bruger_konti) gnome user-accounts; kde kcm_users ;;
  net_forbindelser) gnome network; kde kcm_networkmanagement; generisk nm-connection-editor ;;
  actioncenter) gnome firmware-security; kde kcm_firmware_security ;;
  add_remove_programmer) gnomeprogram gnome-software; kdeprogram plasma-discover; generisk synaptic ;;
  vis_egenskaber) gnome display; kde kcm_kscreen; xfce xfce4-display-settings; generisk arandr ;;
  power_options) gnome power; kde kcm_powerdevilprofilesconfig; xfce xfce4-power-manager-settings ;;
  internet_egenskaber) gnome network; kde kcm_proxy ;;
  dato_tid) gnome datetime; kde kcm_clock ;;
  region_sprog-info) gnome region; kde kcm_regionandlang ;;
  ODBC)
    # No settings program for ODBC exists on Debian; its driver list is a
    # text file, opened for editing with the desktop's text editor.
    [ -f /etc/odbcinst.ini ] && proev xdg-open /etc/odbcinst.ini ;;
  telefon_modem) gnome wwan ;;
  lyd) gnome sound; kde kcm_pulseaudio; generisk pavucontrol ;;
  game_controllers) kde kcm_joystick; generisk jstest-gtk ;;
  enhedshaandtering) kdeprogram kinfocenter; generisk hardinfo
    # Without a hardware viewer the block devices are listed in a terminal
    # that waits for Enter.
    proev x-terminal-emulator -e sh -c 'lsblk; echo; read -r svar' ;;
  mus_egenskaber) gnome mouse; kde kcm_mouse; xfce xfce4-mouse-settings ;;
  fonts) gnomeprogram gnome-font-viewer; kde kcm_fonts; xfce xfce4-appearance-settings ;;
  systemoplysninger) gnome info-overview; kdeprogram kinfocenter; generisk hardinfo ;;
  system_egenskaber) gnome info-overview; kde kcm_about-distro; xfce xfce4-about ;;
  *)
    echo "Ukendt nøgle: $1" >&2
    exit 2 ;;
esac
exit 127
