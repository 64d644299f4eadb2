// The UI driver in the component: refused unless enabled, reachable the framework's way
// (an LPC call through the command manager), clear failures for names that do not find a
// widget, and the steps acting as an operator on the real main window.

#include "pagebench/BenchTestCase.h"

#include <UI/UiDriver/UiDriver.h>
#include <UI/Window/Application/MainWindow.h>

#include <RequestRouter.h>

#include <UiDataController/InformationMgr.h>

#include <QorvaGUIToolkit/CBaseCentralWidget.h>
#include <QorvaGUIToolkit/TipDialog.h>

#include <QImage>
#include <QIntValidator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

using visitorclient::CUiDriver;

namespace {

struct StepReply
{
    int errorCode = -1;
    bool ok = false;
    QString message;
};

StepReply parse(const QString &body)
{
    const QJsonObject root = QJsonDocument::fromJson(body.toUtf8()).object();
    StepReply reply;
    reply.errorCode = root.value(QStringLiteral("errorCode")).toInt(-1);
    reply.ok = root.value(QStringLiteral("data")).toObject().value(QStringLiteral("ok")).toBool();
    reply.message =
        root.value(QStringLiteral("data")).toObject().value(QStringLiteral("message")).toString();
    return reply;
}

} // namespace

class TestUiDriver : public pagebench::BenchTestCase
{
    Q_OBJECT
    std::unique_ptr<visitorclient::MainWindow> m_window;
    QStandardItemModel *m_model = nullptr;
    int m_answer = -1;

    // One step the way a script sends it: an LPC call from the host's side.
    StepReply call(const QString &step, int boundMs = 5000)
    {
        QJsonObject data{{QStringLiteral("step"), step}, {QStringLiteral("boundMs"), boundMs}};
        const pagebench::CallReply reply =
            m_bench.callComponent(QString::fromLatin1(CUiDriver::kMethod),
                                  QString::fromUtf8(QJsonDocument(data).toJson()));
        return reply.ok ? parse(reply.body) : StepReply{};
    }

    // Steps that open dialogs: each next step starts from the previous one's outcome, so
    // it runs inside the dialog's event loop as a script's next call would.
    QList<StepReply> chain(const QStringList &steps)
    {
        QList<StepReply> replies;
        std::function<void(int)> next = [&](int i) {
            if (i == steps.size())
                return;
            driver()->runStep(steps.at(i), 5000, [&, i](bool ok, const QString &message) {
                replies << StepReply{ok ? 0 : CUiDriver::StepFailed, ok, message};
                next(i + 1);
            });
        };
        next(0);
        m_bench.waitUntil([&] { return replies.size() == steps.size(); });
        return replies;
    }

    static CUiDriver *driver() { return qApp->findChild<CUiDriver *>(QStringLiteral("CUiDriver")); }

protected:
    void prepareTestCase() override { CUiDriver::install(false); }
    void prepareTest() override
    {
        CUiDriver::install(true);
        qputenv("QORVA_UI_SHOT_DIR", m_bench.testDir().toUtf8());
        m_window = std::make_unique<visitorclient::MainWindow>();
        m_window->resize(1024, 700);
        m_window->show();
        // A tool area on the start page: an edit that takes digits, a table with check
        // boxes, a button that asks and one that gives a notice.
        QWidget *page = m_window->findChild<QWidget *>(QStringLiteral("Appointment_Widget"));
        auto *tools = new QWidget(page);
        auto *layout = new QVBoxLayout(tools);
        auto *edit = new QLineEdit(tools);
        edit->setObjectName(QStringLiteral("NumberEdit"));
        edit->setValidator(new QIntValidator(0, 99999, edit));
        layout->addWidget(edit);
        auto *table = new QTableView(tools);
        table->setObjectName(QStringLiteral("Table"));
        m_model = new QStandardItemModel(0, 2, table);
        for (int i = 0; i < 3; ++i) {
            auto *item = new QStandardItem(QStringLiteral("Row %1").arg(i + 1));
            item->setCheckable(true);
            m_model->appendRow({item, new QStandardItem(QStringLiteral("x"))});
        }
        table->setModel(m_model);
        layout->addWidget(table);
        auto *ask = new QPushButton(QStringLiteral("Delete"), tools);
        ask->setObjectName(QStringLiteral("AskBtn"));
        connect(ask, &QPushButton::clicked, this, [this, ask] {
            m_answer = QorvaGUIToolkit::TipDialog::showMessageInfo(4, "Confirm",
                                                                   "Delete the visitor?", ask);
        });
        layout->addWidget(ask);
        auto *notice = new QPushButton(QStringLiteral("Save"), tools);
        notice->setObjectName(QStringLiteral("NoticeBtn"));
        connect(notice, &QPushButton::clicked, notice, [notice] {
            UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
                QStringLiteral("Saved."), notice);
        });
        layout->addWidget(notice);
        tools->show();
        m_answer = -1;
    }
    void releaseTestObjects() override { m_window.reset(); }

