#include <UiDataController/InformationMgr.h>

#include <QorvaGUIToolkit/CInformationDlg.h>

namespace UiDataController {

void CInformationMgr::ShowInformationAtScreenRightBottom(const QString &text, QWidget *widget,
                                                         bool isError, bool modal, bool persistent)
{
    QorvaGUIToolkit::CInformationDlg::ShowInformationAtScreenRightBottom(text, widget, isError,
                                                                         modal, persistent);
}

} // namespace UiDataController
