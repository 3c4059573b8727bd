#!/usr/bin/env python3
"""Checks a built Windows program for what it promises its users: it starts on
Windows 7 and imports nothing newer, and only DLLs that Windows takes from
its own folder whatever lies beside the program, it is built for address-space
randomisation and no-execute data, it is small, it carries its manifest,
icon and version resource, and its header says nothing of when it was built.

Usage: check_program.py --objdump OBJDUMP --arch x64|x86 --imports ALLOWLIST
                        --version VERSION PROGRAM
"""

import argparse
import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

from pe_image import (RT_GROUP_ICON, RT_ICON, RT_MANIFEST, RT_VERSION, PeImage, header_checksum,
                      version_nodes)

# Small for what it does, and well below what a library pulled in by
# mistake (iostreams, a locale) would make it.
MAX_SIZE = 512 * 1024
WINDOWS_7 = (6, 1)
DYNAMIC_BASE = 0x0040
NX_COMPAT = 0x0100
HIGH_ENTROPY_VA = 0x0020
PE32_MAGIC = {"x86": 0x010B, "x64": 0x020B}
WINDOWS_GUI = 2

# The DLLs the loader maps from the system folder alone, whatever lies beside
# the program: the values of Windows 7 SP1's registry key
# HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs. Any
# other DLL a program imports is looked for in the program's folder first,
# before any of its code can say otherwise.
WINDOWS_7_KNOWN_DLLS = {
    "advapi32.dll", "clbcatq.dll", "comdlg32.dll", "difxapi.dll", "gdi32.dll", "iertutil.dll",
    "imagehlp.dll", "imm32.dll", "kernel32.dll", "lpk.dll", "msctf.dll", "msvcrt.dll",
    "normaliz.dll", "nsi.dll", "ole32.dll", "oleaut32.dll", "psapi.dll", "rpcrt4.dll",
    "sechost.dll", "setupapi.dll", "shell32.dll", "shlwapi.dll", "urlmon.dll", "user32.dll",
    "usp10.dll", "wininet.dll", "wldap32.dll", "wow64.dll", "wow64win.dll", "ws2_32.dll",
}

SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}
COMMON_CONTROLS = {
    "type": "win32",
    "name": "Microsoft.Windows.Common-Controls",
    "version": "6.0.0.0",
    "publicKeyToken": "6595b64144ccf1df",
}
# The window class loads icon 1, and Explorer shows the lowest-numbered group.
ICON_GROUP = 1
ICON_IMAGES = sorted([(32, 32, 2), (32, 32, 16), (16, 16, 16)])
BITS_FOR_COLOURS = {2: 1, 16: 4}
CHINESE_PRC_UTF16 = (0x0804, 1200)
VS_FIXEDFILEINFO_SIGNATURE = 0xFEEF04BD


class CheckFailed(Exception):
    """A problem that leaves nothing more to check."""


def check_size(program, options):
    size = os.path.getsize(program.path)
    if size >= MAX_SIZE:
        return [f"{size} bytes; the limit is {MAX_SIZE}"]
    return []


def check_headers(program, options):
    problems = []
    magic = program.header_value("Magic")
    if magic != PE32_MAGIC[options.arch]:
        problems.append(f"optional header magic {magic:#06x} is not that of {options.arch}")
    if program.header_value("Subsystem") != WINDOWS_GUI:
        problems.append("not a Windows GUI program")
    for field in ("Subsystem", "OSystem"):
        version = (program.header_value(f"Major{field}Version"),
                   program.header_value(f"Minor{field}Version"))
        if version > WINDOWS_7:
            problems.append(
                f"{field} version {version[0]}.{version[1]}: Windows 7 will not start it")
    return problems


def check_reproducible_header(program, options):
    problems = []
    (pe_offset,) = struct.unpack_from("<I", program.bytes, 0x3C)
    # The file header's TimeDateStamp, after the "PE\0\0" signature and two fields.
    (link_time,) = struct.unpack_from("<I", program.bytes, pe_offset + 8)
    if link_time != 0:
        problems.append(f"the header carries the link time {link_time}")
    recorded = program.header_value("CheckSum")
    computed = header_checksum(program.bytes)
    if recorded != computed:
        problems.append(f"header checksum {recorded:#010x}; the bytes give {computed:#010x}")
    return problems


