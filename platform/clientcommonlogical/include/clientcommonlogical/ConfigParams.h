#pragma once
// Start configuration handed over by the framework on the component's command line.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <string>

namespace clientcommonlogical {

/// The framework's language, skin variant and a third integer (framework-defined,
/// only stored), followed by the skin key.
struct CLIENTCOMMONLOGICAL_EXPORT ConfigParams
{
    int iLanguage = 0;
    int iSkinVariant = 0;
    int iReserved = 0;
    std::string strSkinType = "BlackRedSkin";
};

} // namespace clientcommonlogical
