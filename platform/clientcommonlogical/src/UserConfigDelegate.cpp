#include <clientcommonlogical/UserConfigDelegate.h>

#include <Base/Log.h>

#include <QRegularExpression>
#include <QStringList>

namespace clientcommonlogical {

CUserConfigDelegate::CUserConfigDelegate()
    : m_strUser(QStringLiteral("admin"))
    , m_deniedFunctions(parseFunctionList(qEnvironmentVariable("QORVA_DENY_FUNCTIONS")))
{
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
    Q_UNUSED(operation)
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_deniedFunctions.count(function) == 0;
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

std::set<int> CUserConfigDelegate::parseFunctionList(const QString &text)
{
    std::set<int> functions;
    const QStringList tokens = text.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        bool ok = false;
        const int function = token.toInt(&ok);
        if (ok)
            functions.insert(function);
        else
            LOG_WARN("Ignoring malformed function number [%s] in QORVA_DENY_FUNCTIONS.", qUtf8Printable(token));
    }
    return functions;
}

} // namespace clientcommonlogical
