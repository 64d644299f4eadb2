// The template table from an unavailable database to a migrated, encrypted one. One
// process: the database key is set once per process.
#include <Logical/Database/ComponentSchema.h>
#include <Logical/Database/DatabaseConn.h>
#include <Logical/Database/TemplateSession.h>
#include <Logical/Database/TemplateStore.h>

#include <Common/CommonMethod/DataEncryptionConfig.h>
#include <Common/CommonMethod/InitDBLogical.h>

#include <comm_methodlib/DESetupFile.h>
#include <comm_methodlib/UserDataPath.h>

#include <Base/LogCapture.h>

#include "testsupport/TempDir.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstdlib>

using visitorclient::CDatabaseConn;
using visitorclient::CTemplateStore;
using visitorclient::TemplateSession;
using visitorclient::TemplateStruct;

namespace {

const comm_methodlib::DESetup::Segments kSegments{"seg-1", "seg-2", "seg-3", "seg-4"};

std::vector<std::string> allNames()
{
    Sqlite3DO::CSQLiteRows rows;
    if (!CDatabaseConn::Instance().Query("SELECT Name FROM Template ORDER BY ID;", {}, rows))
        return {"<query failed>"};
    std::vector<std::string> names;
    for (const auto &row : rows)
        names.push_back(row.value("Name").toText());
    return names;
}

} // namespace

class TestTemplateSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void unavailableDatabaseFailsWithTheFixedLine();
    void olderSchemaIsMigratedWithItsRows();
    void statementsKeepTextAsGiven();
    void storeRunsRequestsInOrder();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    Base::details::CLogCapture m_capture;
    std::string m_dbFile;
};

void TestTemplateSession::initTestCase()
{
    unsetenv("QORVA_DATA_ROOT");
    m_root = testsupport::makeTempDir(QStringLiteral("template"));
    auto &paths = comm_methodlib::CUserDataPath::Instance();
    QVERIFY(paths.init(m_root->path().toStdString(), "VisitorManagement.C"));
    QVERIFY(comm_methodlib::DESetup::WriteFile(paths.deSetupPath(), kSegments));
    visitorclient::registerComponentSchema();
    m_dbFile = comm_method::componentDBFile(comm_method::kComponentDBName);
}

void TestTemplateSession::unavailableDatabaseFailsWithTheFixedLine()
{
    QVERIFY(!CTemplateStore::isAvailable());
    TemplateSession session;
    TemplateStruct data{"unchanged"};
    session.query(data);
    QVERIFY(!session.ok());
    QCOMPARE(data.Name, std::string("unchanged"));
    QVERIFY(m_capture.contains("void TemplateSession::query(TemplateStruct&)"));
    QVERIFY(m_capture.contains(
        "CDatabaseConn::Instance().execute failed : error[21-the component database is not "
        "available]"));
    QVERIFY(!QFile::exists(QString::fromStdString(m_dbFile)));

    CTemplateStore store;
    QSignalSpy inserted(&store, &CTemplateStore::signalInserted);
    store.insert(QStringLiteral("x"));
    QVERIFY(inserted.wait(30000));
    QCOMPARE(inserted.at(0).at(0).toBool(), false);
}

void TestTemplateSession::olderSchemaIsMigratedWithItsRows()
{
    // A database that a release with only the table (version 1) left behind.
    const std::string parts[4] = {kSegments[0], kSegments[1], kSegments[2], kSegments[3]};
    Base::Encrypt::AESParams params;
    std::string key;
    comm_method::CDataEncryptionConfig::derive(parts, params, key);
    {
        Sqlite3DO::CSQLite3Conn old;
        old.Open(m_dbFile, true, key);
        QVERIFY(old.ExecuteScript(
            "CREATE TABLE Template (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT NOT NULL "
            "DEFAULT ''); PRAGMA user_version = 1;"));
        QVERIFY(old.Execute("INSERT INTO Template (Name) VALUES (?1);", {"from the old release"}));
    }
    QVERIFY(comm_method::initComponentDBLogical({comm_method::kComponentDBName}));
    QVERIFY(CTemplateStore::isAvailable());

    QFile file(QString::fromStdString(m_dbFile));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(16) != QByteArray("SQLite format 3\0", 16));

    TemplateSession session;
    TemplateStruct data;
    session.query(data);
    QVERIFY(session.ok());
    QCOMPARE(data.Name, std::string("from the old release"));
    QVERIFY(m_capture.contains("conn_.Open(" + m_dbFile + ") success"));
    Sqlite3DO::CSQLiteRows rows;
    QVERIFY(CDatabaseConn::Instance().Query("PRAGMA user_version;", {}, rows));
    QCOMPARE(rows.at(0).at(0).toInt64(), std::int64_t(2));
    QVERIFY(CDatabaseConn::Instance().Query(
        "SELECT name FROM sqlite_master WHERE name = 'TemplateName';", {}, rows));
    QCOMPARE(rows.size(), std::size_t(1));
}

