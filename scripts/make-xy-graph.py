#!/usr/bin/env python3
"""Generate the X,Y load pin output graph used by the XY Pin simulator help page.

The curves are computed, not drawn by hand: the X bridge output is
100 % x cos(direction) and the Y bridge output is 100 % x sin(direction),
with one point per degree from 0 to 360 degrees (361 points per curve).

Usage:
    python3 scripts/make-xy-graph.py [output.svg]

With no argument the graph is written to assets/help/xygraph.svg relative to
the project root.  Only the Python standard library is used and the output is
deterministic (the same bytes on every run).  The SVG keeps to SVG Tiny 1.2
features: no CSS, no markers, no filters.
"""

import math
import os
import sys

# Overall picture size in pixels (shown at this natural size).
WIDTH = 520
HEIGHT = 250

# Plot area.
X0 = 80.0      # x of 0 degrees
X1 = 500.0     # x of 360 degrees
Y_TOP = 38.0   # y of +100 %
Y_BOT = 190.0  # y of -100 %
Y_ZERO = (Y_TOP + Y_BOT) / 2.0

# One family name: Qt's SVG renderer reads a comma list as a single name.
FONT = "Liberation Sans"
TEXT_COLOUR = "#202020"
GRID_COLOUR = "#c8c8c8"
AXIS_COLOUR = "#404040"
X_COLOUR = "#1f4e9a"   # blue, solid line
Y_COLOUR = "#c0392b"   # red, dashed line
Y_DASH = "7,4"


def fmt(value):
    """Format a coordinate with at most two decimals and no trailing zeros."""
    text = "%.2f" % value
    text = text.rstrip("0").rstrip(".")
    if text == "-0":
        text = "0"
    return text


def x_of(degrees):
    return X0 + (X1 - X0) * degrees / 360.0


def y_of(percent):
    return Y_ZERO - (Y_ZERO - Y_TOP) * percent / 100.0


def curve(function):
    points = []
    for degrees in range(0, 361):
        value = 100.0 * function(math.radians(degrees))
        points.append(fmt(x_of(degrees)) + "," + fmt(y_of(value)))
    return " ".join(points)


def text(x, y, content, size=11, anchor="start", weight="normal",
         colour=TEXT_COLOUR, extra=""):
    attrs = ('x="%s" y="%s" font-family="%s" font-size="%d" fill="%s"'
             % (fmt(x), fmt(y), FONT, size, colour))
    if anchor != "start":
        attrs += ' text-anchor="%s"' % anchor
    if weight != "normal":
        attrs += ' font-weight="%s"' % weight
    if extra:
        attrs += " " + extra
    return "  <text %s>%s</text>" % (attrs, content)


def line(x1, y1, x2, y2, colour, width=1, extra=""):
    out = ('  <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"'
           % (fmt(x1), fmt(y1), fmt(x2), fmt(y2), colour, fmt(width)))
    if extra:
        out += " " + extra
    return out + "/>"


def build():
    out = []
    out.append('<?xml version="1.0" encoding="UTF-8"?>')
    out.append('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
               'baseProfile="tiny" width="%dpx" height="%dpx" viewBox="0 0 %d %d">'
               % (WIDTH, HEIGHT, WIDTH, HEIGHT))
    out.append("  <title>X,Y load pin: bridge outputs against load direction</title>")
    out.append('  <rect x="0" y="0" width="%d" height="%d" fill="#ffffff"/>'
               % (WIDTH, HEIGHT))

    # Title.
    out.append(text((X0 + X1) / 2.0, 20, "DIRECTION OF APPLIED LOAD",
                    size=13, anchor="middle", weight="bold"))

    # Vertical grid lines and direction labels.
    for degrees in (0, 90, 180, 270, 360):
        x = x_of(degrees)
        out.append(line(x, Y_TOP, x, Y_BOT, GRID_COLOUR))
        out.append(text(x, Y_BOT + 16, "%d\u00b0" % degrees, anchor="middle"))

    # Horizontal grid lines at +100 % and -100 %, and the zero line.
    out.append(line(X0, Y_TOP, X1, Y_TOP, GRID_COLOUR))
    out.append(line(X0, Y_BOT, X1, Y_BOT, GRID_COLOUR))
    out.append(line(X0, Y_ZERO, X1, Y_ZERO, AXIS_COLOUR, 1.2))

    # Vertical axis with ticks and labels.
    out.append(line(X0, Y_TOP, X0, Y_BOT, AXIS_COLOUR, 1.2))
    for percent, label in ((100, "+ 100%"), (0, "0"), (-100, "- 100%")):
        y = y_of(percent)
        out.append(line(X0 - 5, y, X0, y, AXIS_COLOUR, 1.2))
        out.append(text(X0 - 8, y + 4, label, anchor="end"))
    out.append(text(20, Y_ZERO, "OUTPUT SIGNAL", anchor="middle", weight="bold",
                    extra='transform="rotate(-90 20 %s)"' % fmt(Y_ZERO)))

    # The two bridge outputs.
    out.append('  <polyline fill="none" stroke="%s" stroke-width="2" '
               'stroke-linejoin="round" points="%s"/>' % (X_COLOUR, curve(math.cos)))
    out.append('  <polyline fill="none" stroke="%s" stroke-width="2" '
               'stroke-dasharray="%s" stroke-linejoin="round" points="%s"/>'
               % (Y_COLOUR, Y_DASH, curve(math.sin)))

    # Legend below the direction labels.  The entries are spaced for a wider
    # fallback font as well as for Liberation Sans.
    legend_y = HEIGHT - 12
    for left, colour, dash, label in ((X0 + 30, X_COLOUR, "", "X BRIDGE OUTPUT"),
                                      (X0 + 230, Y_COLOUR, Y_DASH, "Y BRIDGE OUTPUT")):
        extra = 'stroke-dasharray="%s"' % dash if dash else ""
        out.append(line(left, legend_y - 4, left + 36, legend_y - 4, colour, 2, extra))
        out.append(text(left + 44, legend_y, label))

    out.append("</svg>")
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) > 1:
        path = argv[1]
    else:
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        path = os.path.join(root, "assets", "help", "xygraph.svg")
    directory = os.path.dirname(path)
    if directory:
        os.makedirs(directory, exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as handle:
        handle.write(build())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
