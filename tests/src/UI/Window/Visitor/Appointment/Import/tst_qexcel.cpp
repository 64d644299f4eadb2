// The workbook wrapper on real files: what it writes reads back alike here and in
// openpyxl, files of other producers read alike, crafted cells read as a spreadsheet
// shows them, damaged files fail with a clear error, and the sheet operations hold.

#include "QExcel.h"
#include "XlsxTestSupport.h"

#include <Base/LogCapture.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using visitorclient::QExcel;
using namespace xlsxtest;

class QExcelTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, const Parts &parts) const
    {
        const QString file = path(name);
        EXPECT_TRUE(writeParts(file, parts));
        return file;
    }

    QTemporaryDir m_dir;
};

// Writes the template the way the product fills a workbook: dates and the gender as
// values, everything else as text.
void writeTemplate(QExcel &excel)
{
    for (const auto &row : templateRows()) {
        for (int column = 1; column <= row.second.size(); ++column) {
            const bool value = row.first > 10 && (column == 2 || column == 4 || column == 5);
            ASSERT_TRUE(excel.setCellValue(row.first, column, row.second.at(column - 1), !value));
        }
    }
}

TEST_F(QExcelTest, WrittenWorkbookReadsBackAlike)
{
    const QString file = path(QStringLiteral("模板.xlsx"));
    {
        QExcel excel(file);
        ASSERT_TRUE(excel.isOpened()) << excel.errorText().toStdString();
        EXPECT_TRUE(QFile::exists(file)); // created at once
        ASSERT_TRUE(excel.selectSheet(QStringLiteral("Sheet1")));
        writeTemplate(excel);
        ASSERT_TRUE(excel.save()) << excel.errorText().toStdString();
    }
    QExcel excel(file);
    ASSERT_TRUE(excel.isOpened()) << excel.errorText().toStdString();
    ASSERT_TRUE(excel.selectSheet(1));
    EXPECT_EQ(excel.lastUsedRow(), 14);
    EXPECT_EQ(excel.lastUsedColumn(), 15);
    const Rows expected = templateRows();
    EXPECT_EQ(streamedRows(excel), expected) << describe(streamedRows(excel)).toStdString();
    EXPECT_EQ(cellRows(excel), expected);

    if (!openpyxlAvailable())
        GTEST_SKIP() << "Debian's python3-openpyxl is not installed";
    const QJsonObject read = readWithOpenpyxl(file);
    EXPECT_EQ(openpyxlRows(read), expected) << describe(openpyxlRows(read)).toStdString();
}

TEST_F(QExcelTest, OtherProducersReadAlike)
{
    QStringList files = {dataPath(QStringLiteral("libreoffice_template.xlsx")),
                         dataPath(QStringLiteral("openpyxl_serial.xlsx")),
                         dataPath(QStringLiteral("openpyxl_iso.xlsx"))};
    if (openpyxlAvailable()) {
        // Today's openpyxl, too, not only the one that made the checked-in files.
        ASSERT_TRUE(makeFixture(m_dir.path(), QStringLiteral("openpyxl")));
        files << path(QStringLiteral("openpyxl_serial.xlsx"))
              << path(QStringLiteral("openpyxl_iso.xlsx"));
    }
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        QExcel excel(file);
        ASSERT_TRUE(excel.isOpened()) << excel.errorText().toStdString();
        ASSERT_TRUE(excel.selectSheet(1));
        EXPECT_EQ(excel.lastUsedRow(), 14);
        EXPECT_EQ(excel.lastUsedColumn(), 15);
        EXPECT_EQ(streamedRows(excel), templateRows())
            << describe(streamedRows(excel)).toStdString();
        EXPECT_EQ(cellRows(excel), templateRows());
    }
}

