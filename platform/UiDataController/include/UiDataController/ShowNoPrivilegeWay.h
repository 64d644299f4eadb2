#pragma once

namespace UiDataController {

/// How a refused permission check tells the operator.
enum ShowNoPrivilegeWay
{
    NoShow = 0,    ///< silently
    ShowTip = 1,   ///< a tool tip at the widget
    ShowDialog = 2 ///< a modal warning dialog
};

} // namespace UiDataController