void TestTemplateSession::statementsKeepTextAsGiven()
{
    QVERIFY(CDatabaseConn::Instance().Execute("DELETE FROM Template;"));
    TemplateSession session;
    TemplateStruct data{"left alone"};
    session.query(data);
    QVERIFY(session.ok());
    QCOMPARE(data.Name, std::string("left alone"));

    session.seed({"greeting"});
    session.seed({"a second greeting"});
    QVERIFY(session.ok());
    QCOMPARE(allNames(), std::vector<std::string>{"greeting"});
    QVERIFY(CDatabaseConn::Instance().Execute("DELETE FROM Template;"));

    for (const std::string name : {"it's", "访客 “模板”", "'); DELETE FROM Template; --"}) {
        session.insert({name});
        QVERIFY(session.ok());
        session.query(data);
        QCOMPARE(data.Name, name);
    }
    TemplateStruct gone{"it's"};
    session.deleteData(gone);
    QCOMPARE(allNames(), (std::vector<std::string>{"访客 “模板”", "'); DELETE FROM Template; --"}));

    TemplateStruct renamed{"all the same"};
    session.update(renamed);
    QVERIFY(session.ok());
    QCOMPARE(allNames(), (std::vector<std::string>{"all the same", "all the same"}));

    session.begin();
    QVERIFY(session.ok());
    session.insert({"in a transaction"});
    session.commit();
    QVERIFY(session.ok());
    session.commit();
    QVERIFY(!session.ok());
    QCOMPARE(allNames().back(), std::string("in a transaction"));
}

void TestTemplateSession::storeRunsRequestsInOrder()
{
    auto store = std::make_unique<CTemplateStore>();
    QSignalSpy inserted(store.get(), &CTemplateStore::signalInserted);
    QSignalSpy loaded(store.get(), &CTemplateStore::signalLoaded);
    // Outcomes come on the store's thread: a receiver connected directly never runs on the
    // worker, where a wait that began just after the request could miss the signal.
    int offThread = 0;
    connect(
        store.get(), &CTemplateStore::signalInserted, this,
        [&offThread] { offThread += QThread::currentThread() != qApp->thread() ? 1 : 0; },
        Qt::DirectConnection);
    for (int i = 0; i < 20; ++i)
        store->insert(QStringLiteral("text %1").arg(i));
    store->loadNewest(QStringLiteral("current"));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, 30000);
    QCOMPARE(inserted.count(), 20);
    QCOMPARE(offThread, 0);
    QCOMPARE(loaded.at(0).at(0).toBool(), true);
    QCOMPARE(loaded.at(0).at(1).toString(), QStringLiteral("text 19"));

    QVERIFY(CDatabaseConn::Instance().Execute("DELETE FROM Template;"));
    store->loadNewest(QStringLiteral("current"));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 2, 30000);
    QCOMPARE(loaded.at(1).at(1).toString(), QStringLiteral("current"));

    // A store that goes writes what it was asked first; the outcome has nobody to reach.
    store->insert(QStringLiteral("last words"));
    store.reset();
    QCOMPARE(allNames(), std::vector<std::string>{"last words"});
}

QTEST_GUILESS_MAIN(TestTemplateSession)
#include "tst_template_session.moc"