TEST_F(QExcelTest, StoredFormsReadAsASpreadsheetShowsThem)
{
    const QByteArray strings =
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<si><t>plain</t></si>"
        "<si><r><t>ri</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">ch </t></r>"
        "<rPh sb=\"0\" eb=\"1\"><t>ルビ</t></rPh></si>"
        "<si><t>line_x000D__x000A_break</t></si></sst>";
    const QByteArray styles =
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<numFmts><numFmt numFmtId=\"164\" "
        "formatCode=\"yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/>"
        "<numFmt numFmtId=\"165\" formatCode=\"0.00E+00\"/></numFmts>"
        "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs>"
        "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
        "<xf numFmtId=\"22\"/></cellXfs></styleSheet>";
    const QByteArray sheet =
        "<dimension ref=\"A1:Z1000\"/><sheetData>"
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
        "<c r=\"C1\" t=\"s\"><v>2</v></c><c r=\"D1\" t=\"inlineStr\"><is><r><t>in</t></r>"
        "<r><t>line</t></r></is></c></row>"
        "<row r=\"2\"><c r=\"A2\" t=\"str\"><f>A1&amp;\"\"</f><v>formula</v></c>"
        "<c r=\"B2\" t=\"b\"><v>1</v></c><c r=\"C2\" t=\"e\"><v>#N/A</v></c>"
        "<c r=\"D2\"><v>13800138000</v></c><c r=\"E2\"><v>1.101011990030712e+17</v></c>"
        "<c r=\"F2\" s=\"2\"><v>1.5</v></c></row>"
        // Dates: a custom format with quoted text, the 1904 system, ISO text.
        "<row r=\"3\"><c r=\"A3\" s=\"1\"><v>44899</v></c><c r=\"B3\" s=\"3\"><v>44899.75</v></c>"
        "<c r=\"C3\" t=\"d\"><v>2026-12-05T09:30:00</v></c><c r=\"D3\" "
        "t=\"d\"><v>soon</v></c></row>"
        // Rows and cells without their references follow the previous ones.
        "<row><c><v>1</v></c><c><v>2</v></c><c r=\"E4\"><v>5</v></c><c><v>6</v></c></row>"
        // Formats and empty values are not values: the used range ends before them.
        "<row r=\"7\"><c r=\"A7\" s=\"1\"/><c r=\"Z7\" t=\"inlineStr\"><is><t></t></is></c></row>"
        "<row r=\"1000\"><c r=\"Z1000\" s=\"3\"/></row>"
        "</sheetData><mergeCells count=\"1\"><mergeCell ref=\"A1:B1\"/></mergeCells>";
    const QString file =
        write(QStringLiteral("forms.xlsx"),
              workbookParts(sheet, strings, styles, "<workbookPr date1904=\"true\"/>"));
    QExcel excel(file);
    ASSERT_TRUE(excel.isOpened()) << excel.errorText().toStdString();
    ASSERT_TRUE(excel.selectSheet(QStringLiteral("data")));
    EXPECT_EQ(excel.lastUsedRow(), 4);
    EXPECT_EQ(excel.lastUsedColumn(), 6);
    const Rows expected = {
        {1, {"plain", "rich ", "line\r\nbreak", "inline"}},
        {2, {"formula", "TRUE", "#N/A", "13800138000", "1.10101199003071e+17", "1.5"}},
        {3, {"2026-12-05T00:00:00", "2026-12-05T18:00:00", "2026-12-05T09:30:00", "soon"}},
        {4, {"1", "2", "", "", "5", "6"}},
    };
    EXPECT_EQ(streamedRows(excel), expected) << describe(streamedRows(excel)).toStdString();
    EXPECT_EQ(cellRows(excel), expected);
}

