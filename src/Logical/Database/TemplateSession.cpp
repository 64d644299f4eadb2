#include "TemplateSession.h"

#include <Logical/Database/DatabaseConn.h>

#include <Base/Log.h>

#include <functional>

namespace visitorclient {

namespace {

void logFailure(int code, const std::string &message)
{
    LOG_ERROR("CDatabaseConn::Instance().execute failed : error[%d-%s]", code, message.c_str());
}

// Runs one step on the connection; false (logged) when the connection is unavailable or
// the step failed.
bool onConnection(const std::function<bool(CDatabaseConn &)> &step)
{
    try {
        CDatabaseConn &conn = CDatabaseConn::Instance();
        if (step(conn))
            return true;
        std::string message;
        const int code = conn.GetLastErrorCode(message);
        logFailure(code, message);
    } catch (const Sqlite3DO::CSQlite3Error &e) {
        logFailure(e.code(), e.what());
    }
    return false;
}

} // namespace

void TemplateSession::insert(const TemplateStruct &data)
{
    LOG_INFO("void TemplateSession::insert(const TemplateStruct&)");
    m_bOk = onConnection([&](CDatabaseConn &conn) {
        return conn.Execute("INSERT INTO Template (Name) VALUES (?1);", {data.Name});
    });
}

void TemplateSession::seed(const TemplateStruct &data)
{
    LOG_INFO("void TemplateSession::seed(const TemplateStruct&)");
    m_bOk = onConnection([&](CDatabaseConn &conn) {
        return conn.Execute(
            "INSERT INTO Template (Name) SELECT ?1 WHERE NOT EXISTS (SELECT 1 FROM Template);",
            {data.Name});
    });
}

void TemplateSession::query(TemplateStruct &data)
{
    LOG_INFO("void TemplateSession::query(TemplateStruct&)");
    Sqlite3DO::CSQLiteRows rows;
    m_bOk = onConnection([&](CDatabaseConn &conn) {
        return conn.Query("SELECT * FROM Template order by ID Desc limit 1;", {}, rows);
    });
    if (m_bOk && !rows.empty())
        data.Name = rows.front().value("Name").toText();
}

void TemplateSession::update(TemplateStruct &data)
{
    LOG_INFO("void TemplateSession::update(TemplateStruct&)");
    m_bOk = onConnection([&](CDatabaseConn &conn) {
        return conn.Execute("UPDATE Template SET Name = ?1;", {data.Name});
    });
}

void TemplateSession::deleteData(TemplateStruct &data)
{
    LOG_INFO("void TemplateSession::deleteData(TemplateStruct&)");
    m_bOk = onConnection([&](CDatabaseConn &conn) {
        return conn.Execute("DELETE FROM Template WHERE Name = ?1;", {data.Name});
    });
}

void TemplateSession::begin()
{
    LOG_INFO("void TemplateSession::begin()");
    m_bOk = onConnection([](CDatabaseConn &conn) { return conn.Begin(); });
}

void TemplateSession::commit()
{
    LOG_INFO("void TemplateSession::commit()");
    m_bOk = onConnection([](CDatabaseConn &conn) { return conn.Commit(); });
}

} // namespace visitorclient
