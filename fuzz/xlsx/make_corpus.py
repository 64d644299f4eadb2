# Writes the seed corpus of fuzz_xlsx_reader from the workbook test files: each workbook
# once as a zip (first byte 0) and once as its unzipped parts (first byte 1).
import os, sys, zipfile

here = os.path.dirname(os.path.abspath(__file__))
data = os.path.join(here, "../../tests/src/UI/Window/Visitor/Appointment/Import/data")
parts = ["xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/worksheets/sheet1.xml",
         "xl/sharedStrings.xml", "xl/styles.xml"]
for name in sorted(os.listdir(data)):
    if not name.endswith(".xlsx"):
        continue
    stem = name[:-5]
    with open(os.path.join(data, name), "rb") as f:
        raw = f.read()
    with open(os.path.join(here, "corpus", stem + ".zip"), "wb") as f:
        f.write(b"\0" + raw)
    with zipfile.ZipFile(os.path.join(data, name)) as book:
        names = book.namelist()
        pieces = [book.read(p) if p in names else b"" for p in parts]
    with open(os.path.join(here, "corpus", stem + ".parts"), "wb") as f:
        f.write(b"\1" + b"\n@@\n".join(pieces))
