#pragma once
// The management-server simulator: answers every server route of the backend route
// table (protocol::routes) from one SQLite file, and emits change notifications.
//
// Embedding: open() a database file, set a notification sink, then hand every forwarded
// request to handle(); forward each answer's content type and body unchanged. All calls
// are thread-safe; requests are served one at a time against the database. Permission
// downloads finish on the server's own worker thread, which calls the sink.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qorvaserver {

/// One answer of handle(): contentType is protocol::routes::kJsonContentType and body a
/// ReturnData JSON text whose "code" is code, so that a forwarder that only needs the
/// outcome does not have to parse a large body.
struct ServerAnswer
{
    std::string contentType;
    std::string body;
    std::string code;
};

/// A change notification: type is the record name ("appointmentDeleted",
/// "downloadPermission", "deviceRemoved", "groupNameChanged", "elementNameChanged",
/// "deviceLogin", "deviceLogout", "doorOnlineState"), body
/// the record's JSON object text, ready for a protocol::WebSocketNotifyData "data".
struct ServerNotification
{
    std::string type;
    std::string body;
};

/// Called after the change is stored, never while the server holds its lock (the sink may
/// call back into the server). Runs on the thread that made the change, or on the
/// download worker for "downloadPermission".
using NotificationSink = std::function<void(const ServerNotification &)>;

class CManagementServer
{
public:
    CManagementServer();
    /// Finishes queued permission downloads, then closes the database.
    ~CManagementServer();
    CManagementServer(const CManagementServer &) = delete;
    CManagementServer &operator=(const CManagementServer &) = delete;

    /// Opens or creates the database, migrates its schema and seeds the site into an empty
    /// one. False (logged) when the file cannot be used, also when it opens but its pages
    /// fail the integrity check.
    bool open(const std::string &databasePath);
    /// Why the last open() failed, for the operator; empty after a good one.
    std::string openError() const;
    /// The last open() failed because the file is damaged.
    bool openFoundDamage() const;
    void close();
    bool isOpen() const;
    void setNotificationSink(NotificationSink sink);

    /// Answers one request: method code (0 GET, 1 POST, 2 PUT, 3 DELETE), absolute URL (a
    /// query is ignored), headers (unused) and body. Never throws; errors are ReturnData
    /// codes of module 20 (protocol::routes::ServerError).
    ServerAnswer handle(std::int32_t method, const std::string &url,
                        const std::map<std::string, std::string> &headers, const std::string &body);

    // Control operations for demos, tests and the admin tool. Each returns 0 or a
    // protocol::routes::ServerError code; nothing is changed on failure.

    /// Checks the visitor of an appointment in: creates a visitor record ("registered")
    /// and downloads its permissions. recordGuid receives the record's id.
    std::uint32_t checkIn(const std::string &authCode, std::string *recordGuid = nullptr);
    /// Signs the visitor of the newest open record with this reservation code off.
    std::uint32_t checkOut(const std::string &authCode);
    /// Deletes an appointment as another client would; emits "appointmentDeleted".
    std::uint32_t deleteAppointment(const std::string &appointmentGuid);
    /// Removes a device and its doors (also from access-point groups); emits "deviceRemoved".
    std::uint32_t removeDevice(const std::string &deviceGuid);
    /// Emits "groupNameChanged".
    std::uint32_t renameResourceGroup(const std::string &groupGuid, const std::string &name);
    /// Emits "elementNameChanged".
    std::uint32_t renameDoor(const std::string &doorGuid, const std::string &name);
    /// A failing device rejects permission downloads, right syncs and QR-code settings.
    std::uint32_t setDeviceFailing(const std::string &deviceGuid, bool failing);
    /// A change emits "deviceLogin" or "deviceLogout" and one "doorOnlineState" per door of
    /// the device; setting the state the device already has emits nothing.
    std::uint32_t setDeviceOnline(const std::string &deviceGuid, bool online);
    /// Deletes every row and seeds the site again.
    std::uint32_t reset();
    /// Adds count appointments (one transaction; the 10000 cap holds).
    std::uint32_t seedAppointments(int count);
    /// Adds count visitor records (one transaction).
    std::uint32_t seedRecords(int count);

    /// Size of a generated site; the defaults are the large site the load tests use.
    struct SiteSize
    {
        int organizations = 200;
        int persons = 2000;
        int areas = 50;
        int devices = 500;
        int doors = 5000;
        /// When above 0, the first area takes this many doors and the others share the rest
        /// (a site with one large area); 0 spreads all doors evenly.
        int firstAreaDoors = 0;
    };
    /// Replaces organisations, persons, devices, resource groups and doors by a generated
    /// site of that size (one transaction; access-point groups lose their doors, visitor
    /// data stays). Persons spread evenly over the organisations, doors over devices and
    /// areas; every seventh device is offline. No notifications: it is a new site, not a
    /// change of one. ErrInvalidParameter for counts below 1 (doors below devices, a first
    /// area larger than the site).
    std::uint32_t seedLargeSite(const SiteSize &size);
    /// Waits until queued permission downloads are done; false on time-out.
    bool waitIdle(int timeoutMs);

    /// How the basic settings route misbehaves, to show what a client does with a server
    /// that will not keep its visit reasons. Kept in memory only (a restart is healthy).
    enum class SettingsFault {
        None,
        RefuseSaves, ///< every save is answered ErrStorageFailed and nothing is stored
        DropReasons, ///< saves succeed but the visit reasons are not kept
    };
    void setSettingsFault(SettingsFault fault);

    /// Rows for inspection: what is "appointments", "records", "groups", "devices",
    /// "persons", "doors" or "areas"; the first row holds the column names. Empty for an
    /// unknown name.
    std::vector<std::vector<std::string>> list(const std::string &what);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace qorvaserver
