"""Checks Siltmere through AT-SPI, as a screen reader sees it.

Run by scripts/checks/a11y.sh inside a private D-Bus session on a virtual
display; starts the AT-SPI bus and the program, then checks and prints one
line per check. Exits 1 on the first failure.
"""

import subprocess
import sys
import time

import pyatspi

PROGRAM = sys.argv[1]
checks = 0


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def check(condition, message):
    global checks
    if not condition:
        fail(message)
    checks += 1
    print(f"ok   {message}")


def wait_for(find, what, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    fail(f"{what} not found within {timeout:.0f} s")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "siltmere":
            return app
    return None


def frame(app, title):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == title:
            return window
    return None


def find(root, role, name=None, predicate=None):
    for node in walk(root):
        if node.getRole() != role:
            continue
        if name is not None and node.name.strip() != name.strip():
            continue
        if predicate is not None and not predicate(node):
            continue
        return node
    return None


def has(node, state):
    return node.getState().contains(state)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return None


def click(node):
    """A real mouse click in the middle of `node`, through the bus."""
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(extents.x + extents.width // 2, extents.y + extents.height // 2,
                                        pyatspi.MOUSE_B1C)


def press(root, name):
    button = find(root, pyatspi.ROLE_PUSH_BUTTON, name)
    if button is None:
        fail(f'button "{name}" not found')
    button.queryAction().doAction(0)


bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
time.sleep(1.0)
program = subprocess.Popen([PROGRAM])
try:
    app = wait_for(application, "the siltmere application on the AT-SPI bus")
    main = wait_for(lambda: frame(app, "Siltmere"), 'the window "Siltmere"')

    # Windows: frames named by their titles, not fillers.
    check(main.getRole() == pyatspi.ROLE_FRAME, f'main window is a frame named "Siltmere" (role {main.getRoleName()})')

    # The photograph: an image with a description, not a filler.
    photo = find(main, pyatspi.ROLE_IMAGE, "Photograph of a sediment-laden estuary")
    check(photo is not None and "footprints" in photo.description,
          "the estuary photograph is an image with a description")

    # The scenario options: radio buttons, one chosen per frame.
    options = {}
    for name in ("Scenario: earthworks with controls", "Scenario: earthworks without controls",
                 "Baseline: existing land use"):
        node = wait_for(lambda: find(main, pyatspi.ROLE_RADIO_BUTTON, name), f'radio button "{name}"')
        options[name] = has(node, pyatspi.STATE_CHECKED)
    check(options == {"Scenario: earthworks with controls": True, "Scenario: earthworks without controls": False,
                      "Baseline: existing land use": True},
          f"the three options are radio buttons, chosen: {options}")
    check(find(main, pyatspi.ROLE_CHECK_BOX) is None, "no control is announced as a check box")

    # The thickness list: "5 mm" chosen; focused only while the list is.
    thickness = find(main, pyatspi.ROLE_LIST, "Critical deposition thickness")
    check(thickness is not None, "the thickness list is a list")
    entry = find(thickness, pyatspi.ROLE_LIST_ITEM, "5 mm")
    check(entry is not None and has(entry, pyatspi.STATE_SELECTED), '"5 mm" is selected')
    limit = find(main, pyatspi.ROLE_TEXT, "Acceptability limit, percent")
    check(limit is not None, "the limit box is a text box")
    click(entry)
    wait_for(lambda: has(thickness, pyatspi.STATE_FOCUSED) or None, "focus in the thickness list", 5)
    check(has(entry, pyatspi.STATE_FOCUSED) and has(entry, pyatspi.STATE_SELECTED),
          '"5 mm" is selected and focused while the list has the focus')
    click(limit)
    wait_for(lambda: has(limit, pyatspi.STATE_FOCUSED) or None, "focus in the limit box", 5)
    check(not has(thickness, pyatspi.STATE_FOCUSED) and not has(entry, pyatspi.STATE_FOCUSED)
          and has(entry, pyatspi.STATE_SELECTED),
          '"5 mm" stays selected but is not focused once the focus has left the list')
    check("for example 20 or 20" in limit.description,
          f'the limit box gives an example of its number format: "{limit.description}"')

    # The three steps, taken through the bus; then the verdicts.
    for step in ("Calculate: Critical Total Loads", "Calculate: Exceedances over 25 Year Period",
                 "Calculate: % increase scenario vs baseline"):
        press(main, step)
        time.sleep(0.5)
    expected = {1: ("n/a", "no exceedances"), 2: ("56%", "above the acceptability limit of 20%"),
                3: ("38%", "above the acceptability limit of 20%"), 4: ("100%", "above the acceptability limit of 20%"),
                5: ("20%", "within the acceptability limit of 20%"), 6: ("0%", "within the acceptability limit of 20%")}
    for k, (value, verdict) in expected.items():
        box = find(main, pyatspi.ROLE_TEXT, f"Percentage increase, subestuary {k}")
        check(box is not None and text_of(box) == value and verdict in box.description,
              f'subestuary {k}: "{text_of(box) if box else None}", "{box.description if box else None}"')

    # The background window: a frame; its texts whole; the diagram described.
    press(main, "Background")
    background = wait_for(lambda: frame(app, "Siltmere Background Information"),
                          'the window "Siltmere Background Information"')
    check(background.getRole() == pyatspi.ROLE_FRAME,
          f'background window is a frame named by its title (role {background.getRoleName()})')
    intro = find(background, pyatspi.ROLE_LABEL, predicate=lambda n: n.name.startswith("This tool predicts"))
    check(intro is not None and len(intro.name) == 1154
          and intro.name.endswith("an assessment of the acceptability of risk."),
          f"the introduction is read whole: {len(intro.name) if intro else 0} characters")
    check(text_of(intro) == intro.name, "the introduction is also the label's text (text interface)")
    caption = find(background, pyatspi.ROLE_LABEL, predicate=lambda n: n.name.startswith("In the conceptual catchment"))
    check(caption is not None and caption.name.endswith("from each subcatchment."),
          f"the sentence under the diagram is read whole: {len(caption.name) if caption else 0} characters")
    check(text_of(caption) == caption.name, "the sentence is also the label's text (text interface)")
    diagram = find(background, pyatspi.ROLE_IMAGE) or find(background, pyatspi.ROLE_LABEL,
                                                            "Conceptual catchment and estuary diagram")
    check(diagram is not None and "Six subcatchments" in diagram.description,
          f'the diagram "{diagram.name if diagram else None}" is described: "{diagram.description if diagram else None}"')

    # The menu bar: a menu bar of four menus, each item named as it reads;
    # Help > Siltmere help opens the help window, whose guide is read whole.
    menubar = find(main, pyatspi.ROLE_MENU_BAR)
    check(menubar is not None, "the main window has a menu bar")
    menus = [menubar.getChildAtIndex(i) for i in range(menubar.childCount)]
    check([m.name for m in menus] == ["File", "Edit", "View", "Help"],
          f"its menus are File, Edit, View, Help: {[m.name for m in menus]}")
    items = {m.name: [n.name for n in walk(m) if n.getRole() == pyatspi.ROLE_MENU_ITEM and n is not m]
             for m in menus}
    expected_items = {"File": ["Save report as PDF…", "Quit"], "Edit": ["Copy results"],
                      "View": ["Overview of all thicknesses and scenarios…", "Background"],
                      "Help": ["Siltmere help", "About Siltmere", "About Qt"]}
    check(items == expected_items, f"their items are read by name: {items}")
    find(menubar, pyatspi.ROLE_MENU_ITEM, "Siltmere help").queryAction().doAction(0)
    helpwindow = wait_for(lambda: frame(app, "Siltmere Help"), 'the window "Siltmere Help"')
    check(helpwindow.getRole() == pyatspi.ROLE_FRAME, f"the help window is a frame (role {helpwindow.getRoleName()})")
    guide = wait_for(lambda: next((n for n in walk(helpwindow) if n.name == "Siltmere user's guide"), None),
                     "the guide in the help window")
    guide_text = text_of(guide) or ""
    check(guide.description != "" and "The three steps" in guide_text and "Keyboard and shortcuts" in guide_text,
          f"the guide is named, described and read ({len(guide_text)} characters, role {guide.getRoleName()})")
    print(f"{checks} passed, 0 failed")
finally:
    program.terminate()
    program.wait(10)
    bus.terminate()
