// The visitor record page against a real server: searching and paging, the failed
// download list, re-sending permissions with their notifications, the error detail and
// the export read back by other programs.

#include "pagebench/BenchTestCase.h"
#include "testsupport/XlsxReadBack.h"

#include <UI/Window/Common/DisplayTexts.h>
#include <UI/Window/Visitor/VisitorRecord/ErrorInformationModel.h>
#include <UI/Window/Visitor/VisitorRecord/RecordDetailWidget.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordExport.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordModel.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordRules.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordWidget.h>

#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>
#include <JSONStruct/visitorrecord/DownloadPermissionNotifyData.h>

#include <CommunicationLayer/AppointmentComm.h>

#include <QorvaGUIToolkit/CHeaderView.h>
#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>
#include <QorvaGUIToolkit/CRangeDateTimeEdit.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/ItemDataRole.h>

#include <UiDataController/Translation.h>

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QtTest>

#include <sqlite3.h>

using namespace visitorclient;
namespace Rules = visitorclient::VisitorRecordRules;

namespace {

const QString kQueryUrl = QStringLiteral("/7310/v1/visitorRecords/query");
const int kPost = 1;

QString pageText(const char *key)
{
    return Rules::pageText(key);
}

// The page's width in a 1280-pixel main window (the navigation takes the rest).
const int kWidthIn1280Window = 1080;

// Chinese texts over the English ones while it lives.
struct ChineseTexts
{
    QList<QTranslator *> translators =
        UiDataController::loadTranslations(1, QStringLiteral(QORVA_TRANSLATION_DIR));
    ~ChineseTexts()
    {
        for (QTranslator *translator : translators)
            QCoreApplication::removeTranslator(translator);
        qDeleteAll(translators);
    }
};

// One row of the server's record listing: guid, auth_code, name, visit, leave, status, result.
enum RecordColumn { GuidCol = 0, ResultCol = 6 };

} // namespace

