"""Pastes the copied results into LibreOffice Calc and checks the cells.

Run by calc-paste.sh on a virtual X display: for each case the window copies
its results, or the overview window its tables (copied_results_holder keeps
them on the X clipboard), Calc
pastes them into a new sheet at A1 as a planner's Ctrl+V does, and the cells
are read back through UNO, in an English and a German Calc. The expected
cells are the model's reference results for 5 mm, earthworks with
controls, worked out by hand here.
"""

import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue

GREEN, RED, NO_COLOUR = 0x00FF00, 0xFF0000, -1
PERCENT = 128  # com.sun.star.util.NumberFormat.PERCENT

LOADS = [40909, 2074, 2219, 4093, 1509, 7248]
BASELINE = [0, 9, 8, 3, 15, 1]
SCENARIO = [0, 14, 11, 6, 18, 1]
# Increases of the scenario over the baseline: none where the baseline is
# 0, (14-9)/9 = 55.6 %, 3/8 = 37.5 % (rounded to even: 38), 3/3, 3/15, 0/1.
INCREASES = [None, 56, 38, 100, 20, 0]
EXACT_INCREASES = [None, 500 / 9, 37.5, 100, 20, 0]

# locale the window runs in, the limit as typed there, the limit it means,
# the locale of Calc (its Tools > Options > Language Settings "Locale
# setting", which decides how it reads and shows numbers).
# "overview": the overview's tables rather than the main window's results.
CASES = [
    ("en_US", "20", 20.0, "en-US"),
    ("de_DE", "20,5", 20.5, "en-US"),
    ("de_DE", "56,5", 56.5, "en-US"),
    ("de_DE", "20,5", 20.5, "de-DE"),
    ("en_US", "20", 20.0, "en-US", "overview"),
    ("de_DE", "20,5", 20.5, "de-DE", "overview"),
]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def connect(port, soffice):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + 120
    while True:
        try:
            return resolver.resolve(f"uno:socket,host=127.0.0.1,port={port};urp;StarOffice.ComponentContext")
        except Exception:
            if soffice.poll() is not None or time.monotonic() > deadline:
                raise SystemExit(f"Calc did not accept a connection (exit status {soffice.poll()})")
            time.sleep(0.5)


class Checks:
    def __init__(self):
        self.failures = 0

    def expect(self, what, got, wanted):
        if got != wanted:
            self.failures += 1
            print(f"  FAIL {what}: {got!r}, expected {wanted!r}")


def verdict_colour(limit, k):
    exact = EXACT_INCREASES[k]
    if exact is None:
        return NO_COLOUR
    return GREEN if exact <= limit else RED


def expected_cells(limit):
    """(cell, kind, value, background) for every cell of the pasted table."""
    inputs = ["Critical deposition thickness", "5 mm", "Scenario", "Earthworks with Controls",
              "Acceptability limit (%)"]
    rows = [[("text", t) for t in inputs] + [("number", limit)],
            [("text", "Subestuary")] + [("number", k) for k in range(1, 7)],
            [("text", "Critical total load (tonnes per event)")] + [("number", v) for v in LOADS],
            [("text", "Exceedances over 25 years, existing land use")] + [("number", v) for v in BASELINE],
            [("text", "Exceedances over 25 years, scenario")] + [("number", v) for v in SCENARIO],
            [("text", "Percentage increase")]
            + [("text", "n/a") if p is None else ("percent", p) for p in INCREASES],
            [("text", "Verdict")]
            + [("empty", None) if verdict_colour(limit, k) == NO_COLOUR
               else ("text", "within limit" if verdict_colour(limit, k) == GREEN else "above limit")
               for k in range(6)]]
    for r, row in enumerate(rows):
        for c, (kind, value) in enumerate(row):
            colour = verdict_colour(limit, c - 1) if r == 5 and c > 0 else NO_COLOUR
            yield f"{'ABCDEFG'[c]}{r + 1}", kind, value, colour


class UnknownFormat:
    """A cell's number format that the document's formats do not know."""

    def __init__(self, key):
        self.FormatString = f"(unknown format {key})"
        self.Type = 0


