#!/bin/sh
# Rebuilds visitors-libreoffice.xlsx from visitors.csv with LibreOffice, as an operator
# who fills the list in a spreadsheet would: dates (columns D and E) as dates, every
# other column as text so that digits keep their leading zeros.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
types=1/2/2/2/3/2/4/5/5/5/6/2/7/2/8/2/9/2/10/2/11/2/12/2/13/2/14/2/15/2
soffice --headless "-env:UserInstallation=file://$work/profile" \
  --infilter="CSV:44,34,76,1,$types" --convert-to xlsx --outdir "$work" \
  "$here/visitors.csv" >/dev/null 2>&1 || true
[ -s "$work/visitors.xlsx" ] || { echo "make_visitors: LibreOffice wrote no workbook" >&2; exit 1; }
mv "$work/visitors.xlsx" "$here/visitors-libreoffice.xlsx"
