#include "DemoOperator.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace clientframework {

bool DemoOperator::hasFunction(int function) const
{
    return administrator || std::find(functions.begin(), functions.end(), function) != functions.end();
}

protocol::OperatorPermissionData DemoOperator::permissions() const
{
    protocol::OperatorPermissionData data;
    data.userGuid = userGuid;
    data.userName = userName;
    data.administrator = administrator;
    for (int function : functions) {
        protocol::FunctionPermission entry;
        entry.function = function;
        entry.operationList = {1, 2, 3, 4};
        data.functionPermissionList.push_back(std::move(entry));
    }
    return data;
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
