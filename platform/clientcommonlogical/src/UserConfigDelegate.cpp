#include <clientcommonlogical/UserConfigDelegate.h>

namespace clientcommonlogical {

CUserConfigDelegate::CUserConfigDelegate() : m_strUser(QStringLiteral("admin")) {}

std::shared_ptr<CUserConfigDelegate> CUserConfigDelegate::shared()
{
    static const std::shared_ptr<CUserConfigDelegate> instance =
        std::make_shared<CUserConfigDelegate>();
    return instance;
}

void CUserConfigDelegate::setPermissions(const QString &user, bool administrator,
                                         const std::set<int> &functions)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strUser = user;
    m_restricted = !administrator;
    m_grantedFunctions = functions;
    m_deniedFunctions.clear();
}

QString CUserConfigDelegate::currentUser() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strUser;
}

void CUserConfigDelegate::setCurrentUser(const QString &user)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strUser = user;
}

bool CUserConfigDelegate::hasPermission(int function, int operation) const
{
    // The framework grants whole functions: the operation is not narrowed further.
    Q_UNUSED(operation)
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_deniedFunctions.count(function) != 0)
        return false;
    return !m_restricted || m_grantedFunctions.count(function) != 0;
}

void CUserConfigDelegate::setDeniedFunctions(const std::set<int> &functions)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_deniedFunctions = functions;
}

std::set<int> CUserConfigDelegate::deniedFunctions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_deniedFunctions;
}

} // namespace clientcommonlogical
