#pragma once
// What the workbook tests share: the template every producer writes (data/template.csv),
// reading a workbook back as rows of texts, zip parts for crafted and damaged files, and
// the other producers (openpyxl, LibreOffice) when they are installed.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <map>
#include <string>

namespace visitorclient {
class QExcel;
}

namespace xlsxtest {

using Rows = std::map<int, QStringList>; // row number -> texts up to the last value
using Parts = std::map<std::string, QByteArray>;

QString dataPath(const QString &name);
/// data/template.csv as its rows read back from any workbook: dates of the data rows
/// (D and E from row 11) as "yyyy-MM-ddTHH:mm:ss", empty rows left out.
Rows templateRows();
/// The rows of the current sheet through forEachRow, and through getCellValue over the
/// used range; both must agree with what the file holds.
Rows streamedRows(visitorclient::QExcel &excel);
Rows cellRows(visitorclient::QExcel &excel);
/// Text for failure messages.
QString describe(const Rows &rows);

Parts readParts(const QString &path);
bool writeParts(const QString &path, const Parts &parts);
/// A minimal workbook around one sheet's XML, plus optional shared strings and styles.
Parts workbookParts(const QByteArray &sheetData, const QByteArray &sharedStrings = {},
                    const QByteArray &styles = {}, const QByteArray &workbookPr = {});

bool openpyxlAvailable();
bool libreOfficeAvailable();
/// Runs data/make_fixtures.sh into folder for one producer; false when it failed.
bool makeFixture(const QString &folder, const QString &producer);
/// The cells LibreOffice shows for the first sheet of the workbook at path (converted to
/// CSV in workDir), as Rows; empty when LibreOffice could not open it.
Rows libreOfficeRows(const QString &path, const QString &workDir);
/// data/read_openpyxl.py over path: {"sheets", "rows", "textColumns", "links"}.
QJsonObject readWithOpenpyxl(const QString &path);
/// Rows of openpyxl's answer in the form of Rows.
Rows openpyxlRows(const QJsonObject &answer);

} // namespace xlsxtest
