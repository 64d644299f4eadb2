// The appointment list page and its form against a real server: paging, the cap, the
// search, deletion with its question, the notification reload, renames, permission and
// what the form sends.

#include "pagebench/BenchTestCase.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/Window/Visitor/Appointment/AppointmentModel.h>
#include <UI/Window/Visitor/Appointment/AppointmentWidget.h>
#include <UI/Window/Visitor/Appointment/Form/AccessControlWidget.h>
#include <UI/Window/Visitor/Appointment/Form/AccessGroupPointModel.h>
#include <UI/Window/Visitor/Appointment/Form/AddAppointmentInfoWidget.h>
#include <UI/Window/Visitor/Appointment/Form/AdditionalInfoWidget.h>
#include <UI/Window/Visitor/Appointment/Form/BasicInfoWidget.h>
#include <UI/Window/Visitor/Appointment/Form/PersonComboBox.h>
#include <UI/Window/Visitor/Appointment/Import/ImportWidget.h>

#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>

#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResultData.h>

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <CommunicationLayer/AppointmentComm.h>

#include <UiDataController/ModelRoles.h>
#include <UiDataController/OrganizationManagerModel.h>

#include <QorvaGUIToolkit/CComboBox.h>
#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CMultilevelComboBox.h>
#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>
#include <QorvaGUIToolkit/CSearchLineEdit.h>
#include <QorvaGUIToolkit/CTableView.h>

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QtConcurrent>
#include <QtTest>

using namespace visitorclient;

namespace {

const QString kQueryUrl = QStringLiteral("/7310/v1/appointments/query");
const int kPost = 1;

QString pageText(const char *key)
{
    return QCoreApplication::translate("visitorclient::AppointmentWidget", key);
}

QString formText(const char *context, const char *key)
{
    return QCoreApplication::translate(context, key);
}

// An appointment as the server answers for it (empty when it has none).
protocol::AppointmentResult onServer(const QString &id)
{
    protocol::QueryAppointmentResultCondition condition;
    condition.pageNo = 1;
    condition.pageSize = 500;
    protocol::QueryAppointmentResultList page;
    if (commlayer::AppointmentComm::getAppointmentByCondition(page, condition)) {
        for (const auto &row : page.appointmentResultList) {
            if (row.appointmentID == id.toStdString())
                return row;
        }
    }
    return protocol::AppointmentResult();
}

QSet<QString> groupSet(const QString &joined)
{
    const QStringList parts = joined.split(QLatin1Char(','));
    return QSet<QString>(parts.begin(), parts.end());
}

QString updateUrl(const QString &id)
{
    return QStringLiteral("/7310/v1/appointments/") + id;
}

const int kPut = 2;

// Makes a group (without doors) the default one or not, as another client would.
bool setDefaultGroup(const std::string &guid, const std::string &name, bool defaultGroup)
{
    protocol::VisitAccessGroupModifyParam param;
    param.name_ = name;
    param.defaultGroup = defaultGroup ? 1 : 0;
    param.QRCodeVersion = 1;
    protocol::VisitAccessGroupModifyResultData answer;
    return commlayer::AccessGroupPointComm::modifyAccessGroup(answer, param, guid);
}

// Column of the server's appointment listing.
enum ListColumn { GuidCol = 0, CodeCol, NameCol, PhoneCol, VisitCol, ReceptionistCol, GroupsCol };

} // namespace

