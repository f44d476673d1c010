#!/usr/bin/env bash
# Runs a command with one Wine server for the whole of it, in the X display the
# command will use (run it under with_xvfb.sh). The server's services and its
# desktop start here, before the command: a desktop started with no display, or
# with another one, makes every window a test opens fail to be created; and a
# service a test started would keep that test's output open until it ended.
#   one_wine_server.sh COMMAND...
set -uo pipefail
wine=${WINE:-/usr/lib/wine/wine64}
/usr/lib/wine/wineserver -k 2>/dev/null # a server left from an earlier run
/usr/lib/wine/wineserver -p 30
"$wine" wineboot -i >/dev/null 2>&1 </dev/null
status=0
"$@" || status=$?
/usr/lib/wine/wineserver -k 2>/dev/null
exit $status