private slots:

    void refusedUnlessStartedWithTheVariable()
    {
        CUiDriver::install(false);
        const StepReply refused = call(QStringLiteral("click AskBtn"));
        QCOMPARE(refused.errorCode, int(CUiDriver::Disabled));
        QVERIFY(!refused.ok);
        QVERIFY2(refused.message.contains(QStringLiteral("QORVA_UI_DRIVER=1")),
                 qPrintable(refused.message));
        QCOMPARE(m_answer, -1);
        // Served, but never announced to the framework.
        const auto methods = m_bench.router().registeredMethods();
        QVERIFY(std::find(methods.begin(), methods.end(), CUiDriver::kMethod) == methods.end());
        CUiDriver::install(true);
        QCOMPARE(call(QStringLiteral("tick Table 1")).errorCode, 0);
        QCOMPARE(m_model->item(0)->checkState(), Qt::Checked);
    }

    void namesThatFindNoWidgetFailClearly()
    {
        StepReply reply = call(QStringLiteral("click NoSuchButton"));
        QCOMPARE(reply.errorCode, int(CUiDriver::StepFailed));
        QVERIFY2(reply.message.startsWith(
                     QStringLiteral("no widget named \"NoSuchButton\" (looked in ")),
                 qPrintable(reply.message));
        QVERIFY2(reply.message.contains(QStringLiteral("\"MainWindow\"")),
                 qPrintable(reply.message));

        reply = call(QStringLiteral("wait rows Appointment_Widget/Missing 3"), 200);
        QCOMPARE(reply.errorCode, int(CUiDriver::StepFailed));
        QVERIFY2(reply.message.contains(
                     QStringLiteral("no widget named \"Missing\" inside \"Appointment_Widget\"")),
                 qPrintable(reply.message));
        QVERIFY2(reply.message.startsWith(QStringLiteral("timed out after 0.2 s")),
                 qPrintable(reply.message));

        // A hidden page's widget of the same name is no rival; a visible one is, until a
        // longer path tells them apart.
        auto *hidden =
            new QLineEdit(m_window->findChild<QWidget *>(QStringLiteral("BlackList_Widget")));
        hidden->setObjectName(QStringLiteral("NumberEdit"));
        QCOMPARE(call(QStringLiteral("type NumberEdit 1")).errorCode, 0);
        auto *second =
            new QWidget(m_window->findChild<QWidget *>(QStringLiteral("Appointment_Widget")));
        second->setObjectName(QStringLiteral("Second"));
        (new QLineEdit(second))->setObjectName(QStringLiteral("NumberEdit"));
        second->show();
        reply = call(QStringLiteral("type NumberEdit 1"));
        QVERIFY2(reply.message.contains(QStringLiteral("give a longer path")),
                 qPrintable(reply.message));
        QCOMPARE(call(QStringLiteral("type Second/NumberEdit 2")).errorCode, 0);
        QCOMPARE(second->findChild<QLineEdit *>()->text(), QStringLiteral("2"));

        reply = call(QStringLiteral("jump Table"));
        QVERIFY2(reply.message.startsWith(QStringLiteral("unknown step \"jump\"")),
                 qPrintable(reply.message));
        reply = call(QStringLiteral("tick Table 4"));
        QCOMPARE(reply.message, QStringLiteral("row 4 does not exist (the table shows 3 rows)"));
    }

    void navigationReachesEveryPage()
    {
        StepReply reply = call(QStringLiteral("navigate VisitorsToRecordSSYbjbR"));
        QCOMPARE(reply.errorCode, 0);
        QCOMPARE(reply.message, QStringLiteral("page VisitorRecord_Widget shown"));
        QCOMPARE(m_window->currentPage()->objectName(), QStringLiteral("VisitorRecord_Widget"));
        // The blacklist has no entry: it is shown by its name.
        reply = call(QStringLiteral("show-page BlackList_Widget"));
        QCOMPARE(reply.message, QStringLiteral("page BlackList_Widget shown"));
        QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("BlackList_Widget"))->isVisible());
        QCOMPARE(call(QStringLiteral("navigate VisitorsToMakeAnAppoSvkGZlt")).message,
                 QStringLiteral("page Appointment_Widget shown"));
        reply = call(QStringLiteral("navigate NoSuchEntry"));
        QVERIFY2(reply.message.startsWith(
                     QStringLiteral("no navigation entry \"NoSuchEntry\" (entries: ")),
                 qPrintable(reply.message));
    }

    void typingGoesKeyByKeyThroughTheValidator()
    {
        QCOMPARE(call(QStringLiteral("type NumberEdit 12ab3")).errorCode, 0);
        QCOMPARE(call(QStringLiteral("wait text NumberEdit 123")).errorCode, 0);
        QCOMPARE(call(QStringLiteral("tick Table 2")).errorCode, 0);
        QCOMPARE(call(QStringLiteral("tick Table 2 off")).errorCode, 0);
        QCOMPARE(m_model->item(1)->checkState(), Qt::Unchecked);
        // A column picks the box of a row with several; one the operator cannot tick fails.
        auto *second = m_model->item(1, 1);
        second->setCheckable(true);
        QCOMPARE(call(QStringLiteral("tick Table 2 2 on")).errorCode, 0);
        QCOMPARE(second->checkState(), Qt::Checked);
        QCOMPARE(m_model->item(1, 0)->checkState(), Qt::Unchecked);
        second->setEnabled(false);
        QCOMPARE(call(QStringLiteral("tick Table 2 2 off")).message,
                 QStringLiteral("row 2 has no check box the operator can tick in column 2"));
        QCOMPARE(call(QStringLiteral("wait checked Table 2 2 yes")).errorCode, 0);
        const StepReply notYet = call(QStringLiteral("wait checked Table 2 1 yes"), 200);
        QCOMPARE(notYet.errorCode, int(CUiDriver::StepFailed));
        QVERIFY2(notYet.message.contains(QStringLiteral("Table row 2 column 1 to be checked")),
                 qPrintable(notYet.message));
        QCOMPARE(call(QStringLiteral("wait rows Table 3")).errorCode, 0);
        m_model->removeRow(0);
        QCOMPARE(call(QStringLiteral("wait rows Table 2")).errorCode, 0);
    }

    void dialogsAreAnsweredAndScreenshotsWritten()
    {
        const QList<StepReply> replies = chain(
            {QStringLiteral("click AskBtn"), QStringLiteral("screenshot question dialog"),
             QStringLiteral("screenshot window-with-question"), QStringLiteral("answer confirm"),
             QStringLiteral("click NoticeBtn"), QStringLiteral("expect notice Saved")});
        QCOMPARE(replies.size(), 6);
        for (const StepReply &reply : replies)
            QVERIFY2(reply.ok, qPrintable(reply.message));
        QVERIFY2(replies.at(0).message.startsWith(
                     QStringLiteral("a dialog is open: QorvaGUIToolkit::TipDialog")),
                 qPrintable(replies.at(0).message));
        QCOMPARE(m_answer, 1);
        const QImage dialog(m_bench.testDir() + QStringLiteral("/question.png"));
        const QImage window(m_bench.testDir() + QStringLiteral("/window-with-question.png"));
        QVERIFY(!dialog.isNull());
        QCOMPARE(window.size(), m_window->size());
        // The notice of the last action is there; the question of the one before is not.
        const StepReply missing = call(QStringLiteral("expect question Delete"), 200);
        QVERIFY2(missing.message.contains(QStringLiteral("shown since the last action: none")),
                 qPrintable(missing.message));
    }
};

QTEST_MAIN(TestUiDriver)
#include "tst_ui_driver.moc"
