// The visitor parameter page against a real server: the field boxes' rule, the reason
// rows, what a save sends (and when it sends nothing), "default", the permission and
// a server that will not keep the reasons.

#include "pagebench/BenchTestCase.h"

#include <UI/Window/BasicSetting/BasicSettingWidget.h>
#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/Window/BasicSetting/ReasonItemWidget.h>
#include <UI/Window/BasicSetting/SettingModel.h>
#include <UI/Window/BasicSetting/VisitReasonWidget.h>

#include <CommunicationLayer/BasicSettingComm.h>
#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

using namespace visitorclient;
using Fault = qorvaserver::CManagementServer::SettingsFault;

namespace {

const QString kSettingsUrl = QStringLiteral("/7310/v1/settings/basic");
const int kPut = 2;
const int kAddressRow = 7;
const int kPhoneRow = 1;

QString pageText(const char *key)
{
    return QCoreApplication::translate("visitorclient::BasicSettingWidget", key);
}

BasicSettingData onServer()
{
    protocol::QueryBasicSettingResult answer;
    if (!commlayer::BasicSettingComm::getConfig(answer))
        return BasicSettingData();
    return BasicSettings::fromQueryResult(answer);
}

bool store(const BasicSettingData &data)
{
    return commlayer::BasicSettingComm::setConfig(BasicSettings::toBasicSetting(data));
}

QStringList reasonNames(const QVector<VisitReasonData> &reasons)
{
    QStringList names;
    for (const VisitReasonData &r : reasons)
        names << r.strReasonName;
    return names;
}

Qt::CheckState state(const SettingModel &model, int row, int column)
{
    return model.item(row, column)->checkState();
}

bool enabled(const SettingModel &model, int row, int column)
{
    return model.item(row, column)->isEnabled();
}

} // namespace

class TestBasicSettingPage : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<BasicSettingWidget> m_page;

    // A page on the settings the server holds now, activated as the navigation does.
    BasicSettingWidget &openPage()
    {
        AppointmentSettingManager::Instance().loadConfig();
        m_page = std::make_unique<BasicSettingWidget>();
        m_page->resize(1000, 760);
        m_page->show();
        m_page->activatePage();
        m_bench.mark();
        return *m_page;
    }

    template <class T> T *child(const char *name)
    {
        return m_page->findChild<T *>(QLatin1String(name));
    }

    VisitReasonWidget &reasons() { return *m_page->reasonWidget(); }

    void setReasonNames(const QStringList &names)
    {
        QVector<VisitReasonData> list;
        for (const QString &n : names)
            list.append(VisitReasonData{QString(), n});
        reasons().setReasons(list);
    }

    void releaseTestObjects() override { m_page.reset(); }

