#include <clientcommonlogical/ConfigMgr.h>

#include <Base/Log.h>

namespace clientcommonlogical {

void CConfigMgr::init(const ConfigParams &params)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_params = params;
        m_bInitialised = true;
    }
    LOG_INFO("CConfigMgr::init language[%d] skinVariant[%d] reserved[%d] skin[%s]", params.iLanguage,
             params.iSkinVariant, params.iReserved, params.strSkinType.c_str());
}

bool CConfigMgr::isInitialised() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bInitialised;
}

int CConfigMgr::getLanguage() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_params.iLanguage;
}

std::string CConfigMgr::getSkinType() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_params.strSkinType;
}

int CConfigMgr::getSkinVariant() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_params.iSkinVariant;
}

int CConfigMgr::getReserved() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_params.iReserved;
}

ConfigParams CConfigMgr::params() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_params;
}

void CConfigMgr::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_params = ConfigParams();
    m_bInitialised = false;
}

} // namespace clientcommonlogical

template class Base::CSingleton<clientcommonlogical::CConfigMgr>;
