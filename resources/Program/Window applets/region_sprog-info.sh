#!/bin/sh
# A button of the applets window: see _applet.sh.
exec /bin/sh "${0%/*}/_applet.sh" region_sprog-info
