#pragma once
// Framework-side data (organisations, persons, devices, resource groups) and the device
// operations (capabilities, QR-code configuration, template test).

#include "HandlerTypes.h"

#include <map>

namespace qorvaserver {

class CDatabase;

class CDirectoryHandler
{
public:
    /// By "guidList" of "personnelList" when it is not empty, else by "name" (substring).
    static HandlerResult findPersons(CDatabase &db, const cJSON *node);
    static HandlerResult organizationTree(CDatabase &db);
    static HandlerResult orgPersons(CDatabase &db, const cJSON *node);
    static HandlerResult devices(CDatabase &db, const cJSON *node);
    static HandlerResult resourceGroups(CDatabase &db);
    static HandlerResult acsCapabilities(CDatabase &db, const cJSON *node, const std::string &id);
    static HandlerResult setQRCodeConfig(CDatabase &db, const cJSON *node, const std::string &id);
    static HandlerResult templateTest(CDatabase &db, const cJSON *node);
    /// Organisation id to its path "Root/Child/Grandchild".
    static std::map<std::string, std::string> organizationPaths(CDatabase &db);
};

} // namespace qorvaserver
