#!/usr/bin/env python3
"""Every link and picture of the HTML reference leads somewhere: for each page in the
folder, each href and src that is not a web address names a file there or elsewhere in
ROOT (the unpacked archive, which holds the samples beside the pages), and its #anchor an
id on that page. Prints each one that leads nowhere and fails then.
  links.py FOLDER [ROOT]"""
import html.parser
import pathlib
import sys
import urllib.parse


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.links = set(), []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("id", "name") and value:
                self.ids.add(value)
            elif name in ("href", "src") and value is not None:
                self.links.append((tag, value))


def main(folder, root):
    pages = {}
    for path in sorted(folder.rglob("*.html")):
        page = Page()
        page.feed(path.read_text(encoding="utf-8"))
        pages[path.resolve()] = page
    if not pages:
        print(f"{folder}: no HTML pages")
        return 1
    broken, count = [], 0
    for path, page in pages.items():
        for tag, link in page.links:
            count += 1
            parts = urllib.parse.urlsplit(link)
            if parts.scheme in ("http", "https", "mailto"):
                continue
            target = (path.parent / urllib.parse.unquote(parts.path)).resolve() if parts.path else path
            where = f"{path.relative_to(folder.resolve())}: <{tag}> {link}"
            if parts.scheme or not target.is_file() or root.resolve() not in target.parents:
                broken.append(f"{where}: no such file in the archive")
            elif parts.fragment and (target not in pages or parts.fragment not in pages[target].ids):
                broken.append(f"{where}: no such anchor")
    print("\n".join(broken) if broken else f"{folder}: {len(pages)} pages, {count} links and pictures, all lead somewhere")
    return 1 if broken else 0


if __name__ == "__main__":
    folder = pathlib.Path(sys.argv[1])
    sys.exit(main(folder, pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else folder))
