#!/usr/bin/env bash
# Pastes the copied results into LibreOffice Calc, as a planner does, and
# checks what Calc made of them: the window copies on a virtual X display,
# Calc runs on the same display and pastes from the X clipboard, and the
# cells are read through Calc's Python bridge (UNO). Exits 77 (skipped),
# saying so, where Calc, its bridge or Xvfb is not installed
# (scripts/lib/install-deps.sh calc installs them).
#   scripts/checks/calc-paste.sh [HOLDER]
# HOLDER: the copied_results_holder test program (default: the default
# preset's). With CALC_PASTE_PDF_DIR set, each pasted sheet is also saved
# there as a PDF, to look at (pdftoppm, from the same group, makes pictures).
set -euo pipefail
cd "$(dirname "$0")/../.."

skip() {
    echo "SKIPPED: $1 (scripts/lib/install-deps.sh calc installs it)"
    exit 77
}
command -v soffice >/dev/null || skip "LibreOffice Calc is not installed"
/usr/bin/python3 -c 'import uno' 2>/dev/null || skip "LibreOffice's Python bridge (python3-uno) is not installed"
command -v Xvfb >/dev/null && command -v xauth >/dev/null || skip "Xvfb is not installed"

holder="$(realpath "${1:-build/default/tests/main/copied_results_holder}")"
# The window copies to the real X clipboard, not the offscreen one; Calc
# takes its locale from the environment: US English, whatever the machine's.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export LC_ALL=C.UTF-8 LANG=en_US.UTF-8
scripts/lib/with-display.sh /usr/bin/python3 scripts/checks/calc-paste.py "$holder"
