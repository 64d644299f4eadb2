#include <ManagementServer/ManagementServer.h>

#include "AccessGroupHandler.h"
#include "AppointmentHandler.h"
#include "Database.h"
#include "DirectoryHandler.h"
#include "RecordHandler.h"
#include "Schema.h"
#include "SiteSeeder.h"

#include <JSONStruct/HTTP/RouteEnvelope.h>
#include <JSONStruct/Routes/Routes.h>
#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>
#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>
#include <JSONStruct/accessgroup/GroupNameChangedNotifyData.h>
#include <JSONStruct/framework_services/DeviceNotifyData.h>
#include <JSONStruct/framework_services/ElementNotifyData.h>

#include <Base/Log.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace qorvaserver {
namespace {

using namespace protocol::routes;

constexpr std::size_t kMaxBody = 16 * 1024 * 1024;

} // namespace

struct CManagementServer::Impl
{
    std::mutex dbMutex; // one request at a time against the connection
    CDatabase db;
    std::string openError; // why the last open failed
    bool openDamaged = false;
    std::mutex sinkMutex;
    NotificationSink sink;
    std::atomic<SettingsFault> settingsFault{SettingsFault::None};

    std::mutex queueMutex;
    std::condition_variable queueChanged;
    std::deque<std::string> queue;
    bool busy = false;
    bool stopping = false;
    std::thread worker;

    void emit(const Outbox &out)
    {
        NotificationSink copy;
        {
            std::lock_guard<std::mutex> lock(sinkMutex);
            copy = sink;
        }
        if (!copy)
            return;
        for (const ServerNotification &n : out.notifications) {
            try {
                copy(n);
            } catch (...) {
                LOG_ERROR("The notification sink failed on [%s].", n.type.c_str());
            }
        }
    }

    void enqueue(const std::vector<std::string> &records)
    {
        if (records.empty())
            return;
        {
            std::lock_guard<std::mutex> lock(queueMutex);
            queue.insert(queue.end(), records.begin(), records.end());
        }
        queueChanged.notify_all();
    }

    void runWorker()
    {
        std::unique_lock<std::mutex> lock(queueMutex);
        for (;;) {
            queueChanged.wait(lock, [this] { return stopping || !queue.empty(); });
            if (queue.empty())
                return; // stopping with nothing left
            const std::string record = queue.front();
            queue.pop_front();
            busy = true;
            lock.unlock();
            Outbox out;
            {
                std::lock_guard<std::mutex> dbLock(dbMutex);
                CDatabase::Transaction tx(db);
                if (!tx.active() || CRecordHandler::applyDownload(db, record, out, true) != 0 || !tx.commit()) {
                    LOG_WARN("Permission download of record [%s] was not stored.", record.c_str());
                    out.notifications.clear();
                }
            }
            emit(out);
            lock.lock();
            busy = false;
            queueChanged.notify_all();
        }
    }

    // Runs change inside one transaction under the lock; notifications go out after.
    template <class F>
    std::uint32_t control(F change)
    {
        Outbox out;
        std::uint32_t error = 0;
        {
            std::lock_guard<std::mutex> lock(dbMutex);
            if (!db.isOpen())
                return ErrStorageFailed;
            CDatabase::Transaction tx(db);
            if (!tx.active())
                return ErrStorageFailed;
            try {
                error = change(out);
            } catch (const std::exception &e) {
                LOG_ERROR("Server control operation failed: %s.", e.what());
                error = ErrInternal;
            }
            if (error == 0 && !tx.commit())
                error = ErrStorageFailed;
        }
        if (error == 0) {
            emit(out);
            enqueue(out.downloads);
        }
        return error;
    }

