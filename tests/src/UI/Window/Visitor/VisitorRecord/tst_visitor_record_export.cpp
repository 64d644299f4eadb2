// The record export against a transport that answers pages out of order: the pages are
// asked for several at a time, written in page order, and a refused page leaves no file.

#include <UI/Window/Visitor/VisitorRecord/VisitorRecordExport.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordRules.h>

#include <JSONStruct/HTTP/RouteEnvelope.h>
#include <JSONStruct/Routes/Routes.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>

#include <CommunicationLayer/CommunicationLayerInit.h>

#include <Base/Error.h>

#include <testsupport/XlsxReadBack.h>

#include <cjson/cJSON.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

using namespace visitorclient;

namespace {

const int kRowsPerPage = 2;

// Answers record pages of kRowsPerPage rows named "P<page>R<row>". The first holdUntil
// requests wait for each other, and the first of them answers only after the others
// did (each wait with a generous bound), so later pages overtake the first one.
// refusedPage is refused by the server.
class PagedServer : public commlayer::IHTTPClient
{
public:
    int holdUntil = 0;
    int refusedPage = 0;

    bool request(commlayer::RspInfos &rsp, const commlayer::RequestParams &params, bool) override
    {
        const int page = pageOf(params.body);
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            const int arrival = static_cast<int>(m_asked.size());
            m_asked.push_back(page);
            m_mostInFlight = std::max(m_mostInFlight, ++m_inFlight);
            m_changed.notify_all();
            const auto bound = std::chrono::seconds(20);
            if (arrival < holdUntil)
                m_changed.wait_for(lock, bound,
                                   [this] { return int(m_asked.size()) >= holdUntil; });
            if (arrival == 0 && holdUntil > 0)
                m_changed.wait_for(lock, bound, [this] { return m_answered >= holdUntil - 1; });
        }
        const bool refused = page == refusedPage;
        if (!refused)
            rsp.body = pageAnswer(page);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            --m_inFlight;
            ++m_answered;
            m_changed.notify_all();
        }
        if (refused) {
            Base::Error::SetLastError(protocol::routes::kServerModule,
                                      protocol::routes::ErrPageOutOfRange);
            return false;
        }
        rsp.headers["Content-Type"] = protocol::routes::kJsonContentType;
        return true;
    }

    std::vector<int> asked() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_asked;
    }
    int mostInFlight() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_mostInFlight;
    }

private:
    static std::string pageAnswer(int page)
    {
        auto data = std::make_shared<protocol::QueryVisitorRecordResultListData>();
        for (int row = 1; row <= kRowsPerPage; ++row) {
            protocol::VisitorRecordResult record;
            record.name = "P" + std::to_string(page) + "R" + std::to_string(row);
            data->queryVisitorRecordResultList.visitorRecordResultList.push_back(record);
        }
        return protocol::routeAnswer(0, data);
    }

    static int pageOf(const std::string &body)
    {
        cJSON *root = cJSON_Parse(body.c_str());
        const cJSON *condition = root ? root->child : nullptr;
        const cJSON *pageNo = cJSON_GetObjectItemCaseSensitive(condition, "pageNo");
        const int page = cJSON_IsNumber(pageNo) ? pageNo->valueint : -1;
        cJSON_Delete(root);
        return page;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<int> m_asked;
    int m_inFlight = 0;
    int m_mostInFlight = 0;
    int m_answered = 0;
};

QString expectedColumn(int firstPage, int lastPage)
{
    QStringList cells{VisitorRecordRules::exportHeader().first()};
    for (int page = firstPage; page <= lastPage; ++page) {
        for (int row = 1; row <= kRowsPerPage; ++row)
            cells << QStringLiteral("P%1R%2").arg(page).arg(row);
    }
    return cells.join(QLatin1Char('|'));
}

} // namespace

class VisitorRecordExportTest : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<PagedServer> m_server;
    QTemporaryDir m_dir;
    const protocol::QueryVisitorRecordCondition m_anyRecord;

    void useServer()
    {
        m_server = std::make_shared<PagedServer>();
        commlayer::CommunicationLayerInitParams params;
        params.httpClient = m_server;
        QVERIFY(commlayer::CommunicationLayerInit(params));
    }

private slots:
    void init() { useServer(); }
    void cleanup() { commlayer::CommunicationLayerUnInit(); }

    void pagesOverlapButAreWrittenInPageOrder()
    {
        m_server->holdUntil = kExportPagesInFlight;
        const QString path = m_dir.filePath(QStringLiteral("ordered.xlsx"));
        QCOMPARE(exportRecords(path, m_anyRecord, {3, kRowsPerPage, 9}),
                 RecordExportOutcome::Written);

        std::vector<int> asked = m_server->asked();
        std::sort(asked.begin(), asked.end());
        QCOMPARE(asked, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
        // The held first page was overtaken, yet no more than the bound was ever asked for.
        QCOMPARE(m_server->mostInFlight(), kExportPagesInFlight);
        QCOMPARE(testsupport::xlsxFirstColumn(path), expectedColumn(3, 9));
    }

    void aSinglePageAndNoPageAtAll()
    {
        const QString one = m_dir.filePath(QStringLiteral("one.xlsx"));
        QCOMPARE(exportRecords(one, m_anyRecord, {1, kRowsPerPage, 1}),
                 RecordExportOutcome::Written);
        QCOMPARE(testsupport::xlsxFirstColumn(one), expectedColumn(1, 1));

        // Past the last page: the header alone, and no request.
        const QString none = m_dir.filePath(QStringLiteral("none.xlsx"));
        useServer();
        QCOMPARE(exportRecords(none, m_anyRecord, {4, kRowsPerPage, 3}),
                 RecordExportOutcome::Written);
        QVERIFY(m_server->asked().empty());
        QCOMPARE(testsupport::xlsxFirstColumn(none), expectedColumn(1, 0));
    }

    void aRefusedMiddlePageWritesNothingAndKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("records.xlsx"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier export");
        old.close();

        m_server->refusedPage = 4;
        QCOMPARE(exportRecords(path, m_anyRecord, {1, kRowsPerPage, 7}),
                 RecordExportOutcome::QueryFailed);
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("an earlier export"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("records.xlsx")});
        // Pages after the refused one are not all asked for: the look-ahead stops.
        QVERIFY(m_server->asked().size() < 7);
    }
};

QTEST_GUILESS_MAIN(VisitorRecordExportTest)
#include "tst_visitor_record_export.moc"