def check_security_flags(program, options):
    flags = program.header_value("DllCharacteristics")
    wanted = {"DYNAMIC_BASE": DYNAMIC_BASE, "NX_COMPAT": NX_COMPAT}
    if options.arch == "x64":
        wanted["HIGH_ENTROPY_VA"] = HIGH_ENTROPY_VA
    problems = [f"{name} is not set" for name, bit in wanted.items() if not flags & bit]
    # Without relocations the loader cannot move the program, whatever the flag says.
    if program.directory_size("Base Relocation Directory") == 0:
        problems.append("no base relocations")
    return problems


def check_imports(program, options):
    allowed = read_allowlist(options.imports)
    problems = []
    for dll, function in program.imports():
        if dll is None:
            problems.append(f"import table line not understood: {function}")
        elif dll.lower() not in allowed:
            problems.append(f"{dll} is not a DLL on the allowlist")
        elif function is None:
            problems.append(f"{dll}: an import by ordinal")
        elif function not in allowed[dll.lower()]:
            problems.append(f"{dll}!{function} is not on the allowlist")
    if not program.imports():
        problems.append("no imports found")
    if program.directory_size("Delay Import Directory") != 0:
        problems.append("delay-loaded imports, which this check cannot see")
    return problems


def check_known_dlls(program, options):
    imported = {dll for dll, _ in program.imports() if dll is not None}
    return [f"{dll} is no KnownDLL of Windows 7: a file of that name beside the program would load"
            for dll in sorted(imported) if dll.lower() not in WINDOWS_7_KNOWN_DLLS]


def read_allowlist(path):
    allowed = {}
    functions = None
    with open(path, encoding="utf-8") as allowlist:
        for line in allowlist:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("[") and line.endswith("]"):
                functions = allowed.setdefault(line[1:-1].lower(), set())
            elif functions is None:
                raise ValueError(f"{path}: '{line}' comes before any [DLL] line")
            else:
                functions.add(line)
    return allowed


def check_manifest(program, options):
    name, data = only_resource(program, RT_MANIFEST, "manifest")
    problems = [] if name == 1 else [f"the manifest is resource {name}, not 1"]
    root = ElementTree.fromstring(data)
    levels = [(element.get("level"), element.get("uiAccess", "false"))
              for element in elements(root, "requestedExecutionLevel")]
    if levels != [("requireAdministrator", "false")]:
        problems.append(f"execution levels {levels}, expected requireAdministrator only")
    dependencies = [element.attrib for element in elements(root, "assemblyIdentity")
                    if element.attrib.get("name") == COMMON_CONTROLS["name"]]
    if not any(all(identity.get(key) == value for key, value in COMMON_CONTROLS.items())
               for identity in dependencies):
        problems.append(f"no dependency on common controls 6: {dependencies}")
    supported = {element.attrib.get("Id", "").lower() for element in elements(root, "supportedOS")}
    problems += [f"{os_name} is not a supportedOS" for guid, os_name in SUPPORTED_OS.items()
                 if guid not in supported]
    dpi_aware = [(element.text or "").strip().lower() for element in elements(root, "dpiAware")]
    if dpi_aware != ["true"]:
        problems.append(f"dpiAware {dpi_aware}, expected true (system awareness)")
    if list(elements(root, "dpiAwareness")):
        problems.append("a dpiAwareness element overrides dpiAware on Windows 10")
    own = root.find("{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")
    if own is None or own.get("version") != four_part(options.version):
        problems.append(f"assemblyIdentity version is not {four_part(options.version)}")
    return problems


def elements(root, local_name):
    return (element for element in root.iter() if element.tag.rsplit("}", 1)[-1] == local_name)


def check_icon(program, options):
    name, data = only_resource(program, RT_GROUP_ICON, "icon group")
    problems = [] if name == ICON_GROUP else [f"the icon group is {name}, not {ICON_GROUP}"]
    reserved, kind, count = struct.unpack_from("<HHH", data)
    if (reserved, kind) != (0, 1):
        return problems + ["the icon group's header is not that of an icon"]
    icons = program.resources
    images = []
    for index in range(count):
        width, height, colours, _, _, bits, size, icon_id = struct.unpack_from(
            "<BBBBHHIH", data, 6 + 14 * index)
        width, height, colours = width or 256, height or 256, colours or 256
        images.append((width, height, colours))
        image = next(iter(icons.get((RT_ICON, icon_id), {}).values()), None)
        if image is None:
            problems.append(f"image {icon_id} of the group is missing")
            continue
        problems += check_icon_image(image, (width, height, colours), bits, size, icon_id)
    if sorted(images) != ICON_IMAGES:
        problems.append(f"images {sorted(images)}, expected {ICON_IMAGES}")
    return problems


