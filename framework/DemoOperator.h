#pragma once
// The operators a demo host can switch between. Function 9 is the one that allows
// editing in the visitor component; "guard" lacks it.

#include <JSONStruct/framework_services/OperatorPermissionData.h>

#include <string>
#include <vector>

namespace clientframework {

struct DemoOperator
{
    std::string userGuid;
    std::string userName;
    bool administrator = false;
    /// Function numbers the operator may use (every operation of each).
    std::vector<int> functions;

    bool hasFunction(int function) const;
    /// The answer record of the operator-permission route.
    protocol::OperatorPermissionData permissions() const;

    /// Removes the functions (and the administrator's blanket right when any is given).
    void withdraw(const std::vector<int> &denied);
    /// "9, 12" or "9 12" into numbers; malformed tokens are skipped.
    static std::vector<int> parseFunctionList(const std::string &text);

    /// "admin" (everything) and "guard" (no function 9), less the functions listed in
    /// the host's QORVA_DENY_FUNCTIONS.
    static std::vector<DemoOperator> demoOperators();
};

} // namespace clientframework