class TestVisitorRecordPage : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<VisitorRecordWidget> m_page;

    // A shown page whose first search has run.
    VisitorRecordWidget &openPage()
    {
        m_page = std::make_unique<VisitorRecordWidget>();
        m_page->resize(1280, 760);
        m_page->show();
        m_page->activatePage();
        [&] { QVERIFY(m_bench.waitUntil([this] { return currentPage() == 1; })); }();
        m_bench.mark();
        return *m_page;
    }

    int currentPage() const
    {
        int total = 0, page = 0, size = 0;
        m_page->table()->GetFilterCondition(total, page, size);
        return page;
    }

    int total() const
    {
        int total = 0, page = 0, size = 0;
        m_page->table()->GetFilterCondition(total, page, size);
        return total;
    }

    // Every record of the server, whatever the default filters say.
    void searchAll()
    {
        m_page->onReset();
        m_page->onSearchBtnClicked();
    }

    // An access-point group over every door of the demo site; its devices' guids.
    // Every device is brought online first, so that only a failing one fails.
    std::string groupOverAllDoors()
    {
        const auto devices = m_bench.server().list("devices");
        for (std::size_t i = 1; i < devices.size(); ++i)
            m_bench.server().setDeviceOnline(devices[i][0], true);
        return m_bench.addAccessGroup("Visitors", 1000);
    }

    std::vector<std::string> device(int index)
    {
        return m_bench.server().list("devices").at(static_cast<std::size_t>(index) + 1);
    }

    // Books a visitor with group and checks them in; the record's guid.
    QString checkIn(const std::string &name, const std::string &group)
    {
        protocol::Appointment appointment;
        appointment.name_ = name;
        appointment.gender = 1;
        appointment.phone = "013800001111";
        appointment.identityType = 0;
        appointment.identityCode = "110101199001010012";
        appointment.plateCode = "京A00001";
        appointment.Company = "北京测试公司";
        appointment.accompanyingPersonnelNumber = 2;
        appointment.accessPointGroup = group;
        protocol::AddAppointment request;
        request.appointmentList.push_back(appointment);
        protocol::AddAppointmentResultListData added;
        if (!commlayer::AppointmentComm::addAppointment(added, request) ||
            added.addAppointmentResultList.empty())
            return QString();
        std::string guid;
        if (m_bench.server().checkIn(added.addAppointmentResultList.front().code, &guid) != 0)
            return QString();
        return QString::fromStdString(guid);
    }

    int rowOf(VisitorRecordModel *model, const QString &guid) { return model->rowOf(guid); }

    QVariant icon(VisitorRecordModel *model, int row)
    {
        return model->item(row, VisitorRecordModel::OperationColumn)
            ->data(QorvaGUIToolkit::ItemClickableIconRole);
    }

    QString cell(VisitorRecordModel *model, int row, int column)
    {
        return model->item(row, column)->text();
    }

    // Selects the row of the shown model that holds guid.
    void selectRow(const QString &guid, VisitorRecordModel *model)
    {
        const QModelIndex source = model->index(model->rowOf(guid), VisitorRecordModel::NameColumn);
        const QModelIndex shown = m_page->proxy()->mapFromSource(source);
        m_page->table()->GetTableView()->setCurrentIndex(shown);
    }

    void clickIcon(const QString &guid)
    {
        VisitorRecordModel *model = m_page->recordModel();
        const QModelIndex source =
            model->index(model->rowOf(guid), VisitorRecordModel::OperationColumn);
        m_page->onOperation(m_page->proxy()->mapFromSource(source),
                            QorvaGUIToolkit::ItemClickableIconRole);
    }

    void releaseTestObjects() override { m_page.reset(); }

    // Writes straight into the server's store, for data its operations never produce.
    bool storeOnServer(const QString &sql)
    {
        const QByteArray path = QDir(m_bench.testDir()).filePath("server.db").toUtf8();
        sqlite3 *db = nullptr;
        bool ok =
            sqlite3_open(path.constData(), &db) == SQLITE_OK &&
            sqlite3_busy_timeout(db, 10000) == SQLITE_OK &&
            sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK &&
            sqlite3_changes(db) == 1;
        sqlite3_close(db);
        return ok;
    }