    HandlerResult dispatch(const Route &route, const cJSON *node, const std::string &id, Outbox &out)
    {
        switch (route.id) {
        case RouteId::GetAppointmentByCondition:
            return CAppointmentHandler::query(db, node);
        case RouteId::AddAppointment:
            return CAppointmentHandler::add(db, node);
        case RouteId::UpdateAppointment:
            return CAppointmentHandler::update(db, node, id);
        case RouteId::DeleteAppointment:
            return CAppointmentHandler::remove(db, node, out);
        case RouteId::GetBasicSetting:
            return CAppointmentHandler::getSettings(db);
        case RouteId::SetBasicSetting:
            if (settingsFault == SettingsFault::RefuseSaves)
                return HandlerResult::fail(ErrStorageFailed);
            return CAppointmentHandler::setSettings(db, node,
                                                    settingsFault != SettingsFault::DropReasons);
        case RouteId::FindPersonByOther:
            return CDirectoryHandler::findPersons(db, node);
        case RouteId::GetAccessGroups:
            return CAccessGroupHandler::list(db);
        case RouteId::CreateAccessGroup:
            return CAccessGroupHandler::create(db, node);
        case RouteId::ModifyAccessGroup:
            return CAccessGroupHandler::modify(db, node, id);
        case RouteId::RemoveAccessGroup:
            return CAccessGroupHandler::remove(db, node);
        case RouteId::SetVisitorRightConfig:
            return CAccessGroupHandler::syncRights(db, node);
        case RouteId::GetSingleGroup:
            return CAccessGroupHandler::singleGroup(db, node, id);
        case RouteId::GetVisitorRecords:
            return CRecordHandler::query(db, node);
        case RouteId::GetDownloadFailRecords:
            return CRecordHandler::downloadFailed(db);
        case RouteId::GetVisitorErrorRecords:
            return CRecordHandler::errors(db, id);
        case RouteId::DownloadPermission:
            return CRecordHandler::downloadPermission(db, node, out);
        case RouteId::GetAcsCommonCap:
            return CDirectoryHandler::acsCapabilities(db, node, id);
        case RouteId::SetQRCodeEncryptionCfg:
            return CDirectoryHandler::setQRCodeConfig(db, node, id);
        case RouteId::TemplateTest:
            return CDirectoryHandler::templateTest(db, node);
        case RouteId::GetOrganizationTree:
            return CDirectoryHandler::organizationTree(db);
        case RouteId::GetPersons:
            return CDirectoryHandler::orgPersons(db, node);
        case RouteId::GetDevices:
            return CDirectoryHandler::devices(db, node);
        case RouteId::GetResourceGroups:
            return CDirectoryHandler::resourceGroups(db);
        case RouteId::RegisterComponent:
        case RouteId::GetOperatorPermissions:
        case RouteId::SubscribeNotifications:
            break; // the host's own routes
        }
        return HandlerResult::fail(ErrUnknownRoute);
    }
};

CManagementServer::CManagementServer() : m_impl(std::make_unique<Impl>())
{
    m_impl->worker = std::thread([this] { m_impl->runWorker(); });
}

CManagementServer::~CManagementServer()
{
    {
        std::lock_guard<std::mutex> lock(m_impl->queueMutex);
        m_impl->stopping = true;
    }
    m_impl->queueChanged.notify_all();
    m_impl->worker.join();
    close();
}

bool CManagementServer::open(const std::string &databasePath)
{
    std::lock_guard<std::mutex> lock(m_impl->dbMutex);
    CDatabase &db = m_impl->db;
    m_impl->openError.clear();
    m_impl->openDamaged = false;
    if (!db.open(databasePath)) {
        m_impl->openError = db.openError();
        m_impl->openDamaged = db.damaged();
        return false;
    }
    if (!CSchema::migrate(db)) {
        m_impl->openError = "its tables cannot be brought up to date: " + db.lastError();
        db.close();
        return false;
    }
    if (db.scalar("SELECT COUNT(*) FROM devices") == 0 && db.scalar("SELECT COUNT(*) FROM organizations") == 0) {
        CDatabase::Transaction tx(db);
        if (!tx.active() || !CSiteSeeder::seedSite(db) || !tx.commit()) {
            LOG_ERROR("Failed to seed the server database [%s].", databasePath.c_str());
            m_impl->openError = "the demo site cannot be written: " + db.lastError();
            db.close();
            return false;
        }
        LOG_INFO("Server database [%s] seeded with the demo site.", databasePath.c_str());
    }
    return true;
}

std::string CManagementServer::openError() const
{
    std::lock_guard<std::mutex> lock(m_impl->dbMutex);
    return m_impl->openError;
}

bool CManagementServer::openFoundDamage() const
{
    std::lock_guard<std::mutex> lock(m_impl->dbMutex);
    return m_impl->openDamaged;
}

void CManagementServer::close()
{
    std::lock_guard<std::mutex> lock(m_impl->dbMutex);
    m_impl->db.close();
}