// A copy of bytes with part's compressed data garbled (its headers stay intact).
QByteArray garbled(QByteArray bytes, const QByteArray &part)
{
    const int name = bytes.indexOf(part);
    const int header = name - 30;
    const auto u16 = [&](int at) { return uchar(bytes[at]) | uchar(bytes[at + 1]) << 8; };
    const int data = name + u16(header + 26) + u16(header + 28);
    for (int i = data + 8; i < data + 72 && i < bytes.size(); ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    return bytes;
}

TEST_F(QExcelTest, DamagedFilesFailClearly)
{
    const QString good = dataPath(QStringLiteral("libreoffice_template.xlsx"));
    const Parts parts = readParts(good);
    ASSERT_TRUE(parts.count("xl/worksheets/sheet1.xml"));
    QFile source(good);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();

    const auto without = [&](const char *name, const char *part) {
        Parts changed = parts;
        changed.erase(part);
        return write(QString::fromLatin1(name), changed);
    };
    const auto with = [&](const char *name, const char *part, const QByteArray &text) {
        Parts changed = parts;
        changed[part] = text;
        return write(QString::fromLatin1(name), changed);
    };
    const auto file = [&](const char *name, const QByteArray &data) {
        QFile out(path(QString::fromLatin1(name)));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(data);
        return out.fileName();
    };
    struct Case
    {
        const char *name;
        QString file;
        bool opens; // and fails when the sheet is read
        const char *error;
    };
    const Case cases[] = {
        {"truncated zip", file("cut.xlsx", bytes.left(bytes.size() / 2)), false,
         "NULL == m_pWorkBook: not an .xlsx file ("},
        {"no zip", file("text.xlsx", "name,phone\n"), false,
         "NULL == m_pWorkBook: not an .xlsx file"},
        {"empty file", file("empty.xlsx", {}), false, "NULL == m_pWorkBook: "},
        {"folder", m_dir.path(), false, "NULL == m_pWorkBook: "},
        {"missing sheet", without("nosheet.xlsx", "xl/worksheets/sheet1.xml"), false,
         "NULL == m_pSheets: the part [xl/worksheets/sheet1.xml] of sheet [template] is missing"},
        {"missing shared strings", without("nostrings.xlsx", "xl/sharedStrings.xml"), false,
         "NULL == m_pWorkBook: the shared strings are missing"},
        {"missing workbook", without("nobook.xlsx", "xl/workbook.xml"), false,
         "NULL == m_pWorkBook: not an .xlsx file: the workbook part [xl/workbook.xml] is missing"},
        {"malformed workbook", with("book.xlsx", "xl/workbook.xml", "<workbook><sheets>"), false,
         "NULL == m_pWorkBook: [xl/workbook.xml] is not well-formed XML"},
        {"malformed sheet",
         with("sheet.xlsx", "xl/worksheets/sheet1.xml", "<worksheet><sheetData><row><c><v>1</c>"),
         true, "[xl/worksheets/sheet1.xml] is not well-formed XML (line 1"},
        {"entity expansion",
         with("dtd.xlsx", "xl/worksheets/sheet1.xml",
              "<!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>"
              "<worksheet><sheetData><row><c t=\"inlineStr\"><is><t>&b;</t></is></c></row>"
              "</sheetData></worksheet>"),
         true, "[xl/worksheets/sheet1.xml] declares a document type"},
        {"shared string out of range",
         with("index.xlsx", "xl/worksheets/sheet1.xml",
              "<worksheet><sheetData><row r=\"2\"><c r=\"B2\" t=\"s\"><v>99</v></c></row>"
              "</sheetData></worksheet>"),
         true, "sheet [template]: cell [B2] refers to shared string [99] of ["},
        {"bad reference",
         with("ref.xlsx", "xl/worksheets/sheet1.xml",
              "<worksheet><sheetData><row r=\"2\"><c r=\"XFE2\"><v>1</v></c></row>"
              "</sheetData></worksheet>"),
         true, "sheet [template]: cell reference [XFE2] in row [2] is not valid"},
        {"garbled data", file("crc.xlsx", garbled(bytes, "xl/worksheets/sheet1.xml")), true,
         "[xl/worksheets/sheet1.xml] "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QExcel excel(c.file);
        EXPECT_EQ(excel.isOpened(), c.opens) << excel.errorText().toStdString();
        if (c.opens) {
            EXPECT_FALSE(excel.selectSheet(1));
            // Without a selection the first sheet is current: reading it fails the same way.
            EXPECT_FALSE(excel.forEachRow([](int, const QStringList &) { return true; }));
            EXPECT_EQ(excel.lastUsedRow(), 0);
        } else {
            EXPECT_EQ(excel.sheetCount(), 0);
            EXPECT_FALSE(excel.selectSheet(1));
            EXPECT_FALSE(excel.getCellValue(1, 1).isValid());
            EXPECT_FALSE(excel.save());
        }
        EXPECT_TRUE(excel.errorText().startsWith(QString::fromUtf8(c.error)) ||
                    (c.opens && excel.errorText().contains(QString::fromUtf8(c.error))))
            << excel.errorText().toStdString();
    }
}

TEST_F(QExcelTest, WriteFailuresAreReported)
{
    Base::details::CLogCapture log;
    {
        QExcel excel(path(QStringLiteral("missing/book.xlsx")));
        EXPECT_FALSE(excel.isOpened());
        EXPECT_TRUE(excel.errorText().startsWith(QStringLiteral("m_bCreateFailed: ")))
            << excel.errorText().toStdString();
        EXPECT_TRUE(log.contains("iErr=[1], CreateFailed"));
        EXPECT_FALSE(excel.setCellValue(1, 1, QStringLiteral("x")));
    }
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
    QExcel excel(path(QStringLiteral("sub/book.xlsx")));
    ASSERT_TRUE(excel.isOpened());
    QStringList descriptions;
    QObject::connect(&excel, &QExcel::SignalException,
                     [&](int code, const QString &, const QString &description) {
                         EXPECT_EQ(code, 1);
                         descriptions << description;
                     });
    ASSERT_TRUE(QDir(path(QStringLiteral("sub"))).removeRecursively());
    EXPECT_TRUE(excel.setCellValue(1, 1, QStringLiteral("x")));
    EXPECT_FALSE(excel.save());
    EXPECT_EQ(descriptions, QStringList{"the folder does not exist"});
    EXPECT_TRUE(excel.isOpened()); // the workbook is still there to save elsewhere
    EXPECT_EQ(excel.getCellValue(1, 1).toString(), QStringLiteral("x"));
}

TEST_F(QExcelTest, SheetOperations)
{
    const QString file = path(QStringLiteral("sheets.xlsx"));
    {
        QExcel excel(file);
        ASSERT_TRUE(excel.isOpened());
        EXPECT_EQ(excel.sheetNames(), QStringList{"Sheet1"});
        EXPECT_TRUE(excel.addSheet(QStringLiteral("数据")));
        EXPECT_TRUE(excel.addSheet());
        EXPECT_EQ(excel.sheetNames(), (QStringList{"Sheet1", "数据", "Sheet3"}));
        EXPECT_FALSE(excel.addSheet(QStringLiteral("a/b")));
        EXPECT_FALSE(excel.addSheet(QStringLiteral("SHEET1")));
        EXPECT_FALSE(excel.selectSheet(4));
        EXPECT_FALSE(excel.selectSheet(QStringLiteral("none")));

        ASSERT_TRUE(excel.selectSheet(QStringLiteral("数据")));
        EXPECT_TRUE(excel.setRangeValue(QStringLiteral("B2:C3"), QStringLiteral("007")));
        EXPECT_FALSE(excel.setRangeValue(QStringLiteral("A:Z"), QStringLiteral("x")));
        EXPECT_TRUE(excel.setCellValue(5, 1, QStringLiteral("gone")));
        EXPECT_TRUE(excel.clearRange(QStringLiteral("C:C")));
        EXPECT_TRUE(excel.clearRange(QStringLiteral("5:5")));
        EXPECT_EQ(excel.lastUsedRow(), 3);
        EXPECT_EQ(excel.lastUsedColumn(), 2);
        EXPECT_TRUE(excel.setCellValue(2, 2, QString()));
        EXPECT_FALSE(excel.getCellValue(2, 2).isValid());
        EXPECT_FALSE(excel.setCellValue(0, 1, QStringLiteral("x")));

        EXPECT_TRUE(excel.deleteSheet(QStringLiteral("Sheet3")));
        EXPECT_TRUE(excel.deleteSheet(1));
        EXPECT_FALSE(excel.deleteSheet(1)); // the last sheet stays
        EXPECT_EQ(excel.sheetNames(), QStringList{"数据"});
        ASSERT_TRUE(excel.save());
    }
    QExcel excel(file);
    ASSERT_TRUE(excel.isOpened());
    EXPECT_EQ(excel.sheetNames(), QStringList{"数据"});
    EXPECT_EQ(streamedRows(excel), (Rows{{3, {"", "007"}}}));
}

TEST_F(QExcelTest, ValuesKeepTheirType)
{
    const QString file = path(QStringLiteral("types.xlsx"));
    {
        QExcel excel(file);
        ASSERT_TRUE(excel.setColumnsTextFormat(3, 3));
        const QStringList texts = {"0012", "110101199003071234", "42", "2026-12-05 09:30:00"};
        for (int i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(excel.setCellValue(i + 1, 1, texts.at(i)));
            EXPECT_TRUE(excel.setCellValue(i + 1, 2, texts.at(i), true));
            EXPECT_TRUE(excel.setCellValue(i + 1, 3, texts.at(i))); // a text column
        }
        EXPECT_TRUE(excel.addHyperlink(6, 1, QStringLiteral("https://example.com/a b"), QString(),
                                       QStringLiteral("tip"), QStringLiteral("访问")));
        EXPECT_TRUE(
            excel.addHyperlink(7, 1, QString(), QStringLiteral("Sheet1!B2"), QString(), QString()));
        ASSERT_TRUE(excel.save()) << excel.errorText().toStdString();
    }
    QExcel excel(file);
    const Rows expected = {
        {1, {"0012", "0012", "0012"}},
        {2, {"110101199003071234", "110101199003071234", "110101199003071234"}},
        {3, {"42", "42", "42"}},
        {4, {"2026-12-05T09:30:00", "2026-12-05 09:30:00", "2026-12-05 09:30:00"}},
        {6, {"访问"}},
        {7, {"Sheet1!B2"}},
    };
    EXPECT_EQ(streamedRows(excel), expected) << describe(streamedRows(excel)).toStdString();

    if (!openpyxlAvailable())
        GTEST_SKIP() << "Debian's python3-openpyxl is not installed";
    const QJsonObject read = readWithOpenpyxl(file);
    const QJsonArray rows = read.value(QStringLiteral("rows")).toArray();
    // openpyxl sees a number and a date where the texts were a number and a date.
    EXPECT_EQ(rows.at(2).toArray().at(0).toString(), QStringLiteral("42"));
    EXPECT_EQ(rows.at(3).toArray().at(0).toString(), QStringLiteral("2026-12-05T09:30:00"));
    EXPECT_EQ(read.value(QStringLiteral("textColumns")).toArray(), QJsonArray{"C"});
    const QJsonObject links = read.value(QStringLiteral("links")).toObject();
    EXPECT_EQ(links.value(QStringLiteral("A6")).toString(),
              QStringLiteral("https://example.com/a%20b"));
    EXPECT_EQ(links.value(QStringLiteral("A7")).toString(), QStringLiteral("Sheet1!B2"));
}

TEST_F(QExcelTest, ChangedForeignFileKeepsItsValues)
{
    const QString file = path(QStringLiteral("copy.xlsx"));
    ASSERT_TRUE(QFile::copy(dataPath(QStringLiteral("openpyxl_serial.xlsx")), file));
    {
        QExcel excel(file);
        ASSERT_TRUE(excel.selectSheet(1));
        int seen = 0;
        EXPECT_TRUE(excel.forEachRow([&](int, const QStringList &) { return ++seen < 2; }));
        EXPECT_EQ(seen, 2);
        ASSERT_TRUE(excel.setCellValue(16, 1, QStringLiteral("新增")));
        ASSERT_TRUE(excel.save());
    }
    QExcel excel(file);
    Rows expected = templateRows();
    expected[16] = QStringList{"新增"};
    EXPECT_EQ(streamedRows(excel), expected);
}

} // namespace
