#!/usr/bin/env bash
# Runs the Windows tests under Wine (ctest --preset windows, with the
# arguments given) with one persistent Wine server for the whole run,
# stopped at its end: without it, Wine's server may end between two of
# ctest's parallel test processes and the next one fails with "wine client
# error:0: recvmsg: Connection reset by peer" (scripts/lib/windows/wine-prefix.sh).
# The prefix is wine-run.sh's: $WINEPREFIX, or the one kept in the cache.
#   SILTMERE_WINDOWS_QT=<Qt prefix> scripts/lib/windows/ctest.sh [CTEST_ARGS...]
# Needs an X display, as scripts/windows.sh gives it.
set -euo pipefail
cd "$(dirname "$0")/../../.."

source scripts/lib/windows/wine-prefix.sh
wine_default_prefix

wine_server_start
trap wine_server_stop EXIT
ctest --preset windows "$@"