private slots:
    void aRequiredFieldIsAlwaysShown()
    {
        SettingModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 9);
        QCOMPARE(model.columnCount(), 3);

        model.item(kAddressRow, SettingModel::RequiredColumn)->setCheckState(Qt::Checked);
        QCOMPARE(state(model, kAddressRow, SettingModel::ShownColumn), Qt::Checked);
        QVERIFY(!enabled(model, kAddressRow, SettingModel::ShownColumn));
        // Unlocking leaves it shown; the operator may then hide it.
        model.item(kAddressRow, SettingModel::RequiredColumn)->setCheckState(Qt::Unchecked);
        QCOMPARE(state(model, kAddressRow, SettingModel::ShownColumn), Qt::Checked);
        QVERIFY(enabled(model, kAddressRow, SettingModel::ShownColumn));

        // Stored settings that contradict the rule are shown by it.
        BasicSettingData data = BasicSettings::defaultSettings();
        data.vecAddress = {0, 1, 1};
        data.vecRemark = {0, 0}; // too short: the row keeps its boxes
        model.item(8, SettingModel::RequiredColumn)->setCheckState(Qt::Checked);
        model.setSettingData(data);
        QCOMPARE(state(model, kAddressRow, SettingModel::ShownColumn), Qt::Checked);
        QVERIFY(!enabled(model, kAddressRow, SettingModel::ShownColumn));
        QCOMPARE(state(model, 8, SettingModel::RequiredColumn), Qt::Checked);

        // The operator's permission decides whether the boxes can be ticked; the lock stays.
        model.setPermission(false);
        for (int row = 0; row < model.rowCount(); ++row)
            QVERIFY(!model.item(row, SettingModel::ShownColumn)->isCheckable() &&
                    !model.item(row, SettingModel::RequiredColumn)->isCheckable());
        model.setPermission(true);
        QVERIFY(model.item(kAddressRow, SettingModel::ShownColumn)->isCheckable());
        QVERIFY(!enabled(model, kAddressRow, SettingModel::ShownColumn));

        BasicSettingData out;
        model.getSettingData(out);
        QCOMPARE(out.vecName, QVector<int>({1, 1, 1}));
        QCOMPARE(out.vecAccompanyingPersonnelNumber, QVector<int>({1, 1, 1}));
        QCOMPARE(out.vecAddress, QVector<int>({1, 1, 1}));
        QCOMPARE(out.vecGender, QVector<int>({1, 0, 1}));
        QCOMPARE(out.vecRemark, QVector<int>({1, 1, 1}));

        // Settings the server never stored (no name list) leave the boxes alone.
        model.setSettingData(BasicSettingData());
        QCOMPARE(state(model, kAddressRow, SettingModel::RequiredColumn), Qt::Checked);
    }

    void theFirstActivationShowsTheHeldSettingsAndLaterOnesKeepEdits()
    {
        BasicSettingData stored = BasicSettings::defaultSettings();
        stored.vecPlateCode = {1, 1, 1};
        stored.vecCompany = {0, 0, 1};
        stored.appointmentDay = 4;
        stored.vecVisitReasons = {{"a", "Alpha"}, {"b", "Bravo"}};
        QVERIFY(store(stored));
        BasicSettingWidget &page = openPage();

        const SettingModel &model = *page.settingModel();
        QCOMPARE(state(model, 4, SettingModel::RequiredColumn), Qt::Checked);
        QCOMPARE(state(model, 5, SettingModel::ShownColumn), Qt::Unchecked);
        QCOMPARE(reasons().count(), 2);
        QCOMPARE(reasons().row(1)->reason().strReasonName, QStringLiteral("Bravo"));
        auto *days = child<QSpinBox>("BookingDaysSpinBox");
        QCOMPARE(days->value(), 4);
        QCOMPARE(days->minimum(), 1);
        QCOMPARE(days->maximum(), 7);
        QVERIFY(child<QWidget>("ReasonsNotStoredLabel")->isHidden());

        reasons().row(0)->nameEdit()->setText(QStringLiteral("Edited"));
        page.activatePage();
        QCOMPARE(reasons().row(0)->reason().strReasonName, QStringLiteral("Edited"));
        QCOMPARE(m_bench.requestCount(kSettingsUrl, 0), 0);
    }

    void reasonRowsAreNamedNumberedAndLimited()
    {
        openPage();
        const QString prefix = QCoreApplication::translate("visitorclient::VisitReasonWidget",
                                                           "VisitingReasontnaiesDc");
        setReasonNames({QStringLiteral("Training"), prefix + "1", prefix + "3"});
        QPushButton *add = child<QPushButton>("ReasonAddBtn");
        add->click();
        QCOMPARE(reasons().row(3)->reason().strReasonName, prefix + "2");

        QSet<QString> ids;
        while (add->isEnabled())
            add->click();
        QCOMPARE(reasons().count(), 16);
        for (int i = 0; i < reasons().count(); ++i) {
            const VisitReasonData r = reasons().row(i)->reason();
            QVERIFY2(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$"))
                         .match(r.strReasonId)
                         .hasMatch(),
                     qPrintable(r.strReasonId));
            ids.insert(r.strReasonId);
            QCOMPARE(reasons().row(i)->height(), 32);
        }
        QCOMPARE(ids.size(), 16);
        QCOMPARE(reasons().height(), 16 * 32 + 15 * VisitReasonWidget::kSpacing);

        // Deleting the second row frees the add button; the rows keep their order.
        const QString third = reasons().row(2)->reason().strReasonName;
        reasons().row(1)->findChild<QPushButton *>(QStringLiteral("ReasonDeleteBtn"))->click();
        QCOMPARE(reasons().count(), 15);
        QVERIFY(add->isEnabled());
        QCOMPARE(reasons().row(1)->reason().strReasonName, third);
        QCOMPARE(reasons().height(), 15 * 32 + 14 * VisitReasonWidget::kSpacing);
        QCOMPARE(reasons().findChild<QWidget *>(QStringLiteral("ReasonItem15"))->parentWidget(),
                 &reasons());
    }

    void aNewRowIsScrolledIntoView()
    {
        BasicSettingWidget &page = openPage();
        page.resize(900, 360);
        QScrollBar *bar = child<QScrollArea>("BasicSettingScrollArea")->verticalScrollBar();
        bar->setValue(0);
        child<QPushButton>("ReasonAddBtn")->click();
        QVERIFY(m_bench.waitUntil(
            [&] { return bar->maximum() > 0 && bar->value() == bar->maximum(); }));
    }

    void aSaveSendsTheFormAndTellsTheOtherPages()
    {
        BasicSettingWidget &page = openPage();
        QSignalSpy changed(&page, &BasicSettingWidget::signalBasicSettingChanged);
        page.settingModel()
            ->item(kPhoneRow, SettingModel::RequiredColumn)
            ->setCheckState(Qt::Checked);
        page.settingModel()
            ->item(kAddressRow, SettingModel::ShownColumn)
            ->setCheckState(Qt::Unchecked);
        child<QPushButton>("ReasonAddBtn")->click();
        reasons().row(5)->nameEdit()->setText(QStringLiteral("  Delivery "));
        child<QSpinBox>("BookingDaysSpinBox")->setValue(3);

        child<QPushButton>("SaveBtn")->click();

        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut), 1);
        const BasicSettingData stored = onServer();
        QCOMPARE(stored.vecPhone, QVector<int>({1, 1, 1}));
        QCOMPARE(stored.vecAddress, QVector<int>({0, 0, 1}));
        QCOMPARE(stored.vecName, QVector<int>({1, 1, 1}));
        QCOMPARE(stored.appointmentDay, 3);
        QCOMPARE(reasonNames(stored.vecVisitReasons).last(), QStringLiteral("Delivery"));
        QCOMPARE(stored.vecVisitReasons.size(), 6);

        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<BasicSettingData>(), stored);
        QCOMPARE(AppointmentSettingManager::Instance().getBasicSettingData(), stored);
        QCOMPARE(m_bench.notices(),
                 QStringList{QCoreApplication::translate("visitorclient::Widget", "Saved")});
        const auto log = m_bench.operationLog();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log.first().type, 9009);
        QCOMPARE(log.first().text, pageText("SaveVisitorParametersLogN4xPq"));
    }

    void reasonsThatCannotBeSavedSendNothing_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("badRow");
        QTest::addColumn<QString>("tip");
        const QString empty =
            QCoreApplication::translate("visitorclient::VisitReasonWidget", "CannotBeEmpty");
        QTest::newRow("every name empty") << QStringList{"", "", ""} << 0 << empty;
        QTest::newRow("one name empty") << QStringList{"Training", " ", "Meeting"} << 1 << empty;
        QTest::newRow("a name twice")
            << QStringList{"Training", "Meeting", "meeting"} << 2
            << QCoreApplication::translate("visitorclient::VisitReasonWidget",
                                           "VisitReasonRepeatedQk7TnZ");
    }

    void reasonsThatCannotBeSavedSendNothing()
    {
        QFETCH(QStringList, names);
        QFETCH(int, badRow);
        QFETCH(QString, tip);
        openPage();
        QSignalSpy changed(m_page.get(), &BasicSettingWidget::signalBasicSettingChanged);
        setReasonNames(names);
        child<QPushButton>("SaveBtn")->click();
        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_bench.toolTips(), QStringList{tip});
        // Offscreen windows are never active: the focus the page asked for is its focus widget.
        QCOMPARE(m_page->focusWidget(), reasons().row(badRow)->nameEdit());
        QVERIFY(m_bench.operationLog().isEmpty());
    }

    void aRefusedSaveKeepsTheEditsAndSaysWhy()
    {
        BasicSettingWidget &page = openPage();
        QSignalSpy changed(&page, &BasicSettingWidget::signalBasicSettingChanged);
        const BasicSettingData before = onServer();
        m_bench.server().setSettingsFault(Fault::RefuseSaves);
        child<QSpinBox>("BookingDaysSpinBox")->setValue(6);
        child<QPushButton>("SaveBtn")->click();

        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_bench.notices().size(), 1);
        QVERIFY2(m_bench.notices().first().startsWith(
                     QCoreApplication::translate("visitorclient::Widget", "SaveFailed")),
                 qPrintable(m_bench.notices().first()));
        QVERIFY(m_bench.operationLog().isEmpty());
        QCOMPARE(child<QSpinBox>("BookingDaysSpinBox")->value(), 6);
        QCOMPARE(AppointmentSettingManager::Instance().getBasicSettingData(), before);
    }

    void defaultRestoresTheBuiltInSettingsOnceConfirmed()
    {
        BasicSettingData stored = BasicSettings::defaultSettings();
        stored.vecGender = {1, 1, 1};
        stored.appointmentDay = 5;
        stored.vecVisitReasons = {{"x", "Custom"}};
        QVERIFY(store(stored));
        BasicSettingWidget &page = openPage();
        QSignalSpy changed(&page, &BasicSettingWidget::signalBasicSettingChanged);

        m_bench.answerNextQuestion(false);
        child<QPushButton>("DefaultBtn")->click();
        QCOMPARE(m_bench.questions().size(), 1);
        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut), 0);
        QCOMPARE(reasons().count(), 1);

        m_bench.answerNextQuestion(true);
        child<QPushButton>("DefaultBtn")->click();
        const BasicSettingData defaults = BasicSettings::defaultSettings();
        QCOMPARE(onServer(), defaults);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<BasicSettingData>(), defaults);
        // The page shows what it restored.
        QCOMPARE(reasons().count(), 5);
        QCOMPARE(reasons().row(4)->reason(), defaults.vecVisitReasons.at(4));
        QCOMPARE(child<QSpinBox>("BookingDaysSpinBox")->value(), 1);
        QCOMPARE(state(*page.settingModel(), 0, SettingModel::RequiredColumn), Qt::Unchecked);
        QCOMPARE(state(*page.settingModel(), kPhoneRow, SettingModel::RequiredColumn), Qt::Checked);
        QCOMPARE(m_bench.operationLog().size(), 1);
    }

    void withoutThePermissionEveryEditorIsDisabled()
    {
        // Given before the page is built (the main window does so at start) and after.
        m_page = std::make_unique<BasicSettingWidget>();
        m_page->setPageEnabled(false);
        m_page->show();
        m_page->activatePage();
        auto editorsEnabled = [this](bool expected) {
            QList<QWidget *> editors{child<QWidget>("SaveBtn"), child<QWidget>("DefaultBtn"),
                                     child<QWidget>("BookingDaysSpinBox")};
            for (QWidget *w : m_page->reasonWidget()->findChildren<QLineEdit *>())
                editors << w;
            for (QWidget *w : m_page->reasonWidget()->findChildren<QPushButton *>())
                editors << w;
            for (QWidget *w : editors) {
                if (w->isEnabled() != expected)
                    return false;
            }
            for (int row = 0; row < SettingModel::kRows; ++row) {
                if (m_page->settingModel()
                        ->item(row, SettingModel::RequiredColumn)
                        ->isCheckable() != expected)
                    return false;
            }
            return editors.size() > 3;
        };
        m_page->reasonWidget()->onAdd();
        QVERIFY(editorsEnabled(false));
        // Still readable: the page and its scrolling stay.
        QVERIFY(m_page->isEnabled());
        QVERIFY(child<QWidget>("BasicSettingScrollArea")->isEnabled());

        m_page->setPageEnabled(true);
        QVERIFY(editorsEnabled(true));
        m_page->setPageEnabled(false);
        QVERIFY(editorsEnabled(false));
    }

    void aServerThatForgetsReasonsIsReportedNotRetried()
    {
        m_bench.server().setSettingsFault(Fault::DropReasons);
        openPage();
        QCOMPARE(reasons().count(), 5);
        QCOMPARE(reasons().row(0)->reason(), BasicSettings::defaultReasons().first());
        QVERIFY(!child<QWidget>("ReasonsNotStoredLabel")->isHidden());

        // The page itself does not ask again; a later good save clears the state.
        m_page.reset();
        m_bench.mark();
        m_page = std::make_unique<BasicSettingWidget>();
        m_page->show();
        m_page->activatePage();
        QCOMPARE(m_bench.requestCount(kSettingsUrl, kPut), 0);
        QCOMPARE(m_bench.notices(), QStringList{pageText("VisitReasonsNotStoredW8vRmd")});

        m_bench.server().setSettingsFault(Fault::None);
        child<QPushButton>("SaveBtn")->click();
        QCOMPARE(onServer().vecVisitReasons.size(), 5);
        QVERIFY(child<QWidget>("ReasonsNotStoredLabel")->isHidden());
    }
};

QTEST_MAIN(TestBasicSettingPage)
#include "tst_basic_setting_page.moc"
