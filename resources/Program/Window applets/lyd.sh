#!/bin/sh
# A button of the applets window: see _applet.sh.
exec sh "$(dirname "$0")/_applet.sh" lyd
