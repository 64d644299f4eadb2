# Prints every cell of the first sheet as text (dates as ISO date-times), one JSON array
# per row, so a test can compare what openpyxl reads with what was written.
import datetime, json, sys, openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
rows = []
for row in sheet.iter_rows():
    texts = []
    for cell in row:
        value = cell.value
        if value is None:
            texts.append("")
        elif isinstance(value, datetime.datetime):
            texts.append(value.isoformat())
        else:
            texts.append(str(value))
    rows.append(texts)
print(json.dumps({"sheets": book.sheetnames, "rows": rows,
                  "textColumns": [k for k, d in sheet.column_dimensions.items()
                                  if d.number_format == "@"],
                  "links": {c.coordinate: c.hyperlink.target or c.hyperlink.location
                            for r in sheet.iter_rows() for c in r if c.hyperlink}},
                 ensure_ascii=False))
