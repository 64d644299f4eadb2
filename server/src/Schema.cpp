#include "Schema.h"

#include "Database.h"

#include <Base/Log.h>

#include <string>

namespace qorvaserver {
namespace {

// clang-format off
// One table per line, as the SQL reads. Times are stored as local "yyyy-MM-ddTHH:mm:ss"
// texts: they sort as they compare.
const char *const kMigrations[] = {
    // 1: the site and the visitor data.
    "CREATE TABLE organizations (guid TEXT PRIMARY KEY, parent_guid TEXT NOT NULL, "
    "  name TEXT NOT NULL, sequence INTEGER NOT NULL);"
    "CREATE TABLE persons (guid TEXT PRIMARY KEY, org_guid TEXT NOT NULL, name TEXT NOT NULL, "
    "  gender INTEGER NOT NULL, phone TEXT NOT NULL, sn TEXT NOT NULL, receptionist INTEGER NOT NULL);"
    "CREATE TABLE devices (guid TEXT PRIMARY KEY, name TEXT NOT NULL, type INTEGER NOT NULL, "
    "  ip TEXT NOT NULL, port INTEGER NOT NULL, online INTEGER NOT NULL, serial_no TEXT NOT NULL, "
    "  failing INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE resource_groups (guid TEXT PRIMARY KEY, name TEXT NOT NULL, sequence INTEGER NOT NULL);"
    "CREATE TABLE doors (guid TEXT PRIMARY KEY, name TEXT NOT NULL, device_guid TEXT NOT NULL, "
    "  door_no INTEGER NOT NULL, group_guid TEXT NOT NULL);"
    "CREATE TABLE appointments (seq INTEGER PRIMARY KEY AUTOINCREMENT, guid TEXT NOT NULL UNIQUE, "
    "  auth_code TEXT NOT NULL UNIQUE, name TEXT, gender INTEGER, phone TEXT, visit_expect TEXT, "
    "  leave_expect TEXT, visit_reason_id TEXT, visit_reason TEXT, receptionist_id TEXT, "
    "  receptionist_name TEXT, receptionist_number TEXT, receptionist_department TEXT, "
    "  access_groups TEXT, accompanying INTEGER, identity_type INTEGER, identity_code TEXT, "
    "  plate_code TEXT, company TEXT, belongings TEXT, address TEXT, remark TEXT);"
    "CREATE TABLE appointment_groups (appointment_guid TEXT NOT NULL, group_guid TEXT NOT NULL, "
    "  PRIMARY KEY (appointment_guid, group_guid));"
    "CREATE TABLE access_groups (seq INTEGER PRIMARY KEY AUTOINCREMENT, guid TEXT NOT NULL UNIQUE, "
    "  name TEXT NOT NULL UNIQUE, default_group INTEGER NOT NULL, download_id_card INTEGER NOT NULL, "
    "  qr_version INTEGER NOT NULL, description TEXT NOT NULL);"
    "CREATE TABLE access_group_doors (group_guid TEXT NOT NULL, door_guid TEXT NOT NULL, "
    "  position INTEGER NOT NULL, object_type INTEGER NOT NULL, PRIMARY KEY (group_guid, door_guid));"
    "CREATE TABLE settings (id INTEGER PRIMARY KEY CHECK (id = 1), body TEXT NOT NULL);"
    "CREATE TABLE visitor_records (seq INTEGER PRIMARY KEY AUTOINCREMENT, guid TEXT NOT NULL UNIQUE, "
    "  appointment_guid TEXT, auth_code TEXT, name TEXT, gender INTEGER, phone TEXT, card_no TEXT, "
    "  visit_time TEXT, leave_time TEXT, visit_reason_id TEXT, visit_reason_name TEXT, org_path TEXT, "
    "  receptionist_id TEXT, receptionist_name TEXT, access_groups TEXT, accompanying INTEGER, "
    "  identity_type INTEGER, identity_code TEXT, plate_code TEXT, company TEXT, belongings TEXT, "
    "  address TEXT, remark TEXT, state INTEGER, register_status TEXT, download_result INTEGER, "
    "  appointment_visit_time TEXT, appointment_leave_time TEXT);"
    "CREATE TABLE visitor_errors (record_guid TEXT NOT NULL, device_guid TEXT NOT NULL, "
    "  fail_type INTEGER NOT NULL, error_code TEXT NOT NULL);"
    "CREATE TABLE qr_configs (device_guid TEXT PRIMARY KEY, encrypt_type TEXT NOT NULL, "
    "  key TEXT NOT NULL, vector TEXT NOT NULL, saved_at TEXT NOT NULL);",
    // 2: indexes for filtered record pages, group use checks and error look-ups.
    "CREATE INDEX idx_records_status ON visitor_records (register_status, seq);"
    "CREATE INDEX idx_records_visit ON visitor_records (visit_time);"
    "CREATE INDEX idx_records_leave ON visitor_records (leave_time);"
    "CREATE INDEX idx_records_download ON visitor_records (download_result);"
    "CREATE INDEX idx_records_auth ON visitor_records (auth_code);"
    "CREATE INDEX idx_appointment_groups_group ON appointment_groups (group_guid);"
    "CREATE INDEX idx_errors_record ON visitor_errors (record_guid);"
    "CREATE INDEX idx_doors_device ON doors (device_guid);"
    "CREATE INDEX idx_group_doors_door ON access_group_doors (door_guid);",
    // 3: record pages step over the rows before them in this narrow index instead of the
    // table's wide rows.
    "CREATE INDEX idx_records_seq ON visitor_records (seq);",
};
// clang-format on

const char *const kTables[] = {"organizations",  "persons",         "devices",
                               "resource_groups", "doors",          "appointments",
                               "appointment_groups", "access_groups", "access_group_doors",
                               "settings",       "visitor_records", "visitor_errors",
                               "qr_configs"};

} // namespace

int CSchema::currentVersion()
{
    return static_cast<int>(sizeof(kMigrations) / sizeof(kMigrations[0]));
}

bool CSchema::migrate(CDatabase &db)
{
    const int have = static_cast<int>(db.scalar("PRAGMA user_version", -1));
    if (have < 0)
        return false;
    if (have > currentVersion()) {
        LOG_ERROR("The server database has schema version %d; this build knows %d.", have,
                  currentVersion());
        return false;
    }
    for (int version = have + 1; version <= currentVersion(); ++version) {
        CDatabase::Transaction tx(db);
        const std::string bump = "PRAGMA user_version = " + std::to_string(version);
        if (!tx.active() || !db.exec(kMigrations[version - 1]) || !db.exec(bump.c_str()) || !tx.commit()) {
            LOG_ERROR("Failed to migrate the server database to version %d.", version);
            return false;
        }
        LOG_INFO("Server database migrated to schema version %d.", version);
    }
    return true;
}

bool CSchema::clearAll(CDatabase &db)
{
    for (const char *table : kTables) {
        const std::string sql = std::string("DELETE FROM ") + table;
        if (!db.exec(sql.c_str()))
            return false;
    }
    return db.exec("DELETE FROM sqlite_sequence");
}

} // namespace qorvaserver
