// The import through the appointment page against a real server: what reaches the
// server, what the operator is told (notices, tool tips, the result dialog), the
// allowance, files that are no template, and the template download.

#include "ImportTestSupport.h"
#include "pagebench/BenchTestCase.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/Window/Common/BatchResultDialog.h>
#include <UI/Window/Visitor/Appointment/AppointmentWidget.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentConversions.h>
#include <UI/Window/Visitor/Appointment/Import/ImportRules.h>
#include <UI/Window/Visitor/Appointment/Import/ImportWidget.h>
#include <UI/Window/Visitor/Appointment/Import/InformationModel.h>
#include <UI/Window/Visitor/Appointment/Import/QExcel.h>

#include <JSONStruct/personnel/TotalData.h>

#include <CommunicationLayer/FindPersonByOtherComm.h>

#include <QorvaGUIToolkit/CTableView.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QtTest>

using namespace visitorclient;

namespace {

const QString kAddUrl = QStringLiteral("/7310/v1/appointments");
const int kPost = 1;

QString importText(const char *key)
{
    return QCoreApplication::translate("visitorclient::ImportWidget", key);
}

QString pageText(const char *key)
{
    return QCoreApplication::translate("visitorclient::AppointmentWidget", key);
}

// Column of the server's appointment listing.
enum StoredColumn { StoredName = 2, StoredVisit = 4, StoredReceptionist = 5, StoredGroups = 6 };

} // namespace

class TestImportPage : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<AppointmentWidget> m_page;
    QString m_reason;       // a visit reason of the settings
    QString m_receptionist; // a receptionist of the demo site and its organisation path
    QString m_path;

    // The page with its import drawer open (its first load done).
    ImportWidget &openImport()
    {
        AppointmentSettingManager::Instance().loadConfig();
        m_reason = AppointmentSettingManager::Instance()
                       .getBasicSettingData()
                       .vecVisitReasons.value(0)
                       .strReasonName;
        m_page = std::make_unique<AppointmentWidget>();
        m_page->resize(1200, 700);
        m_page->show();
        m_page->onInitConfig();
        m_bench.waitUntil([this] { return !m_page->hasPendingRows(); });
        m_page->onImport();
        m_bench.mark();
        return *m_page->importWidget();
    }

    void findReceptionist()
    {
        m_receptionist = QStringLiteral("张伟");
        protocol::personnelcommon::TotalData answer;
        QVERIFY(commlayer::FindPersonByOtherComm::request(
            answer, AppointmentConversions::importReceptionistQuery(m_receptionist),
            std::string()));
        QVERIFY(!answer.personnelResponse.empty());
        m_path = QString::fromStdString(answer.personnelResponse.front().personnelOrgInfo.path);
    }

    QStringList row(const QString &name, int daysAhead = 1) const
    {
        const QString day =
            QDate::currentDate().addDays(daysAhead).toString(QStringLiteral("yyyy-MM-dd"));
        return {name,
                QStringLiteral("2"),
                QStringLiteral("13800000000"),
                day,
                day,
                m_reason,
                m_receptionist,
                m_path,
                QStringLiteral("4"),
                QStringLiteral("P1234567")};
    }

    QString workbook(const QVector<QStringList> &rows, importtest::WorkbookShape shape = {})
    {
        const QString path = QDir(m_bench.testDir()).filePath(QStringLiteral("appointments.xlsx"));
        QFile::remove(path);
        if (!importtest::writeWorkbook(
                path, rows, AppointmentSettingManager::Instance().getBasicSettingData(), shape))
            return QString();
        return path;
    }

    void importFile(ImportWidget &import, const QString &path)
    {
        import.setFilePath(path);
        import.findChild<QPushButton *>(QStringLiteral("ImportConfirmBtn"))->click();
    }

    QList<std::vector<std::string>> storedNamed(const QString &name)
    {
        QList<std::vector<std::string>> found;
        for (const auto &stored : m_bench.server().list("appointments")) {
            if (stored.at(StoredName) == name.toStdString())
                found << stored;
        }
        return found;
    }

    void releaseTestObjects() override { m_page.reset(); }