def check_sheet(doc, sheet, limit, calc_locale, checks):
    formats = doc.NumberFormats
    for name, kind, value, colour in expected_cells(limit):
        cell = sheet.getCellRangeByName(name)
        content = cell.Type.value
        try:
            fmt = formats.getByKey(cell.NumberFormat)
        except Exception:
            fmt = UnknownFormat(cell.NumberFormat)
        background = f"background {cell.CellBackColor:#08x}" if cell.CellBackColor >= 0 else "no background"
        print(f"  {name}: {content} {cell.String!r} value {cell.Value} format {fmt.FormatString!r} {background}")
        checks.expect(f"{name} background", cell.CellBackColor, colour)
        if kind == "text":
            checks.expect(f"{name} type", content, "TEXT")
            checks.expect(f"{name} text", cell.String, value)
        elif kind == "empty":
            checks.expect(f"{name} type", content, "EMPTY")
        elif kind == "number":
            checks.expect(f"{name} type", content, "VALUE")
            checks.expect(f"{name} value", cell.Value, value)
            shown_there = f"{value:g}".replace(".", "," if calc_locale.startswith("de") else ".")
            checks.expect(f"{name} shown", cell.String, shown_there)
        else:
            checks.expect(f"{name} type", content, "VALUE")
            checks.expect(f"{name} value", round(cell.Value, 12), round(value / 100, 12))
            checks.expect(f"{name} is a percentage", bool(fmt.Type & PERCENT), True)
            checks.expect(f"{name} shown", cell.String, f"{value}%")
    # Nothing beyond the table.
    used = sheet.createCursor()
    used.gotoEndOfUsedArea(False)
    checks.expect("last used cell", used.AbsoluteName.split(".")[-1], "$G$7")


def check_cell(name, cell, kind, value, colour, checks):
    content = cell.Type.value
    checks.expect(f"{name} background", cell.CellBackColor, colour)
    if kind == "text":
        checks.expect(f"{name} text", (content, cell.String), ("TEXT", value))
    elif kind == "empty":
        checks.expect(f"{name} type", content, "EMPTY")
    elif kind == "number":
        checks.expect(f"{name} value", (content, cell.Value), ("VALUE", value))
    else:
        checks.expect(f"{name} value", (content, round(cell.Value, 12)), ("VALUE", round(value / 100, 12)))


def check_overview_sheet(sheet, limit, checks):
    """The overview's tables, one block each: in the first (earthworks with
    controls) the 5 mm lines hold the same cells as the main window's
    results, and so does the loads block's 5 mm line."""
    column_a = [sheet.getCellByPosition(0, r).String for r in range(120)]
    titles = [r for r, text in enumerate(column_a)
              if text.startswith("Percentage increase, ") or text.startswith("Critical total load")]
    checks.expect("block titles", [column_a[r] for r in titles],
                  ["Percentage increase, Earthworks with Controls", "Percentage increase, Earthworks without Controls",
                   "Critical total load (tonnes per event)"])
    if len(titles) != 3:
        return
    first = column_a.index("5 mm", titles[0])
    print(f"  the 5 mm lines of the first block start in row {first + 1}")
    lines = [
        [("text", "n/a") if p is None else ("percent", p) for p in INCREASES],
        [("empty", None) if verdict_colour(limit, k) == NO_COLOUR
         else ("text", "within limit" if verdict_colour(limit, k) == GREEN else "above limit") for k in range(6)],
        [("number", v) for v in BASELINE],
        [("number", v) for v in SCENARIO],
    ]
    for i, line in enumerate(lines):
        for k, (kind, value) in enumerate(line):
            colour = verdict_colour(limit, k) if i == 0 else NO_COLOUR
            check_cell(f"5 mm line {i + 1}, subestuary {k + 1}", sheet.getCellByPosition(k + 1, first + i),
                       kind, value, colour, checks)
    loads = column_a.index("5 mm", titles[2])
    for k, value in enumerate(LOADS):
        check_cell(f"5 mm load, subestuary {k + 1}", sheet.getCellByPosition(k + 1, loads), "number", value,
                   NO_COLOUR, checks)


def paste(smgr, ctx, sheet, checks):
    """Ctrl+V, and OK in the import options Calc asks for on pasting HTML,
    leaving them as they come: the locale automatic, special numbers (such
    as percentages) not detected. So the numbers come from the copied
    table's markup, not from Calc guessing at texts."""
    ui = smgr.createInstanceWithContext("org.libreoffice.uitest.UITest", ctx)
    # Runs the paste without waiting for it, so that its dialog can be
    # answered.
    if not ui.executeDialog(".uno:Paste"):
        raise SystemExit("Calc did not take the paste command")
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        time.sleep(0.2)
        dialog = ui.getTopFocusWindow()
        if dialog is not None and "TextImportOptionsDialog" in dialog.getChildren():
            state = {p.Name: p.Value for p in dialog.getChild("convertdata").getState()}
            checks.expect("import option 'Detect special numbers'", state.get("Selected"), "false")
            dialog.getChild("ok").executeAction("CLICK", ())
            print("  Calc asked for import options: OK, as they came")
            break
        if sheet.getCellRangeByName("A1").String:
            print("  Calc pasted without asking for import options")
            break
    else:
        raise SystemExit("Calc neither pasted nor asked for import options in 30 s")
    while time.monotonic() < deadline and not sheet.getCellRangeByName("A1").String:
        time.sleep(0.2)


