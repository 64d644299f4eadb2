#include "AppointmentSettingManager.h"

#include <CommunicationLayer/BasicSettingComm.h>

#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

#include <Base/Error.h>
#include <Base/Log.h>

namespace visitorclient {

namespace {

bool store(const BasicSettingData &data)
{
    if (commlayer::BasicSettingComm::setConfig(BasicSettings::toBasicSetting(data)))
        return true;
    const Base::Error::ErrorCode error = Base::Error::GetLastError();
    LOG_WARN("setBasicSetting failed [error-%u-%u].", error.module, error.code);
    return false;
}

} // namespace

AppointmentSettingManager::AppointmentSettingManager()
{
    registerBasicSettingDataMetaTypes();
}

void AppointmentSettingManager::loadConfig()
{
    BasicSettingData loaded;
    bool reasonsStored = true;
    for (int attempt = 0;; ++attempt) {
        loaded = BasicSettingData();
        protocol::QueryBasicSettingResult answer;
        if (commlayer::BasicSettingComm::getConfig(answer))
            loaded = BasicSettings::fromQueryResult(answer);
        else
            LOG_WARN("getBasicSetting failed");
        if (!loaded.vecVisitReasons.isEmpty())
            break;
        loaded.vecVisitReasons = BasicSettings::defaultReasons();
        if (attempt == kMaxSeedAttempts) {
            // A server that refuses or forgets the reasons must not hold the page up for ever.
            LOG_ERROR("The server kept no visit reasons after [%d] attempts; the default reasons "
                      "are used "
                      "without being stored.",
                      kMaxSeedAttempts);
            reasonsStored = false;
            break;
        }
        store(loaded);
    }
    if (replace(loaded, reasonsStored))
        emit signalBasicSettingDataChanged();
}

bool AppointmentSettingManager::setConfig(const BasicSettingData &data)
{
    if (!store(data))
        return false;
    replace(data, true);
    emit signalBasicSettingDataChanged();
    return true;
}

BasicSettingData AppointmentSettingManager::getBasicSettingData() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_data;
}

bool AppointmentSettingManager::isLoaded() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bLoaded;
}

bool AppointmentSettingManager::reasonsStoredOnServer() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bReasonsStored;
}

bool AppointmentSettingManager::replace(const BasicSettingData &data, bool reasonsStored)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool changed = !m_bLoaded || data != m_data;
    m_data = data;
    m_bLoaded = true;
    m_bReasonsStored = reasonsStored;
    return changed;
}

} // namespace visitorclient
