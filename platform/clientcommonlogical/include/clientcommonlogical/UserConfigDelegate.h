#pragma once
// The current operator and his function rights, as the framework reports them.

#include <QString>

#include <mutex>
#include <set>

namespace clientcommonlogical {

class CUserConfigDelegate
{
public:
    /// Every right is granted except the functions listed in the environment variable
    /// QORVA_DENY_FUNCTIONS (comma- or blank-separated function numbers, e.g. "9"),
    /// read once here. Malformed entries are logged and ignored.
    CUserConfigDelegate();

    /// Name of the logged-in operator ("admin" until the framework reports one).
    QString currentUser() const;
    void setCurrentUser(const QString &user);

    /// Whether the operator may run the operation of the function. Any thread.
    bool hasPermission(int function, int operation) const;

    /// Replaces the set of withdrawn functions (every operation of them is refused).
    void setDeniedFunctions(const std::set<int> &functions);
    std::set<int> deniedFunctions() const;

    /// Parses a list like "9, 12" into function numbers; bad tokens are skipped.
    static std::set<int> parseFunctionList(const QString &text);

private:
    mutable std::mutex m_mutex;
    QString m_strUser;
    std::set<int> m_deniedFunctions;
};

} // namespace clientcommonlogical
