#!/usr/bin/env python3
"""What the Windows shell reads from sekivo.exe itself:
    check_resources.py <sekivo.exe> <window icon .ico> <version x.y.z> <objdump>
a GUI-subsystem program (no console window), the icon IDI_ICON1 holding the window icon's images,
and a version resource with the project's version in numbers and in text."""
import re
import struct
import subprocess
import sys

exe, ico, version, objdump = sys.argv[1:5]
failures = []


def output(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


if not re.search(r"^Subsystem\s+00000002\s+\(Windows GUI\)", output(objdump, "-p", exe).decode(),
                 re.MULTILINE):
    failures.append("not a Windows GUI-subsystem program")

# The icon group names its images by resource id; the .ico file holds them at offsets.
with open(ico, "rb") as f:
    data = f.read()
wanted = [data[offset:offset + size] for size, offset in
          (struct.unpack_from("<2I", data, 6 + 16 * i + 8) for i in range(data[4]))]
group = output("wrestool", "-x", "--raw", "--type=14", "--name=IDI_ICON1", exe)
ids = [struct.unpack_from("<H", group, 6 + 14 * i + 12)[0] for i in range(group[4])] if group else []
images = [output("wrestool", "-x", "--raw", "--type=3", f"--name={i}", exe) for i in ids]
if images != wanted:
    failures.append(f"IDI_ICON1 does not hold the images of {ico}")

info = output("wrestool", "-x", "--raw", "--type=16", exe)
# The fixed part: after its signature, the file and product versions as four 16-bit numbers each.
expected = tuple(int(n) for n in version.split(".")) + (0,)
at = info.find(struct.pack("<I", 0xFEEF04BD))
if at < 0:
    failures.append("no version resource")
else:
    ms, ls, pms, pls = struct.unpack_from("<4I", info, at + 8)
    for name, (high, low) in (("file", (ms, ls)), ("product", (pms, pls))):
        numbers = (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF)
        if numbers != expected:
            failures.append(f"{name} version {numbers}, expected {expected}")
# The texts: each UTF-16 name is followed, after zero padding, by its value.
text = info.decode("utf-16-le", "replace")
for name, value in (("ProductName", "Sekivo"), ("ProductVersion", version),
                    ("FileVersion", version), ("FileDescription", ".+"),
                    ("LegalCopyright", "Copyright .+")):
    found = re.search(name + "\0+([^\0]*)", text)
    if not found or not re.fullmatch(value, found.group(1)):
        failures.append(f"{name} is {found and found.group(1)!r}, expected {value!r}")

for failure in failures:
    print("sekivo.exe:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
