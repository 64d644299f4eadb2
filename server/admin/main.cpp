// visitor-server-admin: list, seed and reset a management-server database and run the
// simulator's control operations on it.

#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/Routes/RouteErrors.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

int usage(std::FILE *out = stderr, int code = 2)
{
    std::fprintf(
        out,
        "usage: visitor-server-admin [--db FILE] COMMAND [ARGS]\n"
        "  FILE defaults to $QORVA_SERVER_DB, else ./visitor-server.db\n"
        "commands:\n"
        "  list appointments|records|groups|devices|persons|doors|areas\n"
        "  seed [APPOINTMENTS [RECORDS]]   site on first use, plus bulk visitor data\n"
        "  reset                           delete everything and seed the site again\n"
        "  check-in CODE | check-out CODE  by reservation code\n"
        "  remove-device GUID\n"
        "  rename-area GUID NAME | rename-door GUID NAME\n"
        "  device-fail GUID on|off | device-online GUID on|off\n"
        "exit status: 0 done, 1 failed, 2 bad arguments, 3 damaged database (left as it is)\n");
    return code;
}

int report(std::uint32_t error, const char *what)
{
    if (error == 0) {
        std::printf("%s: done\n", what);
        return 0;
    }
    std::fprintf(stderr, "%s failed: %u-%u %s\n", what, protocol::routes::kServerModule, error,
                 protocol::routes::errorText(protocol::routes::kServerModule, error));
    return 1;
}

bool parseSwitch(const char *text, bool &value)
{
    if (std::strcmp(text, "on") == 0)
        value = true;
    else if (std::strcmp(text, "off") == 0)
        value = false;
    else
        return false;
    return true;
}

bool isSwitch(const std::string &text)
{
    bool value = false;
    return parseSwitch(text.c_str(), value);
}

// Checked before the database is opened, so that a typo creates no file.
bool isValidCommand(const std::vector<std::string> &args)
{
    if (args.empty())
        return false;
    const std::string &cmd = args[0];
    const std::size_t n = args.size();
    if (cmd == "list") {
        static const char *const kTables[] = {"appointments", "records", "groups", "devices",
                                              "persons",      "doors",   "areas"};
        if (n != 2)
            return false;
        for (const char *table : kTables) {
            if (args[1] == table)
                return true;
        }
        return false;
    }
    if (cmd == "seed")
        return n <= 3;
    if (cmd == "reset")
        return n == 1;
    if (cmd == "check-in" || cmd == "check-out" || cmd == "remove-device")
        return n == 2;
    if (cmd == "rename-area" || cmd == "rename-door")
        return n == 3;
    if (cmd == "device-fail" || cmd == "device-online")
        return n == 3 && isSwitch(args[2]);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string &arg : args) {
        if (arg == "--help" || arg == "-h")
            return usage(stdout, 0);
    }
    std::string db = std::getenv("QORVA_SERVER_DB") != nullptr ? std::getenv("QORVA_SERVER_DB") : "visitor-server.db";
    if (!args.empty() && args[0] == "--db") {
        if (args.size() < 2)
            return usage();
        db = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (!isValidCommand(args))
        return usage();
    qorvaserver::CManagementServer server;
    if (!server.open(db)) {
        // The tool never repairs or replaces a damaged file: the host keeps it aside on its
        // next start, or the operator restores a copy.
        if (server.openFoundDamage()) {
            std::fprintf(stderr, "server database %s is damaged: %s\n", db.c_str(),
                         server.openError().c_str());
            return 3;
        }
        std::fprintf(stderr, "cannot open server database %s: %s\n", db.c_str(),
                     server.openError().c_str());
        return 1;
    }
    const std::string &cmd = args[0];
    if (cmd == "list" && args.size() == 2) {
        const auto rows = server.list(args[1]);
        if (rows.empty())
            return usage();
        for (const auto &row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c)
                std::printf("%s%s", c ? "\t" : "", row[c].c_str());
            std::printf("\n");
        }
        std::printf("(%zu rows)\n", rows.size() - 1);
        return 0;
    }
    if (cmd == "seed" && args.size() <= 3) {
        const int appointments = args.size() > 1 ? std::atoi(args[1].c_str()) : 0;
        const int records = args.size() > 2 ? std::atoi(args[2].c_str()) : 0;
        if (const std::uint32_t e = server.seedAppointments(appointments))
            return report(e, "seed appointments");
        return report(server.seedRecords(records), "seed");
    }
    if (cmd == "reset" && args.size() == 1)
        return report(server.reset(), "reset");
    if (cmd == "check-in" && args.size() == 2) {
        std::string record;
        const std::uint32_t e = server.checkIn(args[1], &record);
        if (e == 0)
            std::printf("record %s\n", record.c_str());
        const int rc = report(e, "check-in");
        server.waitIdle(10000);
        return rc;
    }
    if (cmd == "check-out" && args.size() == 2)
        return report(server.checkOut(args[1]), "check-out");
    if (cmd == "remove-device" && args.size() == 2)
        return report(server.removeDevice(args[1]), "remove-device");
    if (cmd == "rename-area" && args.size() == 3)
        return report(server.renameResourceGroup(args[1], args[2]), "rename-area");
    if (cmd == "rename-door" && args.size() == 3)
        return report(server.renameDoor(args[1], args[2]), "rename-door");
    bool on = false;
    if (cmd == "device-fail" && args.size() == 3 && parseSwitch(args[2].c_str(), on))
        return report(server.setDeviceFailing(args[1], on), "device-fail");
    if (cmd == "device-online" && args.size() == 3 && parseSwitch(args[2].c_str(), on))
        return report(server.setDeviceOnline(args[1], on), "device-online");
    return usage();
}
