#!/usr/bin/env python3
"""Reads Word documents as an office program would before it shows anything: the archive, the
parts it must hold, every part well-formed XML, and every part that a content type or a
relationship names present. Prints what is wrong and exits 1; with --parts DIR also unpacks each
document's parts into DIR/NAME/ to be compared byte for byte."""
import argparse
import pathlib
import posixpath
import sys
import xml.dom.minidom
import zipfile

REQUIRED = ["[Content_Types].xml", "_rels/.rels", "word/document.xml"]
PACKAGE = "http://schemas.openxmlformats.org/package/2006/"


def rels_source(name):
    # "word/_rels/document.xml.rels" belongs to "word/document.xml"; "_rels/.rels" to the package.
    folder, file = posixpath.split(name)
    return posixpath.dirname(folder), file[: -len(".rels")]


def problems_of(path):
    problems = []
    try:
        archive = zipfile.ZipFile(path)
    except (OSError, zipfile.BadZipFile) as error:
        return [f"not an archive: {error}"]
    with archive:
        names = archive.namelist()
        if archive.testzip() is not None:
            problems.append("an entry fails its check")
        problems += [f"lacks {part}" for part in REQUIRED if part not in names]
        documents = {}
        for name in names:
            try:
                documents[name] = xml.dom.minidom.parseString(archive.read(name))
            except Exception as error:  # the parser's errors have no common class
                problems.append(f"{name} is not well-formed XML: {error}")
        types = documents.get("[Content_Types].xml")
        if types is not None:
            for override in types.getElementsByTagNameNS(PACKAGE + "content-types", "Override"):
                part = override.getAttribute("PartName").lstrip("/")
                if part not in names:
                    problems.append(f"[Content_Types].xml names {part}, which is missing")
            defaults = {d.getAttribute("Extension") for d in
                        types.getElementsByTagNameNS(PACKAGE + "content-types", "Default")}
            for name in names:
                if posixpath.basename(name).rsplit(".", 1)[-1] not in defaults:
                    problems.append(f"{name} has no content type")
        for name, document in documents.items():
            if not name.endswith(".rels"):
                continue
            folder, _ = rels_source(name)
            for rel in document.getElementsByTagNameNS(PACKAGE + "relationships", "Relationship"):
                if rel.getAttribute("TargetMode") == "External":
                    continue
                target = posixpath.normpath(posixpath.join(folder, rel.getAttribute("Target")))
                if target not in names:
                    problems.append(f"{name} names {target}, which is missing")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("documents", nargs="+")
    parser.add_argument("--parts")
    args = parser.parse_args()
    failed = False
    for path in args.documents:
        for problem in problems_of(path):
            print(f"{path}: {problem}")
            failed = True
        if args.parts and not failed:
            out = pathlib.Path(args.parts) / pathlib.Path(path).name
            with zipfile.ZipFile(path) as archive:
                for name in archive.namelist():
                    (out / name).parent.mkdir(parents=True, exist_ok=True)
                    (out / name).write_bytes(archive.read(name))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