def check_icon_image(image, described, bits, size, icon_id):
    width, height, colours = described
    header_size, bitmap_width, bitmap_height, planes, bitmap_bits = struct.unpack_from(
        "<IiiHH", image)
    problems = []
    if len(image) != size:
        problems.append(f"image {icon_id} is {len(image)} bytes, the group says {size}")
    if (bitmap_width, bitmap_height) != (width, 2 * height):
        problems.append(f"image {icon_id} is {bitmap_width}x{bitmap_height // 2}, "
                        f"the group says {width}x{height}")
    if bitmap_bits != BITS_FOR_COLOURS.get(colours) or bits not in (0, bitmap_bits):
        problems.append(f"image {icon_id} has {bitmap_bits} bits a pixel for {colours} colours")
    wanted = (header_size + 4 * colours + height * row_bytes(width * bitmap_bits)
              + height * row_bytes(width))
    if planes != 1 or len(image) < wanted:
        problems.append(f"image {icon_id} is truncated or malformed")
    return problems


def row_bytes(row_bits):
    return (row_bits + 31) // 32 * 4


def check_version(program, options):
    _, data = only_resource(program, RT_VERSION, "version resource")
    key, fixed, children = version_nodes(data)
    problems = []
    if key != "VS_VERSION_INFO" or len(fixed) < 52:
        return [f"the version resource starts with '{key}', not VS_VERSION_INFO"]
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    numbers = tuple(int(part) for part in four_part(options.version).split("."))
    if signature != VS_FIXEDFILEINFO_SIGNATURE:
        problems.append("the fixed file information has no signature")
    for what, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        found = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if found != numbers:
            problems.append(f"fixed {what} version {found}, expected {numbers}")
    tables = [table for name, _, block in children if name == "StringFileInfo"
              for table in block]
    if [table[0] for table in tables] != ["080404b0"]:
        return problems + [f"string tables {[table[0] for table in tables]}, expected 080404b0"]
    strings = {name: text.decode("utf-16-le").rstrip("\0") for name, text, _ in tables[0][2]}
    expected = {"ProductName": "Vanterel", "FileVersion": options.version,
                "ProductVersion": options.version}
    problems += [f"{name} is '{strings.get(name)}', expected '{value}'"
                 for name, value in expected.items() if strings.get(name) != value]
    description = strings.get("FileDescription", "")
    if not is_simplified_chinese(description):
        problems.append(f"FileDescription '{description}' is not Simplified Chinese")
    translations = [pair for name, _, block in children if name == "VarFileInfo"
                    for var, value, _ in block if var == "Translation"
                    for pair in struct.iter_unpack("<HH", value)]
    if translations != [CHINESE_PRC_UTF16]:
        problems.append(f"translations {translations}, expected {[CHINESE_PRC_UTF16]}")
    return problems


def is_simplified_chinese(text):
    try:
        text.encode("gb2312")
    except UnicodeEncodeError:
        return False
    return any("\u4e00" <= character <= "\u9fff" for character in text)


def four_part(version):
    parts = version.split(".")
    return ".".join(parts + ["0"] * (4 - len(parts)))


def only_resource(program, kind, what):
    """(name, data) of the one resource of a kind."""
    found = [(name, language_data) for (type_id, name), languages in
             program.resources.items() if type_id == kind
             for language_data in languages.values()]
    if len(found) != 1:
        raise CheckFailed(f"{len(found)} {what}s, expected one")
    return found[0]


CHECKS = [
    ("size", check_size),
    ("headers", check_headers),
    ("reproducible header", check_reproducible_header),
    ("security flags", check_security_flags),
    ("imports", check_imports),
    ("known DLLs", check_known_dlls),
    ("manifest", check_manifest),
    ("icon", check_icon),
    ("version resource", check_version),
]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--arch", required=True, choices=sorted(PE32_MAGIC))
    parser.add_argument("--imports", required=True, help="the import allowlist")
    parser.add_argument("--version", required=True, help="the project version")
    parser.add_argument("program")
    options = parser.parse_args(argv[1:])
    if not os.path.isfile(options.program):
        print(f"{options.program}: no such program; build it first", file=sys.stderr)
        return 1
    program = PeImage(options.objdump, options.program)
    failed = False
    for title, check in CHECKS:
        try:
            problems = check(program, options)
        except CheckFailed as failure:
            problems = [str(failure)]
        except (ValueError, struct.error, ElementTree.ParseError, UnicodeDecodeError) as error:
            problems = [f"unreadable: {error}"]
        print(f"{'FAIL' if problems else 'ok  '} {title}")
        for problem in problems:
            print(f"       {problem}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
