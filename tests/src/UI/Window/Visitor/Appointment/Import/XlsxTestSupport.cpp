#include "XlsxTestSupport.h"

#include "QExcel.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <zip.h>

namespace xlsxtest {

namespace {

void trimTrailing(QStringList &texts)
{
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
}

bool runs(const QString &program, const QStringList &arguments, int timeoutMs,
          QByteArray *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

} // namespace

QString dataPath(const QString &name)
{
    return QStringLiteral(QORVA_TEST_DATA_DIR "/") + name;
}

Rows templateRows()
{
    QFile file(dataPath(QStringLiteral("template.csv")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Rows rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QStringList texts = lines.at(i).split(QLatin1Char(','));
        for (int column = 3; i >= 10 && column <= 4 && column < texts.size(); ++column) {
            QString &date = texts[column];
            date = date.size() == 10 ? date + QStringLiteral("T00:00:00")
                                     : date.replace(QLatin1Char(' '), QLatin1Char('T'));
        }
        trimTrailing(texts);
        if (!texts.isEmpty())
            rows[i + 1] = texts;
    }
    return rows;
}

Rows streamedRows(visitorclient::QExcel &excel)
{
    Rows rows;
    excel.forEachRow([&rows](int row, const QStringList &texts) {
        rows[row] = texts;
        return true;
    });
    return rows;
}

Rows cellRows(visitorclient::QExcel &excel)
{
    Rows rows;
    const int lastRow = excel.lastUsedRow();
    const int lastColumn = excel.lastUsedColumn();
    for (int row = 1; row <= lastRow; ++row) {
        QStringList texts;
        for (int column = 1; column <= lastColumn; ++column)
            texts << excel.getCellValue(row, column).toString();
        trimTrailing(texts);
        if (!texts.isEmpty())
            rows[row] = texts;
    }
    return rows;
}

QString describe(const Rows &rows)
{
    QString text;
    for (const auto &row : rows)
        text += QStringLiteral("%1: %2\n").arg(row.first).arg(row.second.join(QLatin1Char('|')));
    return text;
}

Parts readParts(const QString &path)
{
    Parts parts;
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return parts;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0 || !file)
            continue;
        QByteArray data(int(stat.size), Qt::Uninitialized);
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        parts[stat.name] = data;
    }
    zip_discard(archive);
    return parts;
}

bool writeParts(const QString &path, const Parts &parts)
{
    int error = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto &part : parts) {
        // The archive reads the buffers when it is closed; they live in parts until then.
        zip_source_t *source = zip_source_buffer(archive, part.second.constData(),
                                                 zip_uint64_t(part.second.size()), 0);
        if (!source || zip_file_add(archive, part.first.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

Parts workbookParts(const QByteArray &sheetData, const QByteArray &sharedStrings,
                    const QByteArray &styles, const QByteArray &workbookPr)
{
    const QByteArray relationship =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    Parts parts;
    parts["_rels/.rels"] = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/"
                           "2006/relationships\"><Relationship Id=\"rId1\" Type=\"" +
                           relationship +
                           "officeDocument\" Target=\"xl/workbook.xml\"/>"
                           "</Relationships>";
    parts["xl/workbook.xml"] =
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"" +
        relationship.chopped(1) + "\">" + workbookPr +
        "<sheets><sheet name=\"Data\" sheetId=\"1\" r:id=\"rId7\"/></sheets></workbook>";
    QByteArray relationships = "<Relationships xmlns=\"http://schemas.openxmlformats.org/"
                               "package/2006/relationships\"><Relationship Id=\"rId7\" Type=\"" +
                               relationship + "worksheet\" Target=\"worksheets/sheet1.xml\"/>";
    if (!sharedStrings.isEmpty()) {
        relationships += "<Relationship Id=\"rId8\" Type=\"" + relationship +
                         "sharedStrings\" Target=\"/xl/sharedStrings.xml\"/>";
        parts["xl/sharedStrings.xml"] = sharedStrings;
    }
    if (!styles.isEmpty()) {
        relationships +=
            "<Relationship Id=\"rId9\" Type=\"" + relationship + "styles\" Target=\"styles.xml\"/>";
        parts["xl/styles.xml"] = styles;
    }
    parts["xl/_rels/workbook.xml.rels"] = relationships + "</Relationships>";
    parts["xl/worksheets/sheet1.xml"] =
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
        sheetData + "</worksheet>";
    return parts;
}

bool openpyxlAvailable()
{
    return runs(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import openpyxl")}, 60000);
}

bool libreOfficeAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
}

bool makeFixture(const QString &folder, const QString &producer)
{
    // LibreOffice starts slowly on a loaded machine.
    return runs(QStringLiteral("/bin/sh"),
                {dataPath(QStringLiteral("make_fixtures.sh")), folder, producer}, 280000);
}

Rows libreOfficeRows(const QString &path, const QString &workDir)
{
    const bool converted = runs(
        QStringLiteral("soffice"),
        {QStringLiteral("--headless"),
         QStringLiteral("-env:UserInstallation=file://%1/profile").arg(workDir),
         QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
         QStringLiteral("--outdir"), workDir, path},
        600000);
    QFile csv(workDir + QLatin1Char('/') + QFileInfo(path).completeBaseName() +
              QStringLiteral(".csv"));
    if (!converted || !csv.open(QIODevice::ReadOnly))
        return {};
    Rows shown;
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QStringList texts = lines.at(i).split(QLatin1Char(','));
        trimTrailing(texts);
        if (!texts.isEmpty())
            shown[i + 1] = texts;
    }
    return shown;
}

QJsonObject readWithOpenpyxl(const QString &path)
{
    QByteArray output;
    if (!runs(QStringLiteral("/usr/bin/python3"),
              {dataPath(QStringLiteral("read_openpyxl.py")), path}, 60000, &output))
        return {};
    return QJsonDocument::fromJson(output).object();
}

Rows openpyxlRows(const QJsonObject &answer)
{
    Rows rows;
    const QJsonArray read = answer.value(QStringLiteral("rows")).toArray();
    for (int i = 0; i < read.size(); ++i) {
        QStringList texts;
        for (const QJsonValue &cell : read.at(i).toArray())
            texts << cell.toString();
        trimTrailing(texts);
        if (!texts.isEmpty())
            rows[i + 1] = texts;
    }
    return rows;
}

} // namespace xlsxtest