bool CManagementServer::isOpen() const
{
    std::lock_guard<std::mutex> lock(m_impl->dbMutex);
    return m_impl->db.isOpen();
}

void CManagementServer::setNotificationSink(NotificationSink sink)
{
    std::lock_guard<std::mutex> lock(m_impl->sinkMutex);
    m_impl->sink = std::move(sink);
}

ServerAnswer CManagementServer::handle(std::int32_t method, const std::string &url,
                                       const std::map<std::string, std::string> &, const std::string &body)
{
    ServerAnswer answer{kJsonContentType, std::string(), std::string()};
    const auto answerWith = [&answer](std::uint32_t error,
                                      std::shared_ptr<protocol::IReturnData> data) {
        answer.body = protocol::routeAnswer(error, std::move(data));
        answer.code = protocol::routeAnswerCode(error);
    };
    try {
        std::string id;
        bool urlKnown = false;
        const Route *route = matchRoute(method, url, &id, &urlKnown);
        if (route == nullptr || route->answeredBy != Answerer::Server) {
            answerWith(route == nullptr && urlKnown ? ErrMethodNotAllowed : ErrUnknownRoute,
                       nullptr);
            return answer;
        }
        if (route->requestKey[0] != '\0' && body.size() > kMaxBody) {
            answerWith(ErrTextTooLong, nullptr);
            return answer;
        }
        const protocol::RouteRequest request = protocol::readRouteRequest(*route, body);
        if (request.error != 0) {
            answerWith(request.error, nullptr);
            return answer;
        }
        const cJSON *node = request.record;
        Outbox out;
        HandlerResult result;
        {
            std::lock_guard<std::mutex> lock(m_impl->dbMutex);
            CDatabase &db = m_impl->db;
            CDatabase::Transaction tx(db);
            if (!db.isOpen() || !tx.active()) {
                result = HandlerResult::fail(ErrStorageFailed);
            } else {
                result = m_impl->dispatch(*route, node, id, out);
                if (result.error == 0 && !tx.commit())
                    result = HandlerResult::fail(ErrStorageFailed);
            }
        }
        answerWith(result.error, result.data);
        if (result.error == 0) {
            m_impl->emit(out);
            m_impl->enqueue(out.downloads);
        } else {
            LOG_WARN("Server refused [%s %s] [error-%u-%u].", methodName(method), url.c_str(), kServerModule,
                     result.error);
        }
    } catch (const std::exception &e) {
        LOG_ERROR("Server failed on [%s %s]: %s.", methodName(method), url.c_str(), e.what());
        answerWith(ErrInternal, nullptr);
    } catch (...) {
        LOG_ERROR("Server failed on [%s %s].", methodName(method), url.c_str());
        answerWith(ErrInternal, nullptr);
    }
    return answer;
}

std::uint32_t CManagementServer::checkIn(const std::string &authCode, std::string *recordGuid)
{
    std::string guid;
    const std::uint32_t error =
        m_impl->control([&](Outbox &) { return CRecordHandler::checkIn(m_impl->db, authCode, guid); });
    if (error == 0 && recordGuid != nullptr)
        *recordGuid = guid;
    return error;
}

std::uint32_t CManagementServer::checkOut(const std::string &authCode)
{
    return m_impl->control([&](Outbox &) { return CRecordHandler::checkOut(m_impl->db, authCode); });
}

std::uint32_t CManagementServer::deleteAppointment(const std::string &appointmentGuid)
{
    return m_impl->control([&](Outbox &out) {
        return CAppointmentHandler::removeOne(m_impl->db, appointmentGuid, out);
    });
}

std::uint32_t CManagementServer::removeDevice(const std::string &deviceGuid)
{
    return m_impl->control([&](Outbox &out) -> std::uint32_t {
        CDatabase &db = m_impl->db;
        auto unlink = db.prepare("DELETE FROM access_group_doors WHERE door_guid IN "
                                 "(SELECT guid FROM doors WHERE device_guid = ?)");
        auto doors = db.prepare("DELETE FROM doors WHERE device_guid = ?");
        auto qr = db.prepare("DELETE FROM qr_configs WHERE device_guid = ?");
        auto device = db.prepare("DELETE FROM devices WHERE guid = ?");
        unlink->bind(1, deviceGuid);
        doors->bind(1, deviceGuid);
        qr->bind(1, deviceGuid);
        device->bind(1, deviceGuid);
        if (!unlink->run() || !doors->run() || !qr->run() || !device->run())
            return ErrStorageFailed;
        if (db.changes() == 0)
            return ErrNotFound;
        protocol::DeviceRemovedNotifyData notice;
        notice.guid = deviceGuid;
        out.notify(notice);
        return 0;
    });
}