private slots:
    void emptyFieldsSearchEverythingAndCrossedRangesSendNothing()
    {
        QVERIFY(m_bench.seedRecords(40));
        VisitorRecordWidget &page = openPage();
        QAbstractItemModelTester tester(page.recordModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        // The first search used today's default ranges.
        QVERIFY(!page.storedCondition().visitBeginTime.empty());
        QVERIFY(!page.exportButton()->isEnabled() || page.recordModel()->rowCount() > 0);

        searchAll();
        const auto stored = page.storedCondition();
        for (const std::string *bound : {&stored.visitBeginTime, &stored.visitEndTime,
                                         &stored.leaveBeginTime, &stored.leaveEndTime})
            QVERIFY(bound->empty());
        QCOMPARE(total(), 40);
        QCOMPARE(page.recordModel()->rowCount(), 40);
        QVERIFY(page.exportButton()->isEnabled());
        QVERIFY(m_bench.notices().isEmpty());
        const auto log = m_bench.operationLog();
        QVERIFY(!log.isEmpty());
        QCOMPARE(log.last().type, 9003);
        QCOMPARE(log.last().text, pageText("SearchVisitorRecordsERSzYWwl"));

        // A visit range that starts after the leave range ends: a warning, no request.
        const QDate today = QDate::currentDate();
        page.visitTimeEdit()->SetDateTimeRange(QDateTime(today.addDays(3), QTime(0, 0)),
                                               QDateTime(today.addDays(4), QTime(0, 0)));
        page.leaveTimeEdit()->SetDateTimeRange(QDateTime(today, QTime(0, 0)),
                                               QDateTime(today.addDays(2), QTime(23, 0)));
        m_bench.mark();
        page.onSearchBtnClicked();
        QCOMPARE(m_bench.notices(), QStringList{pageText("TheStartTimeOfTheVisLJalZCF")});
        QCOMPARE(m_bench.requestCount(kQueryUrl, kPost), 0);
        QVERIFY(m_bench.operationLog().isEmpty());
    }

    void aPageChangeKeepsTheLastSearch()
    {
        QVERIFY(m_bench.seedRecords(120)); // every odd one is named 访客
        VisitorRecordWidget &page = openPage();
        page.onReset();
        page.nameEdit()->setText(QStringLiteral("访客"));
        page.statusBox()->setCurrentIndex(0);
        page.table()->SetFilterCondition(0, 0, 30);
        page.onSearchBtnClicked();
        QCOMPARE(total(), 60);
        QCOMPARE(page.recordModel()->rowCount(), 30);

        // Edited but not searched: the next page still shows the search's records.
        page.nameEdit()->setText(QStringLiteral("Guest"));
        page.statusBox()->setCurrentIndex(2);
        m_bench.mark();
        emit page.table()->SiganlFilterConditionChanged(30, 2);
        QCOMPARE(m_bench.requestCount(kQueryUrl, kPost), 1);
        QCOMPARE(currentPage(), 2);
        QCOMPARE(page.storedCondition().name_, std::string("访客"));
        QVERIFY(page.storedCondition().State.empty());
        QCOMPARE(page.recordModel()->rowCount(), 30);
        for (int row = 0; row < page.recordModel()->rowCount(); ++row)
            QVERIFY(page.recordModel()->recordAt(row).strName.startsWith(QStringLiteral("访客")));
        // The first row of page 2 is the 31st match: 访客 62.
        QCOMPARE(page.recordModel()->recordAt(0).strName, QStringLiteral("访客62"));
    }

    void theIconBelongsToPartlyAndFailedResults()
    {
        VisitorRecordModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int result = 0; result <= 4; ++result) {
            VisitorRecordData record;
            record.strGuid = QString::number(result);
            record.strName = QStringLiteral("R%1").arg(result);
            record.iDownloadResult = result;
            model.addRecord(record);
        }
        QCOMPARE(model.columnCount(), 8);
        for (int row = 0; row <= 4; ++row)
            QCOMPARE(icon(&model, row).isValid(), row == 2 || row == 3);
        QCOMPARE(cell(&model, 4, VisitorRecordModel::DownloadColumn),
                 CDisplayTexts::downloadResult(3));
        QCOMPARE(model.item(0, VisitorRecordModel::NameColumn)
                     ->data(QorvaGUIToolkit::ItemRowIdRole)
                     .toString(),
                 QStringLiteral("0"));

        // A failure reported for a row without the icon adds none; a success removes it.
        QVERIFY(model.applyDownloadResult(QStringLiteral("0"), 3, QStringLiteral("Lobby")));
        QCOMPARE(cell(&model, 0, VisitorRecordModel::DownloadColumn),
                 CDisplayTexts::downloadResult(3));
        QVERIFY(!icon(&model, 0).isValid());
        QCOMPARE(model.recordAt(0).iDownloadResult, 3);
        QCOMPARE(model.recordAt(0).strAccessGroupNames, QStringLiteral("Lobby"));
        QVERIFY(model.applyDownloadResult(QStringLiteral("2"), 1, QString()));
        QVERIFY(!icon(&model, 2).isValid());
        QCOMPARE(cell(&model, 2, VisitorRecordModel::DownloadColumn),
                 CDisplayTexts::downloadResult(1));
        QVERIFY(model.applyDownloadResult(QStringLiteral("3"), 2, QString()));
        QVERIFY(icon(&model, 3).isValid());
        QVERIFY(!model.applyDownloadResult(QStringLiteral("nope"), 1, QString()));

        // A loaded page replaces every row at once, seen through a proxy as the page does.
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        VisitorRecordData next;
        next.strGuid = QStringLiteral("9");
        next.strName = QStringLiteral("Next");
        next.iDownloadResult = 2;
        model.setRecords({next, next});
        QCOMPARE(proxy.rowCount(), 2);
        QCOMPARE(model.rowOf(QStringLiteral("0")), -1);
        QVERIFY(icon(&model, 1).isValid());
        QCOMPARE(
            proxy.index(1, VisitorRecordModel::VisitTimeColumn).data(Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignLeft | Qt::AlignVCenter));
        model.setRecords({});
        QCOMPARE(proxy.rowCount(), 0);
    }

    void failedDownloadsAreTickedAndSentAgain()
    {
        const std::string group = groupOverAllDoors();
        QVERIFY(!group.empty());
        QCOMPARE(m_bench.server().setDeviceFailing(device(0)[0], true), 0u);
        const QString first = checkIn("Ann", group);
        const QString second = checkIn("Bo", group);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        VisitorRecordWidget &page = openPage();
        searchAll();
        QVERIFY(page.exportButton()->isEnabled());

        page.onBatchApplyPermission();
        QVERIFY(page.isFailedMode());
        QVERIFY(!page.exportButton()->isEnabled());
        QVERIFY(!page.table()->IsBottomVisible());
        QVERIFY(!page.table()->GetTableView()->isColumnHidden(VisitorRecordModel::CheckColumn));
        QCOMPARE(page.failedModel()->rowCount(), 2);
        QVERIFY(page.failedModel()->recordAt(0).strFaceImageUrl.isEmpty());
        QLabel *count = page.selectedCountLabel();
        QVERIFY(count->isVisible());
        QCOMPARE(count->text(), Rules::selectedCountText(0));
        QCOMPARE(count->property("number").toInt(), 1);
        const int row = rowOf(page.failedModel(), second);
        page.failedModel()->item(row, 0)->setCheckState(Qt::Checked);
        QCOMPARE(count->text(), pageText("SelectedPerson") + QStringLiteral(":1"));
        QCOMPARE(count->property("number").toInt(), 2);

        // Nothing pending: a notification changes nothing.
        auto stray = std::make_shared<protocol::DownloadPermissionNotifyData>();
        stray->guid = second.toStdString();
        stray->result = 1;
        page.onNotify(stray);
        QCoreApplication::processEvents();
        QCOMPARE(page.failedModel()->recordAt(row).iDownloadResult, 2);

        // The device works again: the ticked record is sent and reports success.
        QCOMPARE(m_bench.server().setDeviceFailing(device(0)[0], false), 0u);
        m_bench.mark();
        page.onBatchDownload();
        // The wait dialog shows only when the work is still running as the wait starts (a
        // fast answer and notification may beat it); when it shows, it names the download.
        const QStringList waits = m_bench.waitTexts();
        QVERIFY2(waits.isEmpty() || waits == QStringList{pageText("IssuedByTheMinistryOfbBpflAeG")},
                 qPrintable(waits.join(QLatin1Char('|'))));
        QVERIFY(page.pendingDownloads().isEmpty());
        QVERIFY(m_bench.waitUntil([&] {
            return cell(page.failedModel(), row, VisitorRecordModel::DownloadColumn) ==
                   CDisplayTexts::downloadResult(1);
        }));
        QVERIFY(!icon(page.failedModel(), row).isValid());
        const int other = rowOf(page.failedModel(), first);
        QCOMPARE(cell(page.failedModel(), other, VisitorRecordModel::DownloadColumn),
                 CDisplayTexts::downloadResult(2));
        // The record list follows too.
        const int listed = rowOf(page.recordModel(), second);
        QCOMPARE(cell(page.recordModel(), listed, VisitorRecordModel::DownloadColumn),
                 CDisplayTexts::downloadResult(1));
        QVERIFY(!icon(page.recordModel(), listed).isValid());
        QVERIFY(m_bench.notices().isEmpty());

        page.onCancel();
        QVERIFY(!page.isFailedMode());
        QVERIFY(page.table()->GetTableView()->isColumnHidden(VisitorRecordModel::CheckColumn));
        QVERIFY(page.exportButton()->isEnabled());
    }

    void leavingTheFailedListWithoutRecordsKeepsExportOff()
    {
        VisitorRecordWidget &page = openPage();
        searchAll();
        QCOMPARE(page.recordModel()->rowCount(), 0);
        page.onBatchApplyPermission();
        QCOMPARE(page.failedModel()->rowCount(), 0);
        page.onCancel();
        QVERIFY(!page.exportButton()->isEnabled());
        QVERIFY(page.table()->IsBottomVisible());
    }

    // In a 1280-pixel window, in either language and either mode, the table has no
    // sideways scroll bar; with the detail folded away every header is whole. A change
    // of language must not leave the other language's widths behind.
    void theTableFitsA1280WindowInEitherLanguage()
    {
        VisitorRecordWidget &page = openPage();
        page.resize(kWidthIn1280Window, 700);
        QCOMPARE(page.width(), kWidthIn1280Window); // the filters fit as well
        QorvaGUIToolkit::CTableView *view = page.table()->GetTableView();
        auto *header = qobject_cast<QorvaGUIToolkit::CHeaderView *>(view->horizontalHeader());
        QVERIFY(header);
        QWidget *detail = page.findChild<QWidget *>(QStringLiteral("RecordDetailPanel"));
        QVERIFY(detail && detail->isVisible());
        auto noSidewaysScrolling = [&] {
            return m_bench.waitUntil([&] {
                return view->horizontalScrollBar()->maximum() == 0 &&
                       header->length() <= view->viewport()->width();
            });
        };
        auto elidedHeaders = [&] {
            QCoreApplication::processEvents();
            QStringList cut;
            for (int column = 0; column < VisitorRecordModel::ColumnCount; ++column) {
                if (header->IsSectionTextElided(column))
                    cut << header->model()->headerData(column, Qt::Horizontal).toString();
            }
            return cut;
        };
        auto downloadHeaderIs = [&](const QString &text) {
            return m_bench.waitUntil([&] {
                return header->model()
                           ->headerData(VisitorRecordModel::DownloadColumn, Qt::Horizontal)
                           .toString() == text;
            });
        };
        QVERIFY(downloadHeaderIs(QStringLiteral("Permissions")));
        QVERIFY(noSidewaysScrolling());
        {
            ChineseTexts chinese;
            QVERIFY(!chinese.translators.isEmpty());
            QVERIFY(downloadHeaderIs(QStringLiteral("权限下发")));
            QVERIFY(noSidewaysScrolling());
            QCOMPARE(elidedHeaders(), QStringList());
        }
        QVERIFY(downloadHeaderIs(QStringLiteral("Permissions")));
        QVERIFY(noSidewaysScrolling());
        page.onShrink();
        QVERIFY(m_bench.waitUntil([&] { return !detail->isVisible(); }));
        QVERIFY(noSidewaysScrolling());
        QCOMPARE(elidedHeaders(), QStringList());
        page.onShrink();

        // The failed-download list adds its check column.
        page.onBatchApplyPermission();
        QVERIFY(m_bench.waitUntil(
            [&] { return !view->isColumnHidden(VisitorRecordModel::CheckColumn); }));
        QVERIFY(noSidewaysScrolling());
        QCOMPARE(view->columnWidth(VisitorRecordModel::CheckColumn),
                 VisitorRecordModel::columnWidth(VisitorRecordModel::CheckColumn));
    }

    void anUnreadableRecordTimeIsShownEmptyAndLoggedAsARecordTime()
    {
        QVERIFY(m_bench.seedRecords(3));
        const QString guid = QString::fromStdString(m_bench.ids("records").at(1));
        QVERIFY(storeOnServer(QStringLiteral("UPDATE visitor_records SET visit_time = "
                                             "'2026-02-30T09:00:00', appointment_leave_time = "
                                             "'soon' WHERE guid = '%1'")
                                  .arg(guid)));
        VisitorRecordWidget &page = openPage();
        searchAll();
        QVERIFY(m_bench.waitUntil([&] { return rowOf(page.recordModel(), guid) >= 0; }));
        const int row = rowOf(page.recordModel(), guid);
        QCOMPARE(cell(page.recordModel(), row, VisitorRecordModel::VisitTimeColumn), QString());
        selectRow(guid, page.recordModel());
        QCOMPARE(page.detail()->valueLabel("TheVisitingTimedHeettrt")->text(), QStringLiteral("-"));
        QCOMPARE(page.detail()->valueLabel("EstimatedTimeOfDeparNPEjYRqn")->text(),
                 QStringLiteral("-"));
        // The readable times of the same record are still shown.
        QVERIFY(page.detail()->valueLabel("EstimatedTimeOfVisitTDpmssKL")->text().contains(':'));
        const std::string id = guid.toStdString();
        QVERIFY(m_bench.log().hasPart(
            "Invalid visitor record time [2026-02-30T09:00:00] in record [" + id + "]."));
        QVERIFY(
            m_bench.log().hasPart("Invalid visitor record time [soon] in record [" + id + "]."));
        QVERIFY(!m_bench.log().hasPart("Invalid appointment time"));
    }

    void theIconResendsOneRecordAndTheDetailShowsTheDevices()
    {
        const std::string group = groupOverAllDoors();
        const std::vector<std::string> failing = device(1);
        QCOMPARE(m_bench.server().setDeviceFailing(failing[0], true), 0u);
        const QString guid = checkIn("张三", group);
        VisitorRecordWidget &page = openPage();
        searchAll();
        const int row = rowOf(page.recordModel(), guid);
        QVERIFY(row >= 0);
        QVERIFY(icon(page.recordModel(), row).isValid());
        selectRow(guid, page.recordModel());
        RecordDetailWidget *detail = page.detail();
        QCOMPARE(detail->recordGuid(), guid);
        QCOMPARE(detail->valueLabel("TheName")->text(), QStringLiteral("张三"));
        QCOMPARE(detail->valueLabel("IDNo")->text(), QStringLiteral("110101199001010012"));
        QCOMPARE(detail->valueLabel("ApplyingPermissionSettings")->text(),
                 CDisplayTexts::downloadResult(2));

        // Still failing: the record answers and keeps its icon.
        clickIcon(guid);
        QVERIFY(page.pendingDownloads().isEmpty());
        QVERIFY(icon(page.recordModel(), row).isValid());

        // The error detail names the refusing device once per kind of data.
        m_bench.mark();
        detail->OnShowErrorDetail();
        QVERIFY(detail->errorDialog());
        ErrorInformationModel *errors = detail->errorModel();
        QAbstractItemModelTester tester(errors,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(errors->rowCount(), 2);
        QCOMPARE(errors->index(0, 0).data().toInt(), 1);
        QCOMPARE(errors->index(1, 0).data().toInt(), 2);
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(errors->index(r, ErrorInformationModel::DeviceColumn).data().toString(),
                     QString::fromStdString(failing[1]));
            QVERIFY(!errors->index(r, ErrorInformationModel::MessageColumn)
                         .data()
                         .toString()
                         .isEmpty());
        }
        QCOMPARE(errors->index(0, ErrorInformationModel::KindColumn).data().toString(),
                 CDisplayTexts::failureKind(0));
        QCOMPARE(errors->index(1, ErrorInformationModel::KindColumn).data().toString(),
                 CDisplayTexts::failureKind(2));
        QCOMPARE(errors->headerData(1, Qt::Horizontal).toString(),
                 QCoreApplication::translate("visitorclient::ErrorInformationModel", "DeviceName"));
        detail->errorDialog()->close();
        QVERIFY(m_bench.waitUntil([&] { return !detail->errorDialog(); }));
        QCOMPARE(errors->rowCount(), 0);

        // The device works again: the icon goes and the detail shows the success.
        QCOMPARE(m_bench.server().setDeviceFailing(failing[0], false), 0u);
        clickIcon(guid);
        QVERIFY(m_bench.waitUntil([&] { return !icon(page.recordModel(), row).isValid(); }));
        QCOMPARE(cell(page.recordModel(), row, VisitorRecordModel::DownloadColumn),
                 CDisplayTexts::downloadResult(1));
        QVERIFY(m_bench.waitUntil([&] {
            return detail->valueLabel("ApplyingPermissionSettings")->text() ==
                   CDisplayTexts::downloadResult(1);
        }));
        QCOMPARE(detail->recordGuid(), guid);

        // Nothing selected: the button does nothing.
        page.onCancel();
        QVERIFY(detail->recordGuid().isEmpty());
        detail->OnShowErrorDetail();
        QVERIFY(!detail->errorDialog());
    }

    void theBoundedWaitEndsWithANotice()
    {
        const std::string group = groupOverAllDoors();
        QCOMPARE(m_bench.server().setDeviceFailing(device(0)[0], true), 0u);
        const QString guid = checkIn("Cy", group);
        VisitorRecordWidget &page = openPage();
        page.setDownloadWaitMs(1500);
        page.onBatchApplyPermission();
        // A record the server does not know never reports.
        VisitorRecordData ghost;
        ghost.strGuid = QStringLiteral("00000000000000000000000000000000");
        ghost.strName = QStringLiteral("Ghost");
        ghost.iDownloadResult = 3;
        page.failedModel()->addRecord(ghost);
        for (int row = 0; row < page.failedModel()->rowCount(); ++row)
            page.failedModel()->item(row, 0)->setCheckState(Qt::Checked);
        QCOMPARE(page.failedModel()->rowCount(), 2);
        m_bench.mark();
        page.onBatchDownload();
        QCOMPARE(m_bench.notices(), QStringList{Rules::unansweredText(1)});
        QVERIFY(page.pendingDownloads().isEmpty());
        QVERIFY(icon(page.failedModel(), rowOf(page.failedModel(), ghost.strGuid)).isValid());
        QVERIFY(m_bench.waitUntil([&] {
            return cell(page.failedModel(), rowOf(page.failedModel(), guid),
                        VisitorRecordModel::DownloadColumn) == CDisplayTexts::downloadResult(2);
        }));
        QVERIFY(m_bench.log().waitForPart("did not report"));
    }

    void theExportTakesEachPageOnceInOrderFromTheCurrentOne()
    {
        QVERIFY(m_bench.seedRecords(7)); // "Guest 1", "访客2", "Guest 3", ...
        const protocol::QueryVisitorRecordCondition stored;
        const QString path = m_bench.testDir() + QStringLiteral("/pages.xlsx");
        m_bench.mark();
        QCOMPARE(exportRecords(path, stored, {2, 2, 4}), RecordExportOutcome::Written);
        QCOMPARE(m_bench.requestCount(kQueryUrl, kPost), 3);
        QCOMPARE(testsupport::xlsxFirstColumn(path),
                 Rules::exportHeader().first() +
                     QStringLiteral("|Guest 3|访客4|Guest 5|访客6|Guest 7"));

        // A page the server refuses: nothing is written, not even a partial file.
        const QString refused = m_bench.testDir() + QStringLiteral("/refused.xlsx");
        QCOMPARE(exportRecords(refused, stored, {1, 501, 2}), RecordExportOutcome::QueryFailed);
        QVERIFY(!QFileInfo::exists(refused));
        QCOMPARE(QDir(m_bench.testDir())
                     .entryList({QStringLiteral(".refused*")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void theExportReadsBackWithItsTextsIntact()
    {
        QVERIFY(m_bench.seedRecords(3));
        const QString guid = checkIn("张三", std::string());
        QVERIFY(!guid.isEmpty());
        VisitorRecordWidget &page = openPage();
        searchAll();
        QCOMPARE(total(), 4);

        // No file chosen, then a folder that does not exist.
        m_bench.answerNextFileDialog(QString());
        page.onExportVisitRecords();
        QCOMPARE(m_bench.notices(), QStringList{pageText("FilePathCannotBeEmpty")});
        m_bench.mark();
        const QString lost = m_bench.testDir() + QStringLiteral("/missing/records.xlsx");
        m_bench.answerNextFileDialog(lost);
        page.onExportVisitRecords();
        QCOMPARE(m_bench.notices(), QStringList{pageText("OpeningFileFailed")});
        QVERIFY(m_bench.log().waitForPart("[log3.0][onDownloadTemplate] qstrSavedFilePath = "));
        QVERIFY(m_bench.log().hasPart("missing/records.xlsx IsValid."));

        m_bench.mark();
        const QString path = m_bench.testDir() + QStringLiteral("/records.xlsx");
        m_bench.answerNextFileDialog(path);
        page.onExportVisitRecords();
        QCOMPARE(m_bench.notices(), QStringList{pageText("Exported")});
        QVERIFY(QFileInfo::exists(path));

        // openpyxl: the header, and digit strings as text cells.
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import openpyxl,sys\n"
                                     "ws=openpyxl.load_workbook(sys.argv[1]).active\n"
                                     "rows=list(ws.iter_rows(values_only=False))\n"
                                     "print(ws.max_row, ws.max_column)\n"
                                     "for r in rows:\n"
                                     "  if r[0].value=='张三': print(r[2].value, r[2].data_type, "
                                     "r[12].value, r[12].data_type, r[14].value)\n"),
                      path});
        QVERIFY(python.waitForFinished(60000));
        const QString out = QString::fromUtf8(python.readAllStandardOutput());
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        QVERIFY2(out.contains(QStringLiteral("5 18")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("013800001111 s 110101199001010012 s 北京测试公司")),
                 qPrintable(out));

        // LibreOffice: the same texts through its own reader.
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("soffice is not installed; the LibreOffice read-back is skipped");
        QProcess convert;
        convert.setWorkingDirectory(m_bench.testDir());
        convert.start(
            soffice,
            {QStringLiteral("--headless"),
             QStringLiteral("-env:UserInstallation=file://%1/lo-profile").arg(m_bench.testDir()),
             QStringLiteral("--convert-to"),
             QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"), QStringLiteral("--outdir"),
             m_bench.testDir(), path});
        QVERIFY(convert.waitForFinished(180000));
        QFile csv(m_bench.testDir() + QStringLiteral("/records.csv"));
        QVERIFY2(csv.open(QIODevice::ReadOnly), "LibreOffice wrote no CSV");
        const QStringList lines =
            QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].startsWith(Rules::exportHeader().mid(0, 3).join(QLatin1Char(','))));
        const QStringList mine = lines.filter(QStringLiteral("张三"));
        QCOMPARE(mine.size(), 1);
        QVERIFY2(mine[0].contains(QStringLiteral(",013800001111,")), qPrintable(mine[0]));
        QVERIFY2(mine[0].contains(QStringLiteral(",110101199001010012,")), qPrintable(mine[0]));
    }

    void aGuardCannotSearchOrSend()
    {
        VisitorRecordWidget &page = openPage();
        QVERIFY(m_bench.switchOperator(1));
        page.setPageEnabled(false);
        QVERIFY(!page.searchButton()->isEnabled());
        QVERIFY(!page.resetButton()->isEnabled());
        QVERIFY(!page.batchApplyButton()->isEnabled());
        QVERIFY(!page.exportButton()->isEnabled());
        page.setPageEnabled(true);
        QVERIFY(page.searchButton()->isEnabled());
    }
};

QTEST_MAIN(TestVisitorRecordPage)
#include "tst_visitor_record_page.moc"
