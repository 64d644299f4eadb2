#pragma once
// The current operator and his function rights, as the framework reports them.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <QString>

#include <memory>
#include <mutex>
#include <set>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT CUserConfigDelegate
{
public:
    /// Every right is granted until the framework's answer arrives (setPermissions).
    CUserConfigDelegate();

    /// The process-wide instance that the permission manager reads and the framework
    /// link refreshes on start and on every user switch.
    static std::shared_ptr<CUserConfigDelegate> shared();

    /// The framework's answer: the operator, whether he is an administrator (every
    /// right), else the functions he may use. Replaces what was there, withdrawn
    /// functions included.
    void setPermissions(const QString &user, bool administrator, const std::set<int> &functions);

    /// Name of the logged-in operator ("admin" until the framework reports one).
    QString currentUser() const;
    void setCurrentUser(const QString &user);

    /// Whether the operator may run the operation of the function. Any thread.
    bool hasPermission(int function, int operation) const;

    /// Replaces the set of withdrawn functions (every operation of them is refused).
    void setDeniedFunctions(const std::set<int> &functions);
    std::set<int> deniedFunctions() const;

private:
    mutable std::mutex m_mutex;
    QString m_strUser;
    bool m_restricted = false; // only m_grantedFunctions are allowed
    std::set<int> m_grantedFunctions;
    std::set<int> m_deniedFunctions;
};

} // namespace clientcommonlogical