std::uint32_t CManagementServer::renameResourceGroup(const std::string &groupGuid, const std::string &name)
{
    if (name.empty() || name.size() > 128)
        return ErrInvalidParameter;
    return m_impl->control([&](Outbox &out) -> std::uint32_t {
        auto st = m_impl->db.prepare("UPDATE resource_groups SET name = ? WHERE guid = ?");
        st->bind(1, name).bind(2, groupGuid);
        if (!st->run())
            return ErrStorageFailed;
        if (m_impl->db.changes() == 0)
            return ErrNotFound;
        protocol::GroupNameChangedNotifyData notice;
        notice.guid = groupGuid;
        notice.name_ = name;
        out.notify(notice);
        return 0;
    });
}

std::uint32_t CManagementServer::renameDoor(const std::string &doorGuid, const std::string &name)
{
    if (name.empty() || name.size() > 128)
        return ErrInvalidParameter;
    return m_impl->control([&](Outbox &out) -> std::uint32_t {
        CDatabase &db = m_impl->db;
        auto find = db.prepare("SELECT group_guid FROM doors WHERE guid = ?");
        find->bind(1, doorGuid);
        if (!find->step())
            return ErrNotFound;
        protocol::ElementNameChangedNotifyData notice;
        notice.guid = doorGuid;
        notice.groupGuid = find->text(0);
        notice.name_ = name;
        notice.type = 1; // door
        auto st = db.prepare("UPDATE doors SET name = ? WHERE guid = ?");
        st->bind(1, name).bind(2, doorGuid);
        if (!st->run())
            return ErrStorageFailed;
        out.notify(notice);
        return 0;
    });
}

std::uint32_t CManagementServer::setDeviceFailing(const std::string &deviceGuid, bool failing)
{
    return m_impl->control([&](Outbox &) -> std::uint32_t {
        auto st = m_impl->db.prepare("UPDATE devices SET failing = ? WHERE guid = ?");
        st->bind(1, failing ? 1 : 0).bind(2, deviceGuid);
        if (!st->run())
            return ErrStorageFailed;
        return m_impl->db.changes() == 0 ? static_cast<std::uint32_t>(ErrNotFound) : 0u;
    });
}

std::uint32_t CManagementServer::setDeviceOnline(const std::string &deviceGuid, bool online)
{
    return m_impl->control([&](Outbox &out) -> std::uint32_t {
        CDatabase &db = m_impl->db;
        {
            auto find = db.prepare("SELECT online FROM devices WHERE guid = ?");
            find->bind(1, deviceGuid);
            if (!find->step())
                return ErrNotFound;
            if ((find->int32(0) != 0) == online)
                return 0; // no change, nothing to announce
        }
        auto st = db.prepare("UPDATE devices SET online = ? WHERE guid = ?");
        st->bind(1, online ? 1 : 0).bind(2, deviceGuid);
        if (!st->run())
            return ErrStorageFailed;
        // The device view hears of the device, the resource view of each of its doors.
        protocol::DeviceNotifyData device(online ? "deviceLogin" : "deviceLogout");
        device.guid = deviceGuid;
        device.online = online;
        device.ignoreMode = 1;
        device.ignoreItems = {"guid", "online"};
        out.notify(device);
        auto doors =
            db.prepare("SELECT guid, group_guid FROM doors WHERE device_guid = ? ORDER BY rowid");
        doors->bind(1, deviceGuid);
        while (doors->step()) {
            protocol::ElementNotifyData door("doorOnlineState");
            door.guid = doors->text(0);
            door.groupGuid = doors->text(1);
            door.deviceGuid = deviceGuid;
            door.online = online;
            door.ignoreMode = 1;
            door.ignoreItems = {"guid", "groupGuid", "deviceGuid", "online"};
            out.notify(door);
        }
        return 0;
    });
}

void CManagementServer::setSettingsFault(SettingsFault fault)
{
    m_impl->settingsFault = fault;
}

