#pragma once
// Process-wide start configuration (language, skin) of the component.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <clientcommonlogical/ConfigParams.h>

#include <Base/Singleton.h>

#include <mutex>
#include <string>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT CConfigMgr : public Base::CSingleton<CConfigMgr>
{
    friend class Base::CSingleton<CConfigMgr>;

public:
    /// Stores the framework's start parameters. May be called again (the later call
    /// wins). Any thread.
    void init(const ConfigParams &params);
    /// True once init() ran.
    bool isInitialised() const;

    /// Language (a qorva7310::TranslationLanguage::LanguageType value); 0 (English)
    /// before init().
    int getLanguage() const;
    /// Skin key, "BlackRedSkin" before init().
    std::string getSkinType() const;
    /// Skin variant (1 selects the neutral family); 0 before init().
    int getSkinVariant() const;
    /// The framework's third start integer, stored unchanged.
    int getReserved() const;
    ConfigParams params() const;

    /// Back to the defaults (tests).
    void reset();

private:
    CConfigMgr() = default;

    mutable std::mutex m_mutex;
    ConfigParams m_params;
    bool m_bInitialised = false;
};

} // namespace clientcommonlogical

// Instantiated in its own library only: one instance per process.
extern template class Base::CSingleton<clientcommonlogical::CConfigMgr>;
