#!/usr/bin/env python3
"""Turns the help text (TnaHelp.txt) into the help page the program opens.

The text uses a small markup: "# " page title, "## " section heading, "- "
list item ("- key :: text" makes a row of the keys table), anything else a
paragraph; blank lines separate blocks.
"""
import html
import sys

STYLE = """
body { background: #dfdfdf; color: #333333; margin: 0;
       font: 10pt "Liberation Sans", "DejaVu Sans", Arial, sans-serif; }
main { max-width: 44em; margin: 0 auto; padding: 1.5em 2em 3em;
       background: #f2f2f2; border-left: 1px solid #a0a0a0; border-right: 1px solid #a0a0a0; }
h1 { font-size: 17pt; font-weight: normal; margin: 0.3em 0 0.8em;
     padding-bottom: 0.3em; border-bottom: 2px solid #1e3c96; }
h2 { font-size: 12pt; margin: 1.6em 0 0.5em; color: #1e3c96; }
p, li { line-height: 1.45; }
ul { padding-left: 1.3em; }
table { border-collapse: collapse; }
td { padding: 0.25em 1.2em 0.25em 0; border-bottom: 1px solid #c8c8c8; vertical-align: top; }
td.key { font-family: "DejaVu Sans Mono", monospace; white-space: nowrap; }
nav { font-size: 9pt; margin-bottom: 1em; }
nav a { color: #1e3c96; margin-right: 1em; text-decoration: none; }
.wheel { display: inline-block; width: 0.9em; height: 0.9em; border: 1px solid #a0a0a0;
         vertical-align: -0.1em; margin-right: 0.2em; }
"""

# The note wheel's colours of C, E, F sharp and A, shown beside the first paragraph.
WHEEL = [("C", "#ff0000"), ("E", "#00ff00"), ("F sharp", "#0000ff"), ("A", "#9900ff")]


def anchor(title):
    return "".join(c if c.isalnum() else "-" for c in title.lower()).strip("-")


def render(lines):
    title = "Help"
    body, sections = [], []
    blocks, current = [], []
    for line in lines + [""]:
        if line.strip():
            current.append(line.rstrip())
        elif current:
            blocks.append(current)
            current = []
    for block in blocks:
        head = block[0]
        if head.startswith("# "):
            title = head[2:].strip()
            body.append("<h1>%s</h1>" % html.escape(title))
            body.append("<!--nav-->")
        elif head.startswith("## "):
            text = head[3:].strip()
            sections.append(text)
            body.append('<h2 id="%s">%s</h2>' % (anchor(text), html.escape(text)))
        elif head.startswith("- ") and " :: " in head:
            rows = [item[2:].split(" :: ", 1) for item in block]
            body.append("<table>" + "".join(
                '<tr><td class="key">%s</td><td>%s</td></tr>' % (html.escape(k), html.escape(v))
                for k, v in rows) + "</table>")
        elif head.startswith("- "):
            body.append("<ul>" + "".join("<li>%s</li>" % html.escape(item[2:]) for item in block) + "</ul>")
        else:
            body.append("<p>%s</p>" % html.escape(" ".join(block)))
    wheel = " ".join('<span class="wheel" style="background:%s"></span>%s' % (c, html.escape(n))
                     for n, c in WHEEL)
    nav = "<nav>" + "".join('<a href="#%s">%s</a>' % (anchor(s), html.escape(s)) for s in sections) + "</nav>"
    nav += '<p>%s</p>' % wheel
    page = "\n".join(body).replace("<!--nav-->", nav, 1)
    return ("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>%s</title>\n<style>%s</style>\n</head>\n<body><main>\n%s\n</main></body>\n</html>\n"
            % (html.escape(title), STYLE, page))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_help.py TnaHelp.txt TnaHelp.htm")
    with open(sys.argv[1], encoding="utf-8") as f:
        lines = f.read().splitlines()
    with open(sys.argv[2], "w", encoding="utf-8", newline="\r\n") as f:
        f.write(render(lines))


if __name__ == "__main__":
    main()
