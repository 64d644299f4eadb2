// The maintenance window without and then with its database (one process: the database
// key is set once per process).
#include <UI/Window/Maintain/CMaintain.h>

#include <Logical/Database/ComponentSchema.h>
#include <Logical/Database/DatabaseConn.h>

#include <Common/CommonMethod/InitDBLogical.h>

#include <comm_methodlib/DESetupFile.h>
#include <comm_methodlib/UserDataPath.h>

#include <Base/LogCapture.h>

#include "testsupport/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstdlib>

using visitorclient::CMaintain;

namespace {

const QString kGreeting = QStringLiteral("Hello,welcome to qorva7310-v3.1!");
const QString kLastText = QStringLiteral("O'Neil's 访客模板");

struct Form
{
    explicit Form(CMaintain &window)
        : edit(window.findChild<QLineEdit *>(QStringLiteral("m_pNameEdit"))),
          load(window.findChild<QPushButton *>(QStringLiteral("m_pLoadBtn"))),
          set(window.findChild<QPushButton *>(QStringLiteral("m_pSetBtn"))),
          status(window.findChild<QLabel *>(QStringLiteral("m_pStatusLabel")))
    {}
    bool complete() const { return edit && load && set && status; }

    // Load and wait until the answer is in the field (the load runs off the GUI thread).
    QString loaded()
    {
        edit->setText(QStringLiteral("<pending>"));
        QTest::mouseClick(load, Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return edit->text() != QLatin1String("<pending>"); }, 30000))
            return QStringLiteral("<no answer>");
        return edit->text();
    }

    QLineEdit *edit;
    QPushButton *load;
    QPushButton *set;
    QLabel *status;
};

} // namespace

class TestMaintain : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void withoutDatabaseTheWindowSaysSo();
    void setThenLoad();
    void failuresAreShownInWords();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    Base::details::CLogCapture m_capture;
};

void TestMaintain::initTestCase()
{
    unsetenv("QORVA_DATA_ROOT");
    m_root = testsupport::makeTempDir(QStringLiteral("maintain"));
    QVERIFY(comm_methodlib::CUserDataPath::Instance().init(m_root->path().toStdString(),
                                                           "VisitorManagement.C"));
    visitorclient::registerComponentSchema();
}

void TestMaintain::withoutDatabaseTheWindowSaysSo()
{
    // No DESetup.xml: the start-up step fails and nothing is keyed.
    QVERIFY(!comm_method::initComponentDBLogical({comm_method::kComponentDBName}));
    CMaintain window;
    Form form(window);
    QVERIFY(form.complete());
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.status->text(),
             QCoreApplication::translate("Maintain", "MaintainDatabaseUnavailable"));
    QVERIFY(!form.edit->isEnabled());
    QVERIFY(!form.load->isEnabled());
    QVERIFY(!form.set->isEnabled());
    // Even a direct call touches no database.
    window.onSetBtnClicked();
    window.onLoadBtnClicked();
    QVERIFY(!m_capture.contains("void TemplateSession::insert(const TemplateStruct&)"));
    QVERIFY(!QFile::exists(
        QString::fromStdString(comm_method::componentDBFile(comm_method::kComponentDBName))));
}

void TestMaintain::setThenLoad()
{
    QVERIFY(
        comm_methodlib::DESetup::WriteFile(comm_methodlib::CUserDataPath::Instance().deSetupPath(),
                                           comm_methodlib::DESetup::GenerateSegments()));
    QVERIFY(comm_method::initComponentDBLogical({comm_method::kComponentDBName}));

    CMaintain window;
    window.show();
    Form form(window);
    QVERIFY(form.complete());
    QVERIFY(form.set->isEnabled());
    QCOMPARE(form.set->text(), QCoreApplication::translate("Maintain", "Set"));
    QCOMPARE(form.loaded(), kGreeting);

    for (const QString &text : {QString(), QStringLiteral("first text"), kLastText}) {
        form.edit->setText(text);
        QTest::mouseClick(form.set, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(form.status->text(),
                                  QCoreApplication::translate("Maintain", "MaintainSaved"), 30000);
        QCOMPARE(form.loaded(), text);
        QVERIFY(form.status->text().isEmpty());
    }
    QVERIFY(m_capture.contains("void CMaintain::onSetBtnClicked()"));

    // The greeting only starts a new database: a later window (or a restarted component)
    // loads what was set last.
    CMaintain second;
    QCOMPARE(Form(second).loaded(), kLastText);
    Sqlite3DO::CSQLiteRows rows;
    QVERIFY(visitorclient::CDatabaseConn::Instance().Query(
        "SELECT Name FROM Template WHERE Name = ?1;", {"first text"}, rows));
    QCOMPARE(rows.size(), std::size_t(1));
}

void TestMaintain::failuresAreShownInWords()
{
    CMaintain window;
    Form form(window);
    QCOMPARE(form.loaded(), kLastText);
    QVERIFY(
        visitorclient::CDatabaseConn::Instance().Execute("ALTER TABLE Template RENAME TO Moved;"));

    form.edit->setText(QStringLiteral("kept in the field"));
    QTest::mouseClick(form.set, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(form.status->text(),
                              QCoreApplication::translate("Maintain", "MaintainSaveFailed"), 30000);
    QTest::mouseClick(form.load, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(form.status->text(),
                              QCoreApplication::translate("Maintain", "MaintainLoadFailed"), 30000);
    QCOMPARE(form.edit->text(), QStringLiteral("kept in the field"));
    QVERIFY(m_capture.indexOf("void TemplateSession::insert(const TemplateStruct&)") >= 0);

    QVERIFY(
        visitorclient::CDatabaseConn::Instance().Execute("ALTER TABLE Moved RENAME TO Template;"));
    QCOMPARE(form.loaded(), kLastText);
    QVERIFY(form.status->text().isEmpty());
}

QTEST_MAIN(TestMaintain)
#include "tst_maintain.moc"