class TestAppointmentPage : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<AppointmentWidget> m_page;

    // A shown page whose first load has been applied.
    AppointmentWidget &openPage()
    {
        AppointmentSettingManager::Instance().loadConfig();
        m_page = std::make_unique<AppointmentWidget>();
        m_page->resize(1200, 700);
        m_page->show();
        m_page->onInitConfig();
        waitForLoad();
        m_bench.mark();
        return *m_page;
    }

    // Waits until the GUI thread has shown what the last load staged.
    void waitForLoad()
    {
        QVERIFY(m_bench.waitUntil([this] {
            int total = 0, page = 0, size = 0;
            m_page->table()->GetFilterCondition(total, page, size);
            const int expected =
                std::min(size, std::max(0, total - (std::max(page, 1) - 1) * size));
            return !m_page->hasPendingRows() && m_page->model()->rowCount() == expected;
        }));
    }

    void condition(int &total, int &page, int &size) const
    {
        m_page->table()->GetFilterCondition(total, page, size);
    }

    void goToPage(int page, int size)
    {
        int total = 0, p = 0, s = 0;
        condition(total, p, s);
        // As the pager does when the operator turns the page.
        m_page->table()->SetFilterCondition(total, page, size);
        emit m_page->table()->SiganlFilterConditionChanged(size, page);
        waitForLoad();
    }

    QStringList modelNames() const
    {
        QStringList names;
        for (int row = 0; row < m_page->model()->rowCount(); ++row)
            names << m_page->model()->appointmentAt(row).strName;
        return names;
    }

    std::vector<std::vector<std::string>> stored() { return m_bench.server().list("appointments"); }

    AppointmentInfoData newRecord(const QString &name)
    {
        AppointmentInfoData info;
        info.strName = name;
        info.iGender = 2;
        info.strPhone = QStringLiteral("13800000000");
        const QDate today = QDate::currentDate();
        info.strVisitTime =
            today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
        info.strLeaveTime =
            today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:59");
        return info;
    }

    // Picks the first receptionist of the demo site in the form's picker; its GUID.
    QString chooseReceptionist(BasicInfoWidget &basic)
    {
        const auto persons = m_bench.server().list("persons");
        if (!m_bench.waitUntil([&] {
                return basic.organizationModel()->findPersonIndexByGuid(persons[1][0]).isValid();
            }))
            return QString();
        const QModelIndex person = basic.organizationModel()->findPersonIndexByGuid(persons[1][0]);
        basic.receptionistBox()->SetCurrentIndex(person);
        return person.data(UiDataController::PersonGuidRole).toString();
    }

    void tickRows(int first, int count)
    {
        for (int row = first; row < first + count; ++row)
            m_page->model()->item(row, AppointmentModel::CheckColumn)->setCheckState(Qt::Checked);
    }

    void releaseTestObjects() override { m_page.reset(); }

