#pragma once
// The main window, its shade and its drawer: set by the main window's constructor (and
// cleared by its destructor), read by every page.

#include <string>

class QWidget;

namespace QorvaGUIToolkit {
class CShadeFrame;
}

namespace visitorclient {

class COverlayFrame;

extern QWidget *g_pMainWindow;
extern QorvaGUIToolkit::CShadeFrame *g_pShadeFrame;
extern COverlayFrame *g_pOverlayFrame;

/// Name of a device by its id from the shared device manager (empty when unknown). Set
/// by the window resource manager when it starts; null before. Any thread.
using DeviceNameLookup = std::string (*)(const std::string &deviceId);
extern DeviceNameLookup g_pDeviceNameLookup;

} // namespace visitorclient
