#!/usr/bin/env python3
"""Reads the built exes as Windows loads them: each one's manifest out of its RT_MANIFEST resource,
its processor from the PE header, and the header's time stamp, which must not hold the time it was
linked (the same source gives the same exes).
Usage: test_exes.py KVIZAR_EXE CONVERT_EXE"""

import struct
import sys
import unittest
import xml.etree.ElementTree as ET

RT_MANIFEST = 24
# The manifest's architecture for the PE header's machine.
ARCHITECTURES = {0x14C: "X86", 0x8664: "amd64"}
SUPPORTED_OS = [
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  # Vista
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # 10 and 11
]
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
WINDOWS_SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"


class PortableExecutable:
    """The few parts of a PE file the checks read."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        header = struct.unpack_from("<I", self.data, 0x3C)[0]
        assert self.data[header:header + 4] == b"PE\0\0", path + " is no PE file"
        self.machine, sections, self.time_stamp, _, _, optional_size, _ = struct.unpack_from(
            "<HHIIIHH", self.data, header + 4)
        optional = header + 24
        magic = struct.unpack_from("<H", self.data, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.resources_rva = struct.unpack_from("<I", self.data, directories + 2 * 8)[0]
        self.sections = [struct.unpack_from("<IIII", self.data, at + 8)  # size, RVA, raw size, raw offset
                         for at in range(optional + optional_size, optional + optional_size + 40 * sections, 40)]

    def offset(self, rva):
        for size, start, raw_size, raw in self.sections:
            if start <= rva < start + max(size, raw_size):
                return raw + rva - start
        raise AssertionError("RVA %#x lies in no section" % rva)

    def resource(self, kind, name):
        """The data of resource kind/name in its first language, or None."""
        def entries(table):
            named, numbered = struct.unpack_from("<HH", self.data, table + 12)
            for at in range(table + 16, table + 16 + 8 * (named + numbered), 8):
                yield struct.unpack_from("<II", self.data, at)

        root = self.offset(self.resources_rva)
        level = root
        for wanted in (kind, name, None):
            found = [target for key, target in entries(level) if wanted is None or key == wanted]
            if not found:
                return None
            target = found[0]
            if not target & 0x80000000:
                rva, size = struct.unpack_from("<II", self.data, root + target)
                return self.data[self.offset(rva):self.offset(rva) + size]
            level = root + (target & 0x7FFFFFFF)
        raise AssertionError("the resource tree is deeper than type, name and language")


class Exes(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.program = PortableExecutable(sys.argv[1])
        cls.converter = PortableExecutable(sys.argv[2])

    def manifest(self, exe):
        data = exe.resource(RT_MANIFEST, 1)
        self.assertIsNotNone(data, "no manifest")
        return ET.fromstring(data)

    def test_both_declare_the_users_rights_and_the_windows_they_were_made_for(self):
        for name, exe in (("kvizar", self.program), ("kvizar-convert", self.converter)):
            with self.subTest(exe=name):
                architecture = ARCHITECTURES[exe.machine]
                root = self.manifest(exe)
                identity = root.find(ASM_V1 + "assemblyIdentity")
                self.assertEqual(identity.get("processorArchitecture"), architecture)
                self.assertEqual(identity.get("type"), "win32")
                level = root.find("{0}trustInfo/{0}security/{0}requestedPrivileges/{0}requestedExecutionLevel"
                                  .format(ASM_V3))
                self.assertEqual(level.attrib, {"level": "asInvoker", "uiAccess": "false"})
                supported = root.findall("{0}compatibility/{0}application/{0}supportedOS".format(COMPATIBILITY))
                self.assertEqual([os.get("Id") for os in supported], SUPPORTED_OS)

    def test_only_the_program_declares_the_systems_scale_and_not_per_monitor(self):
        settings = "{0}application/{0}windowsSettings/".format(ASM_V3)
        root = self.manifest(self.program)
        self.assertEqual([e.text for e in root.findall(settings + WINDOWS_SETTINGS + "dpiAware")], ["true"])
        self.assertEqual([e.text for e in root.findall(settings + WINDOWS_SETTINGS_2016 + "dpiAwareness")],
                         ["system"])
        # Nothing else that changes how Windows scales it (gdiScaling, per-monitor awareness).
        self.assertEqual(len(root.findall(".//{0}windowsSettings/*".format(ASM_V3))), 2)
        converter = self.manifest(self.converter)
        self.assertEqual(converter.findall(".//{*}dpiAware") + converter.findall(".//{*}dpiAwareness"), [])

    def test_only_the_program_asks_for_common_controls_6_for_its_own_processor(self):
        dependency = "{0}dependency/{0}dependentAssembly/{0}assemblyIdentity".format(ASM_V1)
        identities = self.manifest(self.program).findall(dependency)
        self.assertEqual([i.attrib for i in identities], [{
            "type": "win32", "name": "Microsoft.Windows.Common-Controls", "version": "6.0.0.0",
            "processorArchitecture": ARCHITECTURES[self.program.machine],
            "publicKeyToken": "6595b64144ccf1df", "language": "*"}])
        self.assertEqual(self.manifest(self.converter).findall(ASM_V1 + "dependency"), [])

    def test_neither_carries_the_time_it_was_linked(self):
        for name, exe in (("kvizar", self.program), ("kvizar-convert", self.converter)):
            with self.subTest(exe=name):
                self.assertEqual(exe.time_stamp, 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
