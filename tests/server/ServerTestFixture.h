#pragma once
// A ManagementServer in a temporary directory, reached through commlayer over an
// in-process IHTTPClient, with the notifications it emits collected for assertions.

#include <ManagementServer/ManagementServer.h>

#include <CommunicationLayer/CommunicationLayerInit.h>
#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/Routes/Routes.h>

#include <Base/Error.h>

#include <testsupport/TempDir.h>
#include <testsupport/Wait.h>

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace servertest {

// Calls the server core directly; sets the last error from the answer's code as the
// real transport does for JSON answers.
class InProcessClient : public commlayer::IHTTPClient
{
public:
    explicit InProcessClient(qorvaserver::CManagementServer &server) : m_server(server) {}

    bool request(commlayer::RspInfos &rsp, const commlayer::RequestParams &params, bool) override
    {
        const qorvaserver::ServerAnswer answer = m_server.handle(params.method, params.url, params.headers, params.body);
        rsp.headers["Content-Type"] = answer.contentType;
        rsp.body = answer.body;
        if (answer.contentType != protocol::routes::kJsonContentType)
            return true;
        protocol::ReturnData envelope;
        if (!envelope.Parse(answer.body)) {
            Base::Error::SetLastError(1, 7);
            return false;
        }
        if (!envelope.code.isSuccess()) {
            Base::Error::SetLastError(envelope.code);
            return false;
        }
        return true;
    }

private:
    qorvaserver::CManagementServer &m_server;
};

class ServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = testsupport::makeTempDir(QStringLiteral("tst_server"));
        startServer();
    }

    void TearDown() override { stopServer(); }

    void startServer()
    {
        server = std::make_unique<qorvaserver::CManagementServer>();
        ASSERT_TRUE(server->open(dbPath()));
        server->setNotificationSink([this](const qorvaserver::ServerNotification &n) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_notifications.push_back(n);
            m_changed.notify_all();
        });
        commlayer::CommunicationLayerInitParams params;
        params.httpClient = std::make_shared<InProcessClient>(*server);
        ASSERT_TRUE(commlayer::CommunicationLayerInit(params));
    }

    void stopServer()
    {
        commlayer::CommunicationLayerUnInit();
        server.reset();
    }

    std::string dbPath() const { return testsupport::pathIn(*m_dir, QStringLiteral("server.db")); }

    /// Waits until count notifications of type arrived (bounded); returns them.
    std::vector<qorvaserver::ServerNotification> waitFor(const std::string &type, std::size_t count)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        std::vector<qorvaserver::ServerNotification> found;
        m_changed.wait_for(lock, testsupport::kBound, [&] {
            found.clear();
            for (const auto &n : m_notifications)
                if (n.type == type)
                    found.push_back(n);
            return found.size() >= count;
        });
        return found;
    }

    std::size_t notificationCount(const std::string &type)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::size_t n = 0;
        for (const auto &x : m_notifications)
            n += x.type == type ? 1 : 0;
        return n;
    }

    /// The last error as "<module>-<code>".
    static std::string lastError() { return Base::Error::GetLastError().toString(); }

    std::unique_ptr<qorvaserver::CManagementServer> server;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<qorvaserver::ServerNotification> m_notifications;
};

} // namespace servertest
