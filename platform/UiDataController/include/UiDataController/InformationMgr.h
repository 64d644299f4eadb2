#pragma once
// Transient notices of the pages ("Saved", "SaveFailed ...").

#include <UiDataController/UiDataControllerExport.h>

#include <QString>

class QWidget;

namespace UiDataController {

class UIDATACONTROLLER_EXPORT CInformationMgr
{
public:
    /// Shows the text as a notice at the lower right of the screen that holds the
    /// widget; it fades out after 3 s. isError gives the notice the error look; the
    /// other two flags are accepted for the framework's signature and ignored. GUI
    /// thread only; recorded by QorvaGUIToolkit::TestHooks.
    static void ShowInformationAtScreenRightBottom(const QString &text, QWidget *widget,
                                                   bool isError = false, bool modal = false,
                                                   bool persistent = false);
};

} // namespace UiDataController
