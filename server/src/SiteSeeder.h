#pragma once
// Fills an empty database with a small site: organisations, persons (some of them
// receptionists), three access controllers with doors and the resource groups (areas)
// that hold the doors. Bulk appointments and records serve demos and benchmarks.
// Every call runs inside the caller's transaction.

#include <cstdint>

namespace qorvaserver {

class CDatabase;

class CSiteSeeder
{
public:
    static bool seedSite(CDatabase &db);
    /// count appointments with fresh ids and reservation codes; reception and groups are
    /// taken from the site. False when a row cannot be stored.
    static bool seedAppointments(CDatabase &db, int count);
    /// count visitor records in mixed states spread over the last year.
    static bool seedRecords(CDatabase &db, int count);
    /// Deletes the site's directory tables and fills them with generated rows: an
    /// organisation tree three levels deep, persons round-robin over it, devices with
    /// doors numbered from 1 and areas that take the doors in turn.
    static bool seedLargeSite(CDatabase &db, int organizations, int persons, int areas, int devices,
                              int doors, int firstAreaDoors = 0);
};

} // namespace qorvaserver
