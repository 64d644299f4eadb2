#pragma once

class QWidget;

namespace visitorclient {

/// Gives a top-level tool window (object name "CToolMenu" or "CMaintain") the skin's
/// background and text colours: it is not inside the main window, whose sheet colours pages.
void applyToolWindowStyle(QWidget *window);

} // namespace visitorclient
