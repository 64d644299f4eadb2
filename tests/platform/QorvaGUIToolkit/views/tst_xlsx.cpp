// The spreadsheet writer, read back with an independent reader (openpyxl).

#include <QorvaGUIToolkit/ConvertFromUnicode.h>
#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace QorvaGUIToolkit;

namespace {

const char *ReaderScript = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
rows = [[[c.value, c.data_type] for c in row] for row in ws.iter_rows()]
print(json.dumps({"sheets": len(wb.worksheets), "rows": rows}, ensure_ascii=False))
)";

bool readerAvailable()
{
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit &&
           probe.exitCode() == 0;
}

// Cells as [value, type] pairs per row; an empty document when the reader failed.
QJsonDocument readBack(const QString &path)
{
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(ReaderScript), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        qWarning("reader failed: %s", reader.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput());
}

QStringList leftovers(const QString &dir, const QString &keep)
{
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(keep);
    return names;
}

} // namespace

class TestXlsx : public QObject
{
    Q_OBJECT
private slots:
    void writesTextCellsReadableElsewhere();
    void replacesExistingFile();
    void emptyRowsGiveEmptySheet();
    void oddTextStaysReadable();
    void failsWithoutLeavingFiles_data();
    void failsWithoutLeavingFiles();
    void unwritableFolderFails();
    void refusedWritesKeepOldFile();
    void rowsFromSourceContinueAcrossBatches();
    void convertsToLocalCodePage();
};

void TestXlsx::writesTextCellsReadableElsewhere()
{
    if (!readerAvailable())
        QSKIP("Debian's python3-openpyxl is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("访客记录.xlsx"));
    const QList<QStringList> rows = {
        {QStringLiteral("姓名"), QStringLiteral("证件号码"), QStringLiteral("Remark")},
        {QStringLiteral("张三"), QStringLiteral("110101199003071234"),
         QStringLiteral("<a & \"b\">")},
        {QStringLiteral("Li Si"), QStringLiteral("0012"), QString()},
        {QStringLiteral("王五"), QStringLiteral("12345678901234567890"),
         QStringLiteral("line1\nline2")},
    };
    QVERIFY(QXlsxMgr::WriteExcel(path, rows));
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(leftovers(dir.path(), QFileInfo(path).fileName()), QStringList());

    const QJsonDocument doc = readBack(path);
    QVERIFY(doc.isObject());
    QCOMPARE(doc.object().value("sheets").toInt(), 1);
    const QJsonArray read = doc.object().value("rows").toArray();
    QCOMPARE(read.size(), rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const QJsonArray cells = read.at(r).toArray();
        for (int c = 0; c < rows.at(r).size(); ++c) {
            const QJsonArray cell = cells.at(c).toArray();
            if (rows.at(r).at(c).isEmpty()) {
                QVERIFY2(cell.at(0).isNull(), qPrintable(QString("row %1 col %2").arg(r).arg(c)));
                continue;
            }
            // Text cells, so digit strings keep every digit and leading zeros.
            QCOMPARE(cell.at(1).toString(), QStringLiteral("s"));
            QCOMPARE(cell.at(0).toString(), rows.at(r).at(c));
        }
    }
}

void TestXlsx::replacesExistingFile()
{
    if (!readerAvailable())
        QSKIP("Debian's python3-openpyxl is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.xlsx"));
    QVERIFY(QXlsxMgr::WriteExcel(path, QVector<QStringList>{{"old", "rows"}, {"x"}}));
    QVERIFY(QXlsxMgr::WriteExcel(path, QVector<QStringList>{{"new"}}));
    const QJsonArray read = readBack(path).object().value("rows").toArray();
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.at(0).toArray().at(0).toArray().at(0).toString(), QStringLiteral("new"));
    QCOMPARE(leftovers(dir.path(), "export.xlsx"), QStringList());
}

void TestXlsx::emptyRowsGiveEmptySheet()
{
    if (!readerAvailable())
        QSKIP("Debian's python3-openpyxl is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.xlsx"));
    QVERIFY(QXlsxMgr::WriteExcel(path, QList<QStringList>{}));
    const QJsonDocument doc = readBack(path);
    QCOMPARE(doc.object().value("sheets").toInt(), 1);
    // openpyxl reports one empty row for an empty sheet.
    const QJsonArray read = doc.object().value("rows").toArray();
    QVERIFY(read.size() <= 1);
    if (read.size() == 1)
        QVERIFY(read.at(0).toArray().at(0).toArray().at(0).isNull());
}

