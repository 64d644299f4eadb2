#include "DemoOperator.h"

#include <cjson/cJSON.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

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

std::vector<int> DemoOperator::parseFunctionList(const std::string &text)
{
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    std::istringstream stream(spaced);
    std::vector<int> functions;
    std::string token;
    while (stream >> token) {
        char *end = nullptr;
        const long value = std::strtol(token.c_str(), &end, 10);
        if (end != token.c_str() && *end == '\0')
            functions.push_back(static_cast<int>(value));
    }
    return functions;
}

void DemoOperator::withdraw(const std::vector<int> &denied)
{
    if (denied.empty())
        return;
    // A withdrawn function applies to administrators too: the answer then lists
    // exactly what is left.
    administrator = false;
    functions.erase(std::remove_if(functions.begin(), functions.end(),
                                   [&](int f) {
                                       return std::find(denied.begin(), denied.end(), f) !=
                                              denied.end();
                                   }),
                    functions.end());
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

    const char *denied = std::getenv("QORVA_DENY_FUNCTIONS");
    if (denied != nullptr) {
        const std::vector<int> list = parseFunctionList(denied);
        admin.withdraw(list);
        guard.withdraw(list);
    }
    return {admin, guard};
}

} // namespace clientframework
