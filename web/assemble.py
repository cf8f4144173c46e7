#!/usr/bin/env python3
"""Puts the page together: page.html with its style (the sheet's fonts inlined ahead of it), its
script, the run worker's script and the core (the wasm already inlined by the compiler) written
into it, and a Content-Security-Policy that lets exactly these scripts and this style run, fonts
come only from the page itself, and forbids every connection."""
import argparse
import base64
import hashlib
import pathlib
import sys


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def checked(name, text):
    # Text inside a script element ends at the first "</script" and changes meaning after "<!--".
    for bad in ("</script", "<!--"):
        if bad in text.lower():
            sys.exit(f"assemble.py: {name} holds {bad!r}, which would end its script element")
    return text


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--core", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--fonts", required=True, help="the @font-face rules of the sheet's fonts")
    parser.add_argument("--fflate", required=True, help="fflate's browser build, from web/npm")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    sources = pathlib.Path(args.sources)
    read = lambda name: (sources / name).read_text(encoding="utf-8")

    # The compiler's loader fetches its own inlined wasm when fetch exists; a page that may not
    # connect anywhere hides fetch from it, and it decodes the wasm itself.
    core = ("var MathsheetsCore = (function (fetch) {\n"
            + checked("the core", pathlib.Path(args.core).read_text(encoding="utf-8"))
            + "\nreturn MathsheetsCore;\n})(undefined);\n")
    worker = checked("worker.js", read("worker.js"))
    # fflate and the Word documents' buttons: a script of their own ahead of the page's.
    docx = checked("fflate and docx_download.js",
                   pathlib.Path(args.fflate).read_text(encoding="utf-8") + "\n"
                   + read("docx_download.js"))
    # The results tab and the pupils' dialog go first: the page's script starts them.
    script = checked("page.js", read("results.js") + read("pupil.js") + read("page.js"))
    style = (pathlib.Path(args.fonts).read_text(encoding="utf-8") + read("page.css")
             + read("results.css") + read("pupil.css"))
    if "</style" in style.lower():
        sys.exit("assemble.py: the fonts or page.css hold '</style'")

    policy = "; ".join([
        "default-src 'none'",
        f"script-src {digest(core)} {digest(docx)} {digest(script)} 'wasm-unsafe-eval'",
        f"style-src {digest(style)}",
        "font-src data:",
        "worker-src blob:",
        "img-src 'none'",
        "connect-src 'none'",
        "form-action 'none'",
        "base-uri 'none'",
    ])
    page = read("page.html")
    parts = {
        "<!--POLICY-->": f'<meta http-equiv="Content-Security-Policy" content="{policy}">',
        "<!--STYLE-->": f"<style>{style}</style>",
        "<!--CORE-->": f'<script id="core">{core}</script>',
        "<!--WORKER-->": f'<script type="text/x-mathsheets-worker" id="worker">{worker}</script>',
        "<!--SCRIPT-->": f"<script>{docx}</script><script>{script}</script>",
    }
    for mark, text in parts.items():
        if page.count(mark) != 1:
            sys.exit(f"assemble.py: page.html must hold {mark} once")
        page = page.replace(mark, text)
    pathlib.Path(args.out).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