private slots:
    void validRowsAreStoredAndRefusedCellsListed()
    {
        const std::string group = m_bench.addAccessGroup("Visitor lobby", 2, true);
        QVERIFY(!group.empty());
        findReceptionist();
        ImportWidget &import = openImport();
        QStringList unknown = row(QStringLiteral("Visitor C"));
        unknown[6] = QStringLiteral("No Such Person");
        QStringList early = row(QStringLiteral("Visitor D"), 3);
        early[4] = QDate::currentDate().addDays(2).toString(QStringLiteral("yyyy-MM-dd"));
        const QString path = workbook({row(QStringLiteral("Visitor A")), row(QStringLiteral("a/b")),
                                       unknown, early, row(QStringLiteral("Visitor B"))});
        QVERIFY(!path.isEmpty());

        const std::size_t before = m_bench.ids("appointments").size();
        importFile(import, path);

        QCOMPARE(m_bench.requestCount(kAddUrl, kPost), 1);
        QCOMPARE(m_bench.ids("appointments").size(), before + 2);
        const auto stored = storedNamed(QStringLiteral("Visitor A"));
        QCOMPARE(stored.size(), 1);
        QCOMPARE(QString::fromStdString(stored.front().at(StoredReceptionist)), m_receptionist);
        QCOMPARE(stored.front().at(StoredGroups), group);
        QVERIFY(QString::fromStdString(stored.front().at(StoredVisit))
                    .startsWith(
                        QDate::currentDate().addDays(1).toString(QStringLiteral("yyyy-MM-dd"))));
        QCOMPARE(storedNamed(QStringLiteral("Visitor B")).size(), 1);
        QCOMPARE(m_bench.notices(), QStringList{pageText("%1PersonsImportSuccessed").arg(2)});
        QVERIFY(m_bench.waitTexts().contains(importText("Importing")));

        BatchResultDialog *dialog = import.resultDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->title(), importText("ImportFile") + QStringLiteral(":") + path);
        const QVector<InformationModel::Entry> expected = {
            {QStringLiteral("(12,A)"), importText("ThereIsASpecialSymbolismXzyyS")},
            {QStringLiteral("(13,H)"), importText("TheReceptionistDoesNLFiajccE")},
            {QStringLiteral("(14,E)"), importText("TimeFormatError")},
        };
        QCOMPARE(import.errorModel()->entries(), expected);
        QCOMPARE(dialog->tableView()->model()->rowCount(), 3);
        // Closing the dialog forgets the errors: the next import starts clean.
        dialog->findChild<QPushButton *>(QStringLiteral("BatchResultCloseBtn"))->click();
        QVERIFY(m_bench.waitUntil([&] { return import.resultDialog() == nullptr; }));
        QCOMPARE(import.errorModel()->rowCount(), 0);
    }

    void theAllowanceLimitsTheBatch()
    {
        QVERIFY(m_bench.seedAppointments(ImportRules::kMaxAppointments - 5));
        QCOMPARE(m_bench.ids("appointments").size(),
                 std::size_t(ImportRules::kMaxAppointments - 5));
        findReceptionist();
        ImportWidget &import = openImport();
        QCOMPARE(import.maxCount(), 5);
        QVector<QStringList> rows;
        for (int i = 0; i < 8; ++i)
            rows << row(QStringLiteral("Allowed %1").arg(i));
        importFile(import, workbook(rows));
        QCOMPARE(m_bench.ids("appointments").size(), std::size_t(ImportRules::kMaxAppointments));
        QCOMPARE(storedNamed(QStringLiteral("Allowed 4")).size(), 1);
        QCOMPARE(storedNamed(QStringLiteral("Allowed 5")).size(), 0);
        QCOMPARE(m_bench.notices(), (QStringList{importText("ReachTheMaximumNumbekBUdAPdZ"),
                                                 pageText("%1PersonsImportSuccessed").arg(5)}));
        QVERIFY(!import.resultDialog());
    }

    void filesThatAreNoTemplateAreRefusedInWords()
    {
        const std::size_t before = m_bench.ids("appointments").size();
        findReceptionist();
        ImportWidget &import = openImport();
        importFile(import, workbook({row(QStringLiteral("Narrow"))}, {14, true}));
        QVERIFY(m_bench.log().waitForLine("[log3.0][onImport] iRows = 11, iColumns = 14"));
        QCOMPARE(m_bench.notices(), QStringList{importText("TheFileIsNotAnAppointmentTemplate")});

        m_bench.mark();
        const QString text = QDir(m_bench.testDir()).filePath(QStringLiteral("notes.xlsx"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("name,phone\n");
        file.close();
        importFile(import, text);
        QVERIFY(m_bench.log().waitForPart("qstrFilePath = " + text.toStdString() + " IsValid."));
        QCOMPARE(m_bench.notices(), QStringList{importText("TheFileIsNotAnAppointmentTemplate")});
        QCOMPARE(m_bench.requestCount(kAddUrl, kPost), 0);
        QCOMPARE(m_bench.ids("appointments").size(), before);
    }

    void thePathIsCheckedBeforeReading()
    {
        ImportWidget &import = openImport();
        QSignalSpy cancelled(&import, &ImportWidget::signalCancel);
        importFile(import, QString());
        QCOMPARE(m_bench.toolTips(), QStringList{importText("FilePathCannotBeEmpty")});
        // 219 bytes in the local code page: one too many.
        importFile(import, QStringLiteral("/tmp/") + QString(102, QChar(0x5F20)) +
                               QStringLiteral("12345.xlsx"));
        QCOMPARE(m_bench.toolTips().size(), 2);
        QCOMPARE(m_bench.toolTips().last(),
                 importText("TheSavingPathNameIsTooLongPleaseReselectIt"));
        QCOMPARE(cancelled.count(), 0);
        QVERIFY(m_bench.waitTexts().isEmpty());
    }

    void aBatchTheServerRefusesIsNotReportedAsImported()
    {
        const std::size_t before = m_bench.ids("appointments").size();
        openImport();
        AppointmentInfoData refused;
        refused.strName = QString(200, QLatin1Char('n')); // longer than the server keeps
        refused.iGender = 1;
        m_page->onImportData({refused});
        QCOMPARE(m_bench.notices().size(), 1);
        QVERIFY2(m_bench.notices().front().startsWith(pageText("ImportFailed")),
                 qPrintable(m_bench.notices().front()));
        QCOMPARE(m_bench.ids("appointments").size(), before);
    }

    void theTemplateFollowsTheSettings()
    {
        ImportWidget &import = openImport();
        // A name without the suffix: the download adds it.
        const QString target = QDir(m_bench.testDir()).filePath(QStringLiteral("template"));
        m_bench.answerNextFileDialog(target);
        import.findChild<QPushButton *>(QStringLiteral("ImportTemplateLink"))->click();
        QCOMPARE(m_bench.notices(), QStringList{importText("DownloadedSuccessed")});
        QVERIFY(m_bench.log().waitForLine(
            "[log3.0][onDownloadTemplate] qstrSavedFilePath = " + target.toStdString() + ".xlsx"));
        QCOMPARE(import.lastDownloadDir(), QDir(m_bench.testDir()).absolutePath());

        QExcel excel(target + QStringLiteral(".xlsx"));
        QVERIFY(excel.isOpened() && excel.selectSheet(QStringLiteral("Sheet1")));
        const QStringList headers =
            ImportRules::headers(AppointmentSettingManager::Instance().getBasicSettingData());
        for (int column = 1; column <= ImportRules::kColumnCount; ++column)
            QCOMPARE(excel.getCellValue(ImportRules::kHeaderRow, column).toString(),
                     headers.at(column - 1));
        QCOMPARE(excel.getCellValue(1, 1).toString(), import.rulesText().first());
        QCOMPARE(excel.lastUsedRow(), ImportRules::kHeaderRow);
        excel.close();

        // Cancelling the file dialog writes nothing.
        m_bench.mark();
        m_bench.answerNextFileDialog(QString());
        import.onDownloadTemplate();
        QCOMPARE(m_bench.notices(), QStringList{importText("OpeningFileFailed")});
    }
};

QTEST_MAIN(TestImportPage)
#include "tst_import_page.moc"
