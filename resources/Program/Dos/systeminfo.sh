#!/bin/sh
# Samler en oversigt over computeren.

overskrift() {
    printf '\n== %s ==\n' "$1"
}

overskrift "Styresystem"
if [ -r /etc/os-release ]; then
    . /etc/os-release
    printf '%s\n' "${PRETTY_NAME:-ukendt}"
fi
uname -srm

overskrift "Oppetid"
uptime

overskrift "Processor"
if command -v lscpu >/dev/null 2>&1; then
    lscpu | grep -E '^(Model name|CPU\(s\)):'
else
    grep -m1 'model name' /proc/cpuinfo
fi

overskrift "Hukommelse"
free -h

overskrift "Drev"
df -h -x tmpfs -x devtmpfs
