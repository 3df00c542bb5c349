#!/usr/bin/python3
"""What a Windows exe says about itself: the entries of its manifest and the
strings of its version resource, and whether it still carries debug sections.
Reads with pefile (Debian python3-pefile).
    tools/exe_resources.py Wakeguard.exe"""
import sys
import xml.etree.ElementTree as ET

import pefile

RT_MANIFEST = 24


def manifest_entries(xml):
    """(element, "attribute=value" or text) pairs, namespaces left out."""
    entries = set()
    for element in ET.fromstring(xml).iter():
        tag = element.tag.split("}")[-1]
        entries.update((tag, f"{key}={value}") for key, value in element.attrib.items())
        if element.text and element.text.strip():
            entries.add((tag, element.text.strip()))
    return entries


def exe_resources(data):
    """Manifest entries, version strings by "<language+code page>/<name>", debug section names."""
    pe = pefile.PE(data=data)
    manifest, strings = set(), {}
    resources = pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []
    for kind in resources:
        if kind.id == RT_MANIFEST:
            item = kind.directory.entries[0].directory.entries[0].data.struct
            manifest = manifest_entries(pe.get_data(item.OffsetToData, item.Size))
    for info in getattr(pe, "FileInfo", [[]])[0]:
        for table in getattr(info, "StringTable", []):
            language = table.LangID.decode().lower()
            strings.update({f"{language}/{k.decode()}": v.decode() for k, v in table.entries.items()})
    debug = [s.Name.rstrip(b"\0").decode() for s in pe.sections if s.Name.startswith(b".debug")]
    return manifest, strings, debug


if __name__ == "__main__":
    for path in sys.argv[1:]:
        with open(path, "rb") as exe:
            manifest, strings, debug = exe_resources(exe.read())
        print(path)
        for element, value in sorted(manifest):
            print(f"  manifest {element}: {value}")
        for name, value in sorted(strings.items()):
            print(f"  version {name}: {value}")
        print(f"  debug sections: {', '.join(debug) or 'none'}")
