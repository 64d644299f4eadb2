#include <UiDataController/LocalLogManager.h>

#include <clientcommonlogical/LocalLogDelegate.h>
#include <clientcommonlogical/UserConfigDelegate.h>

#include <Base/Log.h>

namespace UiDataController {

using clientcommonlogical::LocalLogRecord;

void CLocalLogManager::init(const std::shared_ptr<clientcommonlogical::CLocalLogDelegate> &delegate)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pDelegate = delegate;
    }
    LOG_INFO("CLocalLogManager::init file[%s]", delegate ? qUtf8Printable(delegate->filePath()) : "none");
}

void CLocalLogManager::setUserConfig(const std::shared_ptr<clientcommonlogical::CUserConfigDelegate> &userConfig)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pUserConfig = userConfig;
}

std::shared_ptr<clientcommonlogical::CLocalLogDelegate> CLocalLogManager::delegate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pDelegate;
}

void CLocalLogManager::writeDetailOperationLog(int type, const QString &text)
{
    write(LocalLogRecord::Detail, type, text);
}

void CLocalLogManager::writeOtherLog(int type, const QString &text)
{
    write(LocalLogRecord::Other, type, text);
}

QList<LocalLogRecord> CLocalLogManager::readAll() const
{
    const auto store = delegate();
    if (!store)
        return {};
    store->flush();
    return store->readAll();
}

void CLocalLogManager::write(int category, int type, const QString &text)
{
    std::shared_ptr<clientcommonlogical::CLocalLogDelegate> store;
    std::shared_ptr<clientcommonlogical::CUserConfigDelegate> userConfig;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        store = m_pDelegate;
        userConfig = m_pUserConfig;
    }
    LocalLogRecord record;
    record.time = QDateTime::currentDateTime();
    record.user = userConfig ? userConfig->currentUser() : QString();
    record.category = category;
    record.type = type;
    record.text = text;
    LOG_INFO("Operation log [%d] type [%d]: %s", category, type, qUtf8Printable(text));
    if (store)
        store->append(record);
}

} // namespace UiDataController

template class Base::CSingleton<UiDataController::CLocalLogManager>;
