#include "WindowPointers.h"

namespace visitorclient {

QWidget *g_pMainWindow = nullptr;
QorvaGUIToolkit::CShadeFrame *g_pShadeFrame = nullptr;
COverlayFrame *g_pOverlayFrame = nullptr;

} // namespace visitorclient
