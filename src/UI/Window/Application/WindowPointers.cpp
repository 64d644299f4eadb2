#include "WindowPointers.h"

namespace visitorclient {

QWidget *g_pMainWindow = nullptr;
QorvaGUIToolkit::CShadeFrame *g_pShadeFrame = nullptr;
COverlayFrame *g_pOverlayFrame = nullptr;
DeviceNameLookup g_pDeviceNameLookup = nullptr;

} // namespace visitorclient
