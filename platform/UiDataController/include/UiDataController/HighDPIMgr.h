#pragma once
// High-DPI settings of the process; must run before the QApplication is constructed.

#include <UiDataController/UiDataControllerExport.h>

#include <Base/Singleton.h>

#include <QString>

namespace UiDataController {

class UIDATACONTROLLER_EXPORT CHighDPIMgr : public Base::CSingleton<CHighDPIMgr>
{
    friend class Base::CSingleton<CHighDPIMgr>;

public:
    /// Enables scaling by the screen's device pixel ratio with fractional factors and
    /// high-resolution pixmaps. A "--scale-factor=<f>" argument or the environment
    /// variable QORVA_SCALE_FACTOR (0.5 to 4) sets a fixed factor. Called after the
    /// application object exists it only logs a warning.
    void doHighDPI(int argc, char **argv);
    /// The fixed factor applied by doHighDPI, 0 when none.
    double scaleFactor() const { return m_scaleFactor; }

private:
    CHighDPIMgr() = default;
    double m_scaleFactor = 0;
};

} // namespace UiDataController

// Instantiated in its own library only: one instance per process.
extern template class Base::CSingleton<UiDataController::CHighDPIMgr>;