def paste_case(ctx, holder, locale, typed, limit, calc_locale, checks, pdf_dir, what):
    print(f"{locale}, limit typed as {typed!r}, {what} pasted into a {calc_locale} Calc:")
    copier = subprocess.Popen([holder, locale, typed, what], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              text=True)
    try:
        line = copier.stdout.readline().strip()
        if line != "copied":
            raise SystemExit(f"the window did not copy (it said {line!r}, exit status {copier.poll()})")
        smgr = ctx.ServiceManager
        clipboard = smgr.createInstanceWithContext("com.sun.star.datatransfer.clipboard.SystemClipboard", ctx)
        offered = sorted({f.MimeType.split(";")[0] for f in clipboard.getContents().getTransferDataFlavors()})
        print(f"  Calc sees on the clipboard: {', '.join(offered)}")
        desktop = smgr.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
        doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, ())
        try:
            sheet = doc.Sheets.getByIndex(0)
            doc.CurrentController.select(sheet.getCellRangeByName("A1"))
            paste(smgr, ctx, sheet, checks)
            if what == "overview":
                check_overview_sheet(sheet, limit, checks)
            else:
                check_sheet(doc, sheet, limit, calc_locale, checks)
            if pdf_dir:
                path = os.path.join(pdf_dir,
                                    f"calc-paste-{what}-{locale}-{typed.replace(',', '_')}-{calc_locale}.pdf")
                doc.storeToURL(uno.systemPathToFileUrl(os.path.abspath(path)),
                               (PropertyValue("FilterName", 0, "calc_pdf_Export", 0),))
                print(f"  saved {path}")
        finally:
            doc.close(True)
    finally:
        copier.stdin.close()
        try:
            copier.wait(timeout=20)
        except subprocess.TimeoutExpired:
            copier.kill()
            copier.wait()


# A new Calc profile whose locale setting (Tools > Options > Language
# Settings > Languages > Locale setting) is the given one.
PROFILE_SETTINGS = """<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema"
           xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooSetupSystemLocale" oor:op="fuse"><value>{}</value></prop></item>
</oor:items>
"""


def run_calc(calc_locale, cases, holder, checks):
    profile = tempfile.mkdtemp(prefix="siltmere-calc-")
    os.makedirs(os.path.join(profile, "user"))
    with open(os.path.join(profile, "user", "registrymodifications.xcu"), "w", encoding="utf-8") as settings:
        settings.write(PROFILE_SETTINGS.format(calc_locale))
    port = free_port()
    # Not --headless: headless Calc does not read the X clipboard (its
    # system clipboard had no contents when tried), so it cannot paste.
    soffice = subprocess.Popen(
        ["soffice", "--invisible", "--norestore", "--nologo", "--nodefault", "--nolockcheck",
         f"-env:UserInstallation={uno.systemPathToFileUrl(profile)}",
         f"--accept=socket,host=127.0.0.1,port={port};urp;"],
        env=dict(os.environ, SAL_USE_VCLPLUGIN="gen"), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        start_new_session=True)
    try:
        ctx = connect(port, soffice)
        for locale, typed, limit, what in cases:
            paste_case(ctx, holder, locale, typed, limit, calc_locale, checks, os.environ.get("CALC_PASTE_PDF_DIR"),
                       what)
        try:
            ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx).terminate()
        except Exception:
            pass  # the bridge goes down with Calc
        soffice.wait(timeout=30)
    finally:
        if soffice.poll() is None:
            # soffice is a launcher: Calc itself is its child, in the same
            # process group.
            os.killpg(soffice.pid, signal.SIGKILL)
            soffice.wait()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    holder = sys.argv[1]
    checks = Checks()
    cases = [(*case[:4], case[4] if len(case) > 4 else "results") for case in CASES]
    # One Calc for the results and one for the overview of each locale: a
    # Calc given a fourth paste in one run (7.4) refused the paste command.
    for calc_locale, what in dict.fromkeys((case[3], case[4]) for case in cases):
        run_calc(calc_locale, [(*case[:3], what) for case in cases if case[3:] == (calc_locale, what)], holder, checks)
    if checks.failures:
        print(f"calc-paste: {checks.failures} checks failed")
        return 1
    print("calc-paste: every pasted cell as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
