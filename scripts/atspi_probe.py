#!/usr/bin/python3
"""Reads the running window over AT-SPI as a screen reader would, and checks that it can.

Checks: every value of the page "Служебная" reads its caption and its value, and each value
that `vertal-cli info` prints for the file is among them; no object of that page lacks the
enabled state; the status panels, period lines and counts read their texts; the frame grid names its rows and tells of
a page turn; each chart describes its title and frame range. Prints what it read and ends with
"N checks failed" (exit status 1 when N > 0).

Run it (as root on a Debian 12 machine; needs at-spi2-core python3-pyatspi xvfb dbus-x11):

  Xvfb :77 -screen 0 1280x900x24 & export DISPLAY=:77
  dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1
    /usr/libexec/at-spi2-registryd & sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
        build/src/app/vertal-analyzer /work/golden/in/demo.bin & sleep 5
    /usr/bin/python3 scripts/atspi_probe.py build/src/cli/vertal-cli /work/golden/in/demo.bin'
"""

import json
import subprocess
import sys

import pyatspi
from gi.repository import GLib

APP = "vertal-analyzer"
SERVICE_PAGE = "Служебная"
FRAME_GRID = "Общая"
# The status panels, the period lines, an episode count and the count of selected frames.
STATUS_TEXTS = ("Файл", "Состояние", "Период времени охваченный РП", "Работа с перегрузками M > 110%:",
                "Отобрано кадров:")
CHARTS = ("Параметры", "Координатная защита")
FRAMES_WORD = "Кадры с "
EVENT_WAIT_MS = 1500

failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def find(root, role, name):
    for node in walk(root):
        if node.getRole() == role and node.name == name:
            return node
    return None


def sheet(root, name):
    """The page of a tab control, not its tab: named by its tab, holding the page's objects."""
    for node in walk(root):
        if node.name == name and node.getRole() != pyatspi.ROLE_PAGE_TAB and node.childCount:
            return node
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP:
            return app
    sys.exit(f"{APP} is not on the accessibility bus")


def service_page(app, cli, dump):
    page = sheet(app, SERVICE_PAGE)
    check(page is not None, f"page {SERVICE_PAGE!r} found")
    if page is None:
        return
    nodes = list(walk(page))
    disabled = [n.name for n in nodes if not n.getState().contains(pyatspi.STATE_ENABLED)]
    check(not disabled, f"{len(nodes)} objects of the page, {len(disabled)} without the enabled state")
    # A value is a label named by its caption rather than by its text.
    values = [(n.name, n.description, text_of(n)) for n in nodes
              if n.getRole() == pyatspi.ROLE_LABEL and n.name != text_of(n)]
    for name, description, text in values:
        print(f"      {name} {description}")
    readable = [v for v in values if v[1] == v[2]]
    check(len(readable) == len(values) and values,
          f"{len(values)} values with caption and value, {len(readable)} read alike as description and text")
    info = json.loads(subprocess.run([cli, "info", dump], capture_output=True, text=True,
                                     check=True).stdout)["controls"]
    shown = {description for _, description, _ in values}
    captions = {name for name, _, _ in values}
    printed = {str(v) for v in info.values() if isinstance(v, str) and v and v not in captions}
    # The values printed for the service page are those that stand beside its captions.
    on_page = printed & shown
    unread = sorted(v for v in shown if v and v not in printed)
    check(not unread, f"{len(on_page)} values printed by `vertal-cli info` read on the page; "
                      f"read but not printed: {unread}")


def status_texts(app):
    for name in STATUS_TEXTS:
        read = [n.description for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                and n.name == name and n.description]
        check(bool(read), f"{name!r} reads {read}")


def frame_grid(app):
    grid = find(app, pyatspi.ROLE_TABLE, FRAME_GRID)
    check(grid is not None, f"grid {FRAME_GRID!r} found")
    if grid is None:
        return
    table = grid.queryTable()
    rows = [table.getRowDescription(r) for r in range(table.nRows)]
    columns = [table.getColumnDescription(c) for c in range(table.nColumns)]
    print(f"      rows: {rows}")
    print(f"      columns: {columns}, {grid.description!r}")
    check(all(rows) and rows[0] != "1", "every row named by its caption")

    # A page turn through the grid's scroll bar, as a reader's user would make it.
    heard = []
    bar = None
    for node in walk(grid.parent):
        if node.getRole() == pyatspi.ROLE_SCROLL_BAR:
            bar = node
    def listener(event):
        if event.source.getRole() == pyatspi.ROLE_TABLE and event.source.name == FRAME_GRID:
            heard.append(event.type)
    pyatspi.Registry.registerEventListener(listener, "object")
    value = bar.queryValue()
    value.currentValue = value.currentValue - table.nColumns  # opening shows the last page
    loop = GLib.MainLoop()
    GLib.timeout_add(EVENT_WAIT_MS, loop.quit)
    loop.run()
    pyatspi.Registry.deregisterEventListener(listener, "object")
    turned = [table.getColumnDescription(c) for c in range(table.nColumns)]
    print(f"      after the turn: {turned}, {grid.description!r}; events of the grid: {heard}")
    check(turned != columns, "a page turn renames the columns")
    check(bool(heard), "a page turn is told")


def charts(app):
    for name in CHARTS:
        page = sheet(app, name)
        described = [n.description for n in walk(page) if n.name == name and n.description] if page else []
        print(f"      {name}: {described}")
        check(bool(described) and FRAMES_WORD in described[0],
              f"chart {name!r} describes its title and frames")


def main():
    cli, dump = sys.argv[1], sys.argv[2]
    app = application()
    service_page(app, cli, dump)
    status_texts(app)
    frame_grid(app)
    charts(app)
    print(f"{len(failures)} checks failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
