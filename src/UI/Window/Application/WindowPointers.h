#pragma once
// The main window, its shade and its drawer: set by the main window's constructor (and
// cleared by its destructor), read by every page.

class QWidget;

namespace QorvaGUIToolkit {
class CShadeFrame;
}

namespace visitorclient {

class COverlayFrame;

extern QWidget *g_pMainWindow;
extern QorvaGUIToolkit::CShadeFrame *g_pShadeFrame;
extern COverlayFrame *g_pOverlayFrame;

} // namespace visitorclient