std::uint32_t CManagementServer::reset()
{
    return m_impl->control([&](Outbox &) -> std::uint32_t {
        if (!CSchema::clearAll(m_impl->db) || !CSiteSeeder::seedSite(m_impl->db))
            return ErrStorageFailed;
        return 0;
    });
}

std::uint32_t CManagementServer::seedAppointments(int count)
{
    if (count < 0)
        return ErrInvalidParameter;
    return m_impl->control([&](Outbox &) -> std::uint32_t {
        if (m_impl->db.scalar("SELECT COUNT(*) FROM appointments") + count > 10000)
            return ErrAppointmentLimit;
        return CSiteSeeder::seedAppointments(m_impl->db, count) ? 0u : static_cast<std::uint32_t>(ErrStorageFailed);
    });
}

std::uint32_t CManagementServer::seedRecords(int count)
{
    if (count < 0)
        return ErrInvalidParameter;
    return m_impl->control([&](Outbox &) -> std::uint32_t {
        return CSiteSeeder::seedRecords(m_impl->db, count) ? 0u : static_cast<std::uint32_t>(ErrStorageFailed);
    });
}

std::uint32_t CManagementServer::seedLargeSite(const SiteSize &size)
{
    if (size.organizations < 1 || size.persons < 0 || size.areas < 1 || size.devices < 1 ||
        size.doors < size.devices || size.firstAreaDoors < 0 || size.firstAreaDoors > size.doors)
        return ErrInvalidParameter;
    return m_impl->control([&](Outbox &) -> std::uint32_t {
        return CSiteSeeder::seedLargeSite(m_impl->db, size.organizations, size.persons, size.areas,
                                          size.devices, size.doors, size.firstAreaDoors)
                   ? 0u
                   : static_cast<std::uint32_t>(ErrStorageFailed);
    });
}

bool CManagementServer::waitIdle(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_impl->queueMutex);
    return m_impl->queueChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                         [this] { return m_impl->queue.empty() && !m_impl->busy; });
}

std::vector<std::vector<std::string>> CManagementServer::list(const std::string &what)
{
    struct Listing
    {
        const char *name;
        const char *sql;
    };
    // One listing per entry reads better than the formatter's wrapping.
    // clang-format off
    static const Listing listings[] = {
        {"appointments", "SELECT guid, auth_code, name, phone, visit_expect, receptionist_name, access_groups "
                         "FROM appointments ORDER BY seq"},
        {"records", "SELECT guid, auth_code, name, visit_time, leave_time, register_status, download_result "
                    "FROM visitor_records ORDER BY seq"},
        {"groups", "SELECT g.guid, g.name, g.default_group, COUNT(d.door_guid) FROM access_groups g "
                   "LEFT JOIN access_group_doors d ON d.group_guid = g.guid GROUP BY g.guid ORDER BY g.seq"},
        // A device's QR-code configuration, when one was stored, follows its own columns.
        {"devices", "SELECT guid, name, type, ip, port, online, failing, encrypt_type, key, vector "
                    "FROM devices LEFT JOIN qr_configs ON device_guid = guid ORDER BY devices.rowid"},
        {"persons", "SELECT guid, name, gender, phone, sn, receptionist FROM persons ORDER BY rowid"},
        {"doors", "SELECT guid, name, device_guid, door_no, group_guid FROM doors ORDER BY rowid"},
        {"areas", "SELECT guid, name, sequence FROM resource_groups ORDER BY sequence"},
    };
    // clang-format on
    std::vector<std::vector<std::string>> rows;
    for (const Listing &l : listings) {
        if (what != l.name)
            continue;
        std::lock_guard<std::mutex> lock(m_impl->dbMutex);
        if (!m_impl->db.isOpen())
            return rows;
        auto st = m_impl->db.prepare(l.sql);
        // Column names from the select list keep the header in step with the query.
        std::string select(l.sql + 7, std::string(l.sql).find(" FROM ") - 7);
        std::vector<std::string> header;
        std::size_t start = 0;
        while (start <= select.size()) {
            const std::size_t comma = std::min(select.find(", ", start), select.size());
            header.push_back(select.substr(start, comma - start));
            start = comma + 2;
        }
        rows.push_back(header);
        while (st->step()) {
            std::vector<std::string> row;
            for (std::size_t c = 0; c < header.size(); ++c)
                row.push_back(st->text(static_cast<int>(c)));
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace qorvaserver
