# Writes template.csv as an appointment template the way a script with openpyxl would:
# dates of the data rows as date cells (serial numbers, or ISO texts with "iso"), the
# gender as a number, everything else as text.
import csv, datetime, sys, openpyxl

source, target, mode = sys.argv[1], sys.argv[2], sys.argv[3]
book = openpyxl.Workbook(iso_dates=(mode == "iso"))
sheet = book.active
sheet.title = "Sheet1"
with open(source, encoding="utf-8", newline="") as f:
    for number, row in enumerate(csv.reader(f), start=1):
        for column, text in enumerate(row, start=1):
            if text == "":
                continue
            value = text
            if number > 10 and column in (4, 5):
                value = datetime.datetime.fromisoformat(text)
            elif number > 10 and column == 2:
                value = int(text)
            sheet.cell(row=number, column=column, value=value)
book.save(target)
