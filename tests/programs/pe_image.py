"""Reads what the program checks need from a Windows program: the headers and
imports as the MinGW objdump prints them, and the resources, parsed from the
resource section that objdump locates."""

import array
import functools
import re
import struct
import subprocess

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24


class PeImage:
    def __init__(self, objdump, path):
        self.path = path
        self.private_headers = run(objdump, "-p", path)
        self.section_headers = run(objdump, "-h", path)
        with open(path, "rb") as program:
            self.bytes = program.read()

    def header_value(self, name):
        """A value of the optional header, e.g. DllCharacteristics, as an int."""
        match = re.search(rf"^{name}\s+([0-9a-fA-F]+)", self.private_headers, re.MULTILINE)
        if match is None:
            raise ValueError(f"objdump shows no {name}")
        base = 10 if name.startswith(("Major", "Minor")) else 16
        return int(match.group(1), base)

    def directory_size(self, title):
        """Size of a data directory entry, e.g. 'Base Relocation Directory'."""
        match = re.search(rf"^Entry [0-9a-f] [0-9a-f]+ ([0-9a-f]+) {title}",
                          self.private_headers, re.MULTILINE)
        if match is None:
            raise ValueError(f"objdump shows no {title}")
        return int(match.group(1), 16)

    def imports(self):
        """(dll, function) pairs; function is None for an import by ordinal.
        Lines of the import table that are not understood come back as (None, line)."""
        found = []
        table = re.search(r"^The Import Tables.*?\n(.*?)(?=^\S|\Z)", self.private_headers,
                          re.MULTILINE | re.DOTALL)
        if table is None:
            return found
        dll = None
        for line in table.group(1).splitlines():
            stripped = line.strip()
            if not stripped or stripped.startswith("vma:") or line.startswith(" "):
                continue
            if stripped.startswith("DLL Name:"):
                dll = stripped.split(":", 1)[1].strip()
                continue
            member = re.fullmatch(r"[0-9a-f]+\s+\d+\s+(\S+)", stripped)
            if dll is None or member is None:
                found.append((None, stripped))
            else:
                name = member.group(1)
                found.append((dll, None if name == "<none>" else name))
        return found

    @functools.cached_property
    def resources(self):
        """{(type, name): {language: data}}, names and types as ints or strings."""
        # Columns of objdump -h: index, name, size, VMA, LMA, file offset.
        section = re.search(r"^\s*\d+\s+\.rsrc\s+(\w+)\s+(\w+)\s+\w+\s+(\w+)",
                            self.section_headers, re.MULTILINE)
        if section is None:
            return {}
        size, vma, file_offset = (int(part, 16) for part in section.groups())
        rva = vma - self.header_value("ImageBase")
        data = self.bytes[file_offset:file_offset + size]
        return ResourceTree(data, rva).read()


def header_checksum(data):
    """The optional header's CheckSum as the loader of a driver or a system
    DLL verifies it: the file's 16-bit words summed with the carries folded
    back in, the field itself counted as zero, plus the file's length."""
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    # Past the "PE\0\0" signature and the 20-byte file header, at the same
    # place in PE32 and PE32+.
    field = pe_offset + 4 + 20 + 64
    words = array.array("H", data + b"\0" * (len(data) % 2))
    if array.array("H", b"\1\0")[0] != 1:
        words.byteswap()
    total = sum(words) - sum(words[field // 2:field // 2 + 2])
    while total > 0xFFFF:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


class ResourceTree:
    def __init__(self, data, rva):
        self.data = data
        self.rva = rva

    def read(self):
        found = {}
        for type_id, types in self.directory(0):
            for name, names in self.directory(types):
                for language, leaf in self.directory(names):
                    data_rva, size = struct.unpack_from("<II", self.data, leaf)
                    start = data_rva - self.rva
                    found.setdefault((type_id, name), {})[language] = self.data[start:start + size]
        return found

    def directory(self, offset):
        named, numbered = struct.unpack_from("<HH", self.data, offset + 12)
        for index in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, offset + 16 + 8 * index)
            yield self.name(name), target & 0x7FFFFFFF

    def name(self, value):
        if not value & 0x80000000:
            return value
        offset = value & 0x7FFFFFFF
        (length,) = struct.unpack_from("<H", self.data, offset)
        return self.data[offset + 2:offset + 2 + 2 * length].decode("utf-16-le")


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def version_nodes(data, offset=0):
    """Parses one VS_VERSIONINFO node: (key, value bytes, children)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    key_end = offset + 6
    while key_end < len(data) and data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = align(key_end + 2)
    end = offset + length
    if is_text and value_length:
        # A text's length is counted inconsistently by resource compilers;
        # the text runs to the end of its node.
        return key, data[value_start:end], []
    value_end = value_start + value_length
    children = []
    child = align(value_end)
    while child < end:
        children.append(version_nodes(data, child))
        (child_length,) = struct.unpack_from("<H", data, child)
        if child_length == 0:
            break
        child = align(child + child_length)
    return key, data[value_start:value_end], children


def align(offset):
    return (offset + 3) & ~3