private slots:
    void anEmptyServerShowsPageOneOfNothing()
    {
        AppointmentWidget &page = openPage();
        QAbstractItemModelTester tester(page.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        int total = -1, p = -1, size = -1;
        condition(total, p, size);
        QCOMPARE(total, 0);
        QCOMPARE(p, 1);
        QCOMPARE(size, 50);
        QCOMPARE(page.model()->columnCount(), 11);
        QCOMPARE(page.model()
                     ->headerData(0, Qt::Horizontal, QorvaGUIToolkit::HeaderCheckBoxRole)
                     .toInt(),
                 1);
        QCOMPARE(page.model()
                     ->headerData(6, Qt::Horizontal, QorvaGUIToolkit::HeaderColumnWidthRole)
                     .toInt(),
                 108);
        QCOMPARE(page.model()->headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), 0x81);
        page.onSave(newRecord(QStringLiteral("Ann")));
        QCOMPARE(page.proxy()->index(0, 3).data(Qt::TextAlignmentRole).toInt(), 0x81);
        QCOMPARE(page.table()->SupportPageItemType(), QList<int>({30, 50, 100, 200, 500}));
        QVERIFY(!page.deleteButton()->isEnabled());
    }

    void aPageShowsItsRowsLastOnTopWithTheirRecords()
    {
        QVERIFY(m_bench.seedAppointments(60));
        AppointmentWidget &page = openPage();
        QCOMPARE(page.model()->rowCount(), 50);
        const auto rows = stored();
        // Row 0 of the listing is the column names; the page's first answer row ends last.
        QCOMPARE(page.model()->appointmentAt(49).strId, QString::fromStdString(rows[1][GuidCol]));
        QCOMPARE(page.model()->appointmentAt(0).strId, QString::fromStdString(rows[50][GuidCol]));
        const AppointmentInfoData top = page.model()->appointmentAt(0);
        QCOMPARE(page.model()->item(0, AppointmentModel::AuthCodeColumn)->text(),
                 QString::fromStdString(rows[50][CodeCol]));
        QCOMPARE(page.model()->item(0, 0)->data(QorvaGUIToolkit::ItemRowIdRole).toString(),
                 top.strId);
        QVERIFY(!page.model()
                     ->item(0, AppointmentModel::OperationColumn)
                     ->data(QorvaGUIToolkit::ItemClickableIconRole)
                     .value<QPixmap>()
                     .isNull());
        QCOMPARE(top.strVisitTime.size(), 19);

        tickRows(0, 1);
        page.onRowDataChanged();
        QVERIFY(page.deleteButton()->isEnabled());
        goToPage(2, 50);
        QCOMPARE(page.model()->rowCount(), 10);
        int total = 0, p = 0, size = 0;
        condition(total, p, size);
        QCOMPARE(total, 60);
        QCOMPARE(p, 2);
        // Rows of the earlier page are reused: nothing of them may remain.
        QVERIFY(!page.model()->isChecked(0));
        QVERIFY(!page.deleteButton()->isEnabled());
        QCOMPARE(page.model()->appointmentAt(0).strId, QString::fromStdString(rows[60][GuidCol]));
        QCOMPARE(page.model()->item(0, AppointmentModel::AuthCodeColumn)->text(),
                 QString::fromStdString(rows[60][CodeCol]));

        goToPage(1, 50);
        QCOMPARE(page.model()->appointmentAt(0).strId, QString::fromStdString(rows[50][GuidCol]));
        for (const int row : {0, 9, 10, 49}) {
            const AppointmentInfoData info = page.model()->appointmentAt(row);
            QCOMPARE(info.strId, QString::fromStdString(rows[50 - row][GuidCol]));
            QCOMPARE(page.model()->item(row, AppointmentModel::NameColumn)->text(), info.strName);
            QCOMPARE(page.model()->item(row, AppointmentModel::AuthCodeColumn)->text(),
                     QString::fromStdString(rows[50 - row][CodeCol]));
            QVERIFY(!page.model()->isChecked(row));
        }
    }

    void deletingTheWholeLastPageStepsBackAndPartOfItStays()
    {
        QVERIFY(m_bench.seedAppointments(65));
        AppointmentWidget &page = openPage();
        goToPage(3, 30);
        QCOMPARE(page.model()->rowCount(), 5);

        // Part of the page: the same page is loaded again.
        tickRows(0, 2);
        QVERIFY(page.deleteButton()->isEnabled());
        m_bench.answerNextQuestion(true);
        page.onDelete();
        QCOMPARE(m_bench.questions(), QStringList{pageText("ConfirmToDelete")});
        waitForLoad();
        int total = 0, p = 0, size = 0;
        condition(total, p, size);
        QCOMPARE(total, 63);
        QCOMPARE(p, 3);
        QCOMPARE(page.model()->rowCount(), 3);
        QVERIFY(!page.deleteButton()->isEnabled());
        const auto log = m_bench.operationLog();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0].type, 9002);
        QVERIFY(log[0].text.startsWith(pageText("PersonNames") + QLatin1Char(':')));

        // A refused question sends nothing.
        m_bench.mark();
        tickRows(0, 3);
        m_bench.answerNextQuestion(false);
        page.onDelete();
        QCOMPARE(stored().size(), std::size_t(64));

        // The whole last page: the page before it is shown.
        m_bench.answerNextQuestion(true);
        page.onDelete();
        waitForLoad();
        condition(total, p, size);
        QCOMPARE(total, 60);
        QCOMPARE(p, 2);
        QCOMPARE(page.model()->rowCount(), 30);
    }

    void addingOnAFullPagePutsTheRowOnTopAndCountsIt()
    {
        QVERIFY(m_bench.seedAppointments(50));
        AppointmentWidget &page = openPage();
        const QString past = page.model()->appointmentAt(49).strId;
        page.onSave(newRecord(QStringLiteral("Newcomer")));
        QCOMPARE(page.model()->rowCount(), 50);
        QCOMPARE(page.model()->appointmentAt(0).strName, QStringLiteral("Newcomer"));
        QVERIFY(!page.model()->appointmentAt(0).strId.isEmpty());
        QVERIFY(!page.model()->item(0, AppointmentModel::AuthCodeColumn)->text().isEmpty());
        QCOMPARE(page.model()->rowOf(past), -1);
        int total = 0, p = 0, size = 0;
        condition(total, p, size);
        QCOMPARE(total, 51);
        QCOMPARE(stored().size(), std::size_t(52));
        const auto log = m_bench.operationLog();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].type, 9000);
        QCOMPARE(log[0].text, pageText("PersonNames") + QStringLiteral(":Newcomer"));
    }

    void theCapRefusesAddAndLeavesTheImportNothing()
    {
        QVERIFY(m_bench.seedAppointments(9999));
        AppointmentWidget &page = openPage();
        page.onAdd();
        QVERIFY(m_bench.notices().isEmpty());
        QVERIFY(page.form() != nullptr);

        page.onSave(newRecord(QStringLiteral("Last one")));
        m_bench.mark();
        page.onAdd();
        QCOMPARE(m_bench.notices(), QStringList{pageText("ReachTheMaximumNumbekBUdAPdZ")});
        page.onAddAndNew(newRecord(QStringLiteral("One too many")));
        QVERIFY(m_bench.notices().contains(pageText("ReachTheMaximumNumbekBUdAPdZ")));
        QCOMPARE(stored().size(), std::size_t(10001));
        page.onImport();
        QCOMPARE(page.importWidget()->maxCount(), 0);
    }

    void theSearchIsLiteralWithinThePage()
    {
        AppointmentWidget &page = openPage();
        for (const char *name : {"a.c (x)", "abc (x)", "A.C (Y)"})
            page.onSave(newRecord(QString::fromUtf8(name)));
        QCOMPARE(page.model()->rowCount(), 3);
        page.searchEdit()->setText(QStringLiteral(" A.C ("));
        QCOMPARE(page.proxy()->rowCount(), 2);
        page.searchEdit()->setText(QStringLiteral("(y)"));
        QCOMPARE(page.proxy()->rowCount(), 1);
        // A reload keeps the search.
        page.reloadData();
        waitForLoad();
        QCOMPARE(page.proxy()->rowCount(), 1);
        QCOMPARE(m_bench.requestCount(kQueryUrl, kPost), 1);
        page.searchEdit()->clear();
        QCOMPARE(page.proxy()->rowCount(), 3);
    }

    void theCheckColumnNeverSorts()
    {
        AppointmentWidget &page = openPage();
        page.onTableHeaderClicked(AppointmentModel::NameColumn);
        QCOMPARE(page.proxy()->sortRole(), -1); // nothing to sort yet
        page.onSave(newRecord(QStringLiteral("Zed")));
        page.onSave(newRecord(QStringLiteral("Amy")));
        page.onTableHeaderClicked(AppointmentModel::NameColumn);
        QCOMPARE(page.proxy()->sortRole(), int(Qt::DisplayRole));
        page.proxy()->sort(AppointmentModel::NameColumn, Qt::AscendingOrder);
        QCOMPARE(page.proxy()->index(0, AppointmentModel::NameColumn).data().toString(),
                 QStringLiteral("Amy"));
        page.onTableHeaderClicked(AppointmentModel::CheckColumn);
        QCOMPARE(page.proxy()->sortRole(), -1);
        QCOMPARE(page.proxy()->sortColumn(), -1);
    }

    void aDeletionElsewhereReloadsEvenDuringAPageChange()
    {
        QVERIFY(m_bench.seedAppointments(120));
        openPage();
        const auto rows = stored();
        // Another client deletes while this operator turns pages.
        QFuture<void> other = QtConcurrent::run([this, rows] {
            for (int i = 1; i <= 5; ++i)
                m_bench.server().deleteAppointment(rows[static_cast<std::size_t>(i)][GuidCol]);
        });
        goToPage(2, 50);
        goToPage(3, 50);
        other.waitForFinished();
        // The server's notifications are still travelling when its calls return.
        QVERIFY(m_bench.waitUntil([this] {
            return m_bench.notificationsReceived().count(QStringLiteral("appointmentDeleted")) == 5;
        }));
        QVERIFY(m_bench.flushNotifications());
        waitForLoad();
        int total = 0, p = 0, size = 0;
        condition(total, p, size);
        QCOMPARE(total, 115);
        QCOMPARE(p, 3);
        // Exactly the server's page 3, last row on top, no row twice.
        const auto now = stored();
        QStringList expected;
        for (std::size_t i = 101; i < now.size(); ++i)
            expected.prepend(QString::fromStdString(now[i][NameCol]));
        QCOMPARE(modelNames(), expected);
    }

    void withoutTheRightThePageIsReadOnly()
    {
        QVERIFY(m_bench.seedAppointments(3));
        AppointmentWidget &page = openPage();
        page.setPageEnabled(false);
        QVERIFY(!page.addButton()->isEnabled());
        QVERIFY(!page.importButton()->isEnabled());
        QVERIFY(!page.searchEdit()->isEnabled());
        tickRows(0, 1);
        QVERIFY(!page.deleteButton()->isEnabled());
        const QModelIndex icon = page.proxy()->index(0, AppointmentModel::OperationColumn);
        emit page.table()->GetTableView()->SignalClicked(icon,
                                                         QorvaGUIToolkit::ItemClickableIconRole);
        QVERIFY(page.form() == nullptr);
        page.onOperation(icon, QorvaGUIToolkit::ItemClickableIconRole);
        QVERIFY(page.form() == nullptr);

        page.setPageEnabled(true);
        QVERIFY(page.deleteButton()->isEnabled());
        emit page.table()->GetTableView()->SignalClicked(icon,
                                                         QorvaGUIToolkit::ItemClickableIconRole);
        QVERIFY(page.form() != nullptr);
        QCOMPARE(page.form()->collectData().strId, page.model()->appointmentAt(0).strId);
    }

    void aFormSaveStoresReceptionistReasonAndGroups()
    {
        const std::string lobby = m_bench.addAccessGroup("Lobby", 2, true);
        const std::string lab = m_bench.addAccessGroup("Lab", 1);
        QVERIFY(!lobby.empty() && !lab.empty());
        AppointmentWidget &page = openPage();
        page.onAdd();
        AddAppointmentInfoWidget &form = *page.form();
        BasicInfoWidget &basic = *form.basicInfo();
        // The default group is ticked for a new appointment.
        QCOMPARE(form.accessControl()->checkedGuids(), QString::fromStdString(lobby));

        const auto persons = m_bench.server().list("persons");
        const QString personGuid = chooseReceptionist(basic);
        QCOMPARE(personGuid, QString::fromStdString(persons[1][0]));
        QVERIFY(!basic.organization().isEmpty());
        basic.setName(QStringLiteral("Grace"));
        basic.setPhone(QStringLiteral("13911112222"));
        QVERIFY(basic.reasonModel()->rowCount() > 1);
        basic.reasonBox()->setCurrentIndex(1);
        const QString reasonName = basic.reasonText();
        form.accessControl()->setGroups(QString::fromStdString(lab + "," + lobby));

        QSignalSpy saved(&form, &AddAppointmentInfoWidget::signalSave);
        form.onSave();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(page.model()->rowCount(), 1);
        // Name and phone are cleared for the next entry, the receptionist stays.
        QVERIFY(basic.name().isEmpty());
        QCOMPARE(basic.receptionistGuid(), personGuid);

        const auto rows = stored();
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[1][NameCol], std::string("Grace"));
        QCOMPARE(QString::fromStdString(rows[1][ReceptionistCol]), basic.receptionistName());
        QCOMPARE(groupSet(QString::fromStdString(rows[1][GroupsCol])),
                 QSet<QString>({QString::fromStdString(lab), QString::fromStdString(lobby)}));
        const AppointmentInfoData shown = page.model()->appointmentAt(0);
        QCOMPARE(shown.strVisitReason, reasonName);
        QCOMPARE(groupSet(shown.strAccessGroupNames), QSet<QString>({"Lab", "Lobby"}));

        // Reason name and receptionist number as the server keeps them.
        const QString id = QString::fromStdString(rows[1][GuidCol]);
        const std::string number = persons[1][3];
        QVERIFY(!number.empty());
        QCOMPARE(onServer(id).receptionistNumber, number);
        QCOMPARE(QString::fromStdString(onServer(id).visitReasonName), reasonName);
        page.reloadData();
        waitForLoad();
        QCOMPARE(page.model()->appointmentAt(0).strVisitReason, reasonName);

        // A change is sent once; a rename sent without the number keeps it.
        m_bench.mark();
        form.setData(page.model()->appointmentAt(0));
        QVERIFY(form.addAndNewButton()->isHidden());
        form.basicInfo()->setName(QStringLiteral("Grace Hopper"));
        form.onSave();
        QCOMPARE(m_bench.requestCount(updateUrl(id), kPut), 1);
        QCOMPARE(page.model()->appointmentAt(0).strName, QStringLiteral("Grace Hopper"));
        QCOMPARE(m_bench.operationLog().last().type, 9001);
        QMap<QString, QString> renamed{{QString::fromStdString(lab), QStringLiteral("Laboratory")}};
        page.onAccessPointDataChanged(renamed);
        QVERIFY(page.model()->appointmentAt(0).strAccessGroupNames.contains(
            QStringLiteral("Laboratory")));
        QCOMPARE(m_bench.requestCount(updateUrl(id), kPut), 2);
        QCOMPARE(onServer(id).receptionistNumber, number);
        QCOMPARE(onServer(id).name, std::string("Grace Hopper"));
    }

    void aNewFormTicksTheDefaultGroupOfTheMoment()
    {
        const std::string lobby = m_bench.addAccessGroup("Lobby", 0);
        const std::string lab = m_bench.addAccessGroup("Lab", 0);
        AppointmentWidget &page = openPage();
        page.onAdd();
        AccessControlWidget &groups = *page.form()->accessControl();
        QVERIFY(groups.checkedGuids().isEmpty());
        page.onCancel();

        // The access-group page makes Lab the default and tells this page.
        QVERIFY(setDefaultGroup(lab, "Lab", true));
        page.onAccessPointDataChanged({{QString::fromStdString(lobby), QStringLiteral("Lobby")},
                                       {QString::fromStdString(lab), QStringLiteral("Lab")}});
        page.onAdd();
        QCOMPARE(groups.checkedGuids(), QString::fromStdString(lab));
        QCOMPARE(groups.box()->GetText(), QStringLiteral("Lab"));
        page.onCancel();

        // Another client moves the flag to Lobby without telling this page; a group added
        // there shows up as well.
        QVERIFY(setDefaultGroup(lab, "Lab", false));
        QVERIFY(setDefaultGroup(lobby, "Lobby", true));
        QVERIFY(!m_bench.addAccessGroup("Hall", 0).empty());
        page.onAdd();
        QCOMPARE(groups.checkedGuids(), QString::fromStdString(lobby));
        QCOMPARE(groups.model()->rowCount(), 3);

        // An existing appointment keeps its own groups, not the default.
        AppointmentInfoData stored;
        stored.strId = QStringLiteral("a1");
        stored.strAccessGroupGuids = QString::fromStdString(lab);
        page.form()->setData(stored);
        QCOMPARE(groups.checkedGuids(), QString::fromStdString(lab));
        page.onCancel();
    }

    void renamedReasonsReachRowsAndServer()
    {
        AppointmentWidget &page = openPage();
        page.onAdd();
        m_bench.mark();
        BasicSettingData settings = AppointmentSettingManager::Instance().getBasicSettingData();
        QVERIFY(!settings.vecVisitReasons.isEmpty());
        AppointmentInfoData info = newRecord(QStringLiteral("Reasoned"));
        info.strVisitReasonId = settings.vecVisitReasons[0].strReasonId;
        info.strVisitReason = settings.vecVisitReasons[0].strReasonName;
        page.onSave(info);
        settings.vecVisitReasons[0].strReasonName = QStringLiteral("Renamed reason");
        page.onBasicSettingChanged(settings);
        QCOMPARE(page.model()->item(0, AppointmentModel::ReasonColumn)->text(),
                 QStringLiteral("Renamed reason"));
        QCOMPARE(page.form()->basicInfo()->reasonModel()->item(0)->text(),
                 QStringLiteral("Renamed reason"));
        QCOMPARE(m_bench.requestCount(updateUrl(page.model()->appointmentAt(0).strId), kPut), 1);
    }

    void theFormKeepsWhatAddAndNewShouldKeep()
    {
        const std::string lobby = m_bench.addAccessGroup("Lobby", 1, true);
        AppointmentWidget &page = openPage();
        page.onAdd();
        AddAppointmentInfoWidget &form = *page.form();
        QVERIFY(!form.addAndNewButton()->isHidden());
        BasicInfoWidget &basic = *form.basicInfo();
        // Once the organisation tree has loaded, nobody is chosen yet: the tree's root
        // is no receptionist.
        const auto persons = m_bench.server().list("persons");
        QVERIFY(m_bench.waitUntil([&] {
            return basic.organizationModel()->findPersonIndexByGuid(persons[1][0]).isValid();
        }));
        QVERIFY(basic.receptionistName().isEmpty());
        QVERIFY(basic.receptionistGuid().isEmpty());
        QVERIFY(basic.organization().isEmpty());
        const QString receptionist = chooseReceptionist(basic);
        QVERIFY(!receptionist.isEmpty());
        QCOMPARE(basic.visitTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
        QCOMPARE(basic.leaveTime(), QDateTime(QDate::currentDate(), QTime(23, 59, 59)));
        basic.setName(QStringLiteral("First"));
        basic.setPhone(QStringLiteral("123"));
        basic.setGender(2);
        basic.reasonBox()->setCurrentIndex(2);
        const QString reason = basic.reasonText();
        form.additionalInfo()->setDocumentType(4);
        form.additionalInfo()->setText(AdditionalInfoWidget::PlateRow, QStringLiteral("ABC1234"));
        QSignalSpy again(&form, &AddAppointmentInfoWidget::signalAddAndNew);
        form.onAddAndNew();
        QCOMPARE(again.count(), 1);
        QCOMPARE(page.model()->rowCount(), 1);
        QVERIFY(basic.name().isEmpty());
        QVERIFY(basic.phone().isEmpty());
        QCOMPARE(basic.gender(), 1);
        QCOMPARE(basic.reasonText(), reason);
        QCOMPARE(basic.receptionistGuid(), receptionist);
        QCOMPARE(basic.receptionistName(),
                 basic.receptionistBox()->GetCurrentIndex().data().toString());
        QVERIFY(!basic.organization().isEmpty());
        QCOMPARE(basic.visitTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
        QCOMPARE(form.accessControl()->checkedGuids(), QString::fromStdString(lobby));
        QCOMPARE(form.additionalInfo()->documentType(), 4);
        QVERIFY(form.additionalInfo()->text(AdditionalInfoWidget::PlateRow).isEmpty());

        // The next new appointment starts without one again.
        page.onCancel();
        page.onAdd();
        QVERIFY(basic.receptionistName().isEmpty());
        QVERIFY(basic.organization().isEmpty());
    }

    void theFormRefusesInFieldOrder()
    {
        AppointmentSettingManager::Instance().loadConfig();
        BasicSettingData settings = AppointmentSettingManager::Instance().getBasicSettingData();
        // Lists shorter than three entries: shown and required whatever they say.
        settings.vecName = {0, 0};
        settings.vecPhone = {1, 0};
        settings.appointmentDay = 1;
        QVERIFY(AppointmentSettingManager::Instance().setConfig(settings));
        AppointmentWidget &page = openPage();
        page.onAdd();
        AddAppointmentInfoWidget &form = *page.form();
        QSignalSpy saved(&form, &AddAppointmentInfoWidget::signalSave);
        auto *nameLabel =
            form.findChild<QorvaGUIToolkit::CLabelWithLeftPoint *>(QStringLiteral("NameEditLabel"));
        auto *phoneLabel = form.findChild<QorvaGUIToolkit::CLabelWithLeftPoint *>(
            QStringLiteral("PhoneEditLabel"));
        QVERIFY(nameLabel && phoneLabel);
        QVERIFY(nameLabel->isLeftPointVisible());
        QVERIFY(phoneLabel->isLeftPointVisible());

        form.onSave();
        QVERIFY(m_bench.waitUntil([&] { return !m_bench.toolTips().isEmpty(); }));
        QCOMPARE(m_bench.toolTips(),
                 QStringList{formText("visitorclient::BasicInfoWidget", "CannotBeEmpty")});
        form.basicInfo()->setName(QStringLiteral("Ada"));
        form.basicInfo()->setPhone(QStringLiteral("1"));
        QVERIFY(!chooseReceptionist(*form.basicInfo()).isEmpty());

        form.additionalInfo()->setText(AdditionalInfoWidget::IdentityCodeRow,
                                       QStringLiteral("11010519491231002"));
        m_bench.mark();
        form.onSave();
        QVERIFY(m_bench.waitUntil([&] { return !m_bench.toolTips().isEmpty(); }));
        QCOMPARE(m_bench.toolTips(), QStringList{formText("visitorclient::AdditionalInfoWidget",
                                                          "InsufficientDataLength")});
        form.additionalInfo()->setDocumentType(4);
        form.additionalInfo()->setText(AdditionalInfoWidget::PlateRow,
                                       QStringLiteral("京沪粤苏浙鲁"));
        m_bench.mark();
        form.onSave();
        QVERIFY(m_bench.waitUntil([&] { return !m_bench.toolTips().isEmpty(); }));
        QVERIFY(m_bench.toolTips().first().contains(QLatin1String("12")));
        QCOMPARE(saved.count(), 0);

        // Visit one second after leave is refused; equal passes.
        form.additionalInfo()->setText(AdditionalInfoWidget::PlateRow, QStringLiteral("ABCDEFG"));
        const QDateTime visit = QDateTime(QDate::currentDate(), QTime(0, 0));
        form.basicInfo()->setTimes(visit.addSecs(1), visit);
        m_bench.mark();
        form.onSave();
        QCOMPARE(m_bench.toolTips(), QStringList{formText("visitorclient::BasicInfoWidget",
                                                          "LeaveNoEarlierThanThKTbkwBiG")});
        form.basicInfo()->setTimes(visit, visit);
        form.onSave();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().value<AppointmentInfoData>().strPlateCode,
                 QStringLiteral("ABCDEFG"));
    }

    void thePickerTakesPersonsOnly()
    {
        AppointmentWidget &page = openPage();
        page.onAdd();
        BasicInfoWidget &basic = *page.form()->basicInfo();
        QVERIFY(!chooseReceptionist(basic).isEmpty());
        const QModelIndex org = basic.organizationModel()->index(0, 0);
        QCOMPARE(org.data(UiDataController::NodeTypeRole).toInt(),
                 int(UiDataController::OrganizationNode));
        QVERIFY(!PersonComboBox::isChoosable(org));
        const auto persons = m_bench.server().list("persons");
        const QModelIndex person = basic.organizationModel()->findPersonIndexByGuid(persons[1][0]);
        QVERIFY(PersonComboBox::isChoosable(person));
        basic.receptionistBox()->SetCurrentIndex(person);
        QVERIFY(!basic.organization().isEmpty());
        // An organisation reaching the picker clears it.
        basic.onReceptionistChanged(org);
        QVERIFY(basic.receptionistName().isEmpty());
        QVERIFY(basic.organization().isEmpty());
    }

    void groupsArePickedFromTheListOrTheDefault()
    {
        AccessGroupPointModel model;
        model.addGroup("g1", "One", false);
        model.addGroup("g2", "Two", true);
        model.addGroup("g3", "Three", true);
        QSignalSpy announced(&model, &AccessGroupPointModel::signalSelectDataChanged);
        model.checkGroups(QString());
        QCOMPARE(model.checkedGuids(), QStringList{"g2"});
        model.checkGroups(QStringLiteral("g3,g1"));
        QCOMPARE(model.checkedGuids(), QStringList({"g1", "g3"}));
        QCOMPARE(announced.last().first().toString(), QStringLiteral("One,Three"));
        model.toggle(0);
        QCOMPARE(model.checkedNames(), QStringList{"Three"});
        model.item(1)->setCheckState(Qt::PartiallyChecked);
        model.toggle(1);
        QCOMPARE(model.item(1)->checkState(), Qt::PartiallyChecked);
    }
};

QTEST_MAIN(TestAppointmentPage)
#include "tst_appointment_page.moc"
