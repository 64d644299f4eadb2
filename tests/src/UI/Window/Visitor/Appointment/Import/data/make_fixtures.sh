#!/bin/sh
# Writes template.csv as workbooks of other producers into OUTDIR (default: this folder):
#   openpyxl    openpyxl_serial.xlsx (dates as serial numbers), openpyxl_iso.xlsx (ISO dates)
#   libreoffice libreoffice_template.xlsx (converted from the CSV, digits kept as text)
# Needs /usr/bin/python3 with openpyxl, LibreOffice's soffice.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}
[ $# -gt 0 ] && shift
what=${*:-openpyxl libreoffice}
for producer in $what; do
  case $producer in
  openpyxl)
    /usr/bin/python3 "$here/write_openpyxl.py" "$here/template.csv" "$out/openpyxl_serial.xlsx" serial
    /usr/bin/python3 "$here/write_openpyxl.py" "$here/template.csv" "$out/openpyxl_iso.xlsx" iso
    ;;
  libreoffice)
    work=$(mktemp -d)
    # Columns D and E are dates (year-month-day), every other column text.
    types=1/2/2/2/3/2/4/5/5/5/6/2/7/2/8/2/9/2/10/2/11/2/12/2/13/2/14/2/15/2
    soffice --headless "-env:UserInstallation=file://$work/profile" \
      --infilter="CSV:44,34,76,1,$types" --convert-to xlsx --outdir "$work" \
      "$here/template.csv" >/dev/null 2>&1 || true
    # soffice exits 0 even when it fails: the file tells.
    if [ ! -s "$work/template.xlsx" ]; then
      echo "make_fixtures: LibreOffice wrote no workbook" >&2
      rm -rf "$work"
      exit 1
    fi
    mv "$work/template.xlsx" "$out/libreoffice_template.xlsx"
    rm -rf "$work"
    ;;
  *)
    echo "make_fixtures: unknown producer $producer" >&2
    exit 2
    ;;
  esac
done
