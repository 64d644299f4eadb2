#include "DemoOperator.h"

#include <cjson/cJSON.h>

#include <algorithm>
#include <memory>

namespace clientframework {

bool DemoOperator::hasFunction(int function) const
{
    return administrator || std::find(functions.begin(), functions.end(), function) != functions.end();
}

std::string DemoOperator::permissionJson() const
{
    cJSON *root = cJSON_CreateObject();
    cJSON_AddStringToObject(root, "userGuid", userGuid.c_str());
    cJSON_AddStringToObject(root, "userName", userName.c_str());
    cJSON_AddBoolToObject(root, "administrator", administrator);
    cJSON *list = cJSON_AddArrayToObject(root, "functionPermissionList");
    for (int function : functions) {
        cJSON *entry = cJSON_CreateObject();
        cJSON_AddNumberToObject(entry, "function", function);
        cJSON *operations = cJSON_AddArrayToObject(entry, "operationList");
        for (int operation = 1; operation <= 4; ++operation)
            cJSON_AddItemToArray(operations, cJSON_CreateNumber(operation));
        cJSON_AddItemToArray(list, entry);
    }
    char *text = cJSON_PrintUnformatted(root);
    std::string json = text != nullptr ? text : "{}";
    cJSON_free(text);
    cJSON_Delete(root);
    return json;
}

std::vector<DemoOperator> DemoOperator::demoOperators()
{
    DemoOperator admin;
    admin.userGuid = "0c6f1d2e9a8b4c7d8e9f0a1b2c3d4e5f";
    admin.userName = "admin";
    admin.administrator = true;
    admin.functions = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

    DemoOperator guard;
    guard.userGuid = "5a4b3c2d1e0f4a9b8c7d6e5f4a3b2c1d";
    guard.userName = "guard";
    guard.administrator = false;
    guard.functions = {1, 2, 3, 4, 5, 6, 7, 8, 10};
    return {admin, guard};
}

} // namespace clientframework