void TestXlsx::oddTextStaysReadable()
{
    if (!readerAvailable())
        QSKIP("Debian's python3-openpyxl is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd.xlsx"));
    const QString control = QStringLiteral("a") + QChar(0x01) + QStringLiteral("b\tc");
    const QString longText(40000, QChar(0x5F20)); // more than a cell holds
    const QString formula = QStringLiteral("=1+1");
    QVERIFY(QXlsxMgr::WriteExcel(path, QList<QStringList>{{control, longText, formula}}));
    const QJsonArray cells = readBack(path).object().value("rows").toArray().at(0).toArray();
    QCOMPARE(cells.size(), 3);
    QVERIFY(cells.at(0).toArray().at(0).toString().startsWith(QStringLiteral("a")));
    QCOMPARE(cells.at(1).toArray().at(0).toString().size(), 32767);
    // A leading '=' is text, not a formula someone could slip into an export.
    QCOMPARE(cells.at(2).toArray().at(1).toString(), QStringLiteral("s"));
    QCOMPARE(cells.at(2).toArray().at(0).toString(), formula);
}

void TestXlsx::failsWithoutLeavingFiles_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing folder") << QStringLiteral("no/such/folder/out.xlsx");
    QTest::newRow("path is a folder") << QStringLiteral("sub");
}

void TestXlsx::failsWithoutLeavingFiles()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const QString path = relativePath.isEmpty() ? QString() : dir.filePath(relativePath);
    QVERIFY(!QXlsxMgr::WriteExcel(path, QList<QStringList>{{"a"}}));
    QCOMPARE(leftovers(dir.path(), QString()), QStringList());
    QCOMPARE(QDir(dir.filePath("sub")).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestXlsx::unwritableFolderFails()
{
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(locked));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (::geteuid() == 0) {
        // Permissions do not stop root; a folder of the proc file system does.
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QVERIFY(!QXlsxMgr::WriteExcel(QStringLiteral("/proc/qorva-export.xlsx"),
                                      QList<QStringList>{{"a"}}));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/qorva-export.xlsx")));
        return;
    }
    const bool written =
        QXlsxMgr::WriteExcel(locked + QStringLiteral("/out.xlsx"), QList<QStringList>{{"a"}});
    const QStringList inside = QDir(locked).entryList(QDir::Files | QDir::Hidden);
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!written);
    QCOMPARE(inside, QStringList());
}

void TestXlsx::refusedWritesKeepOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.xlsx"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous export");
    }
    QStringList wide;
    for (int i = 0; i < 16385; ++i)
        wide << QStringLiteral("c");
    QVERIFY(!QXlsxMgr::WriteExcel(path, QList<QStringList>{wide}));
    // A row source that fails part way, and one that gives a row wider than announced.
    int calls = 0;
    QVERIFY(!QXlsxMgr::WriteExcelRows(path, 2, [&calls](QVector<QStringList> &rows) {
        rows = {{"a", "b"}};
        return ++calls < 2;
    }));
    QVERIFY(!QXlsxMgr::WriteExcelRows(path, 2, [](QVector<QStringList> &rows) {
        rows = {{"a", "b", "c"}};
        return true;
    }));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous export"));
    QCOMPARE(leftovers(dir.path(), "keep.xlsx"), QStringList());
}

void TestXlsx::rowsFromSourceContinueAcrossBatches()
{
    if (!readerAvailable())
        QSKIP("Debian's python3-openpyxl is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("batches.xlsx"));
    const QVector<QVector<QStringList>> batches = {
        {{"名", "号"}}, {{"张三", "0012"}, {"Li"}}, {}, {{"late"}}};
    int calls = 0;
    bool startedEmpty = true;
    QVERIFY(QXlsxMgr::WriteExcelRows(path, 2, [&](QVector<QStringList> &rows) {
        startedEmpty = startedEmpty && rows.isEmpty();
        rows = batches.value(calls++);
        return true;
    }));
    QVERIFY(startedEmpty);
    QCOMPARE(calls, 3); // the empty batch ends the sheet
    const QJsonArray read = readBack(path).object().value("rows").toArray();
    QCOMPARE(read.size(), 3);
    QCOMPARE(read.at(1).toArray().at(1).toArray().at(0).toString(), QStringLiteral("0012"));
    QCOMPARE(read.at(2).toArray().at(0).toArray().at(0).toString(), QStringLiteral("Li"));
}

void TestXlsx::convertsToLocalCodePage()
{
    // The test environment sets the local code page to GBK: two bytes per Chinese character.
    QCOMPARE(ConvertFromUnicode(QStringLiteral("abc")), std::string("abc"));
    QCOMPARE(ConvertFromUnicode(QStringLiteral("张三")).size(), size_t(4));
    QCOMPARE(ConvertFromUnicode(QString()), std::string());
}

QTEST_MAIN(TestXlsx)
#include "tst_xlsx.moc"
