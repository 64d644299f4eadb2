// Feeds arbitrary bytes to the .xlsx reader. The first byte chooses the form: even, the
// rest is a zip archive; odd, the rest is the workbook's parts, unzipped, separated by
// "\n@@\n" (workbook, its relationships, sheet, shared strings, styles), so that
// mutations reach the XML handling rather than stop in the inflater. Every sheet is read
// to the end and the rows must be sane.

#include "XlsxPackage.h"
#include "XlsxReader.h"
#include "XlsxValues.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace visitorclient;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::unique_ptr<IXlsxPackage> partsPackage(const QByteArray &data)
{
    static const char *const names[] = {"xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                        "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                                        "xl/styles.xml"};
    std::map<std::string, QByteArray> parts;
    int index = 0;
    int from = 0;
    while (index < 5) {
        const int at = data.indexOf("\n@@\n", from);
        parts[names[index++]] = data.mid(from, at < 0 ? -1 : at - from);
        if (at < 0)
            break;
        from = at + 4;
    }
    return memoryPackage(std::move(parts));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, int(size - 1));
    QString error;
    std::unique_ptr<IXlsxPackage> package =
        (data[0] & 1) ? partsPackage(bytes) : openZipPackage(bytes, error);
    if (!package) {
        require(!error.isEmpty(), "a refused archive says why");
        return 0;
    }
    CXlsxReader reader(std::move(package));
    if (!reader.open() || !reader.checkSheets()) {
        require(!reader.errorText().isEmpty(), "a refused workbook says why");
        return 0;
    }
    for (int sheet = 0; sheet < reader.sheetCount(); ++sheet) {
        const bool read =
            reader.readSheet(sheet, [](int row, const std::vector<CXlsxReader::Cell> &cells) {
                require(row >= 1 && row <= xlsx::MaxRows, "row inside the sheet");
                require(!cells.empty(), "rows hold values");
                for (const CXlsxReader::Cell &cell : cells) {
                    require(cell.column >= 1 && cell.column <= xlsx::MaxColumns,
                            "column inside the sheet");
                    require(!cell.text.isEmpty(), "cells hold text");
                }
                return true;
            });
        require(read || !reader.errorText().isEmpty(), "a damaged sheet says why");
    }
    return 0;
}
