#pragma once
// What the window commands need of the window resource manager. The UI layer registers
// its manager at start (CLpcCmd::setWindowResourceManager), so the framework link
// never links the windows.

#include <string>

namespace visitorclient {

class IWindowResourceManager
{
public:
    /// Native id of the named window (created on first use), -1 when there is none.
    /// Called on pool threads; may wait for the GUI thread.
    virtual int getWIDbyMethod(const std::string &strID, int iType) = 0;
    /// Asks the GUI thread to show the window remembered under (strID, iType); returns at once.
    virtual void ShowWndbyWID(const std::string &strID, int iType) = 0;

protected:
    ~IWindowResourceManager() = default;
};

} // namespace visitorclient
