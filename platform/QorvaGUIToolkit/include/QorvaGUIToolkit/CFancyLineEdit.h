#pragma once
// Line edit with optional buttons inside its left and right ends.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QLineEdit>

class QAction;

namespace QorvaGUIToolkit {

/// QLineEdit with a button at each end (hidden until given an icon); a click emits
/// SignalButtonClicked with the side.
class QORVAGUITOOLKIT_EXPORT CFancyLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum Side { Left = 0, Right = 1 };

    explicit CFancyLineEdit(QWidget *parent = nullptr);

    /// Sets the button's icon and shows it (a null icon hides it).
    void SetButtonIcon(Side side, const QIcon &icon);
    void SetButtonVisible(Side side, bool visible);
    bool IsButtonVisible(Side side) const;
    void SetButtonToolTip(Side side, const QString &toolTip);

signals:
    void SignalButtonClicked(int side);

private:
    QAction *m_pActions[2] = {nullptr, nullptr};
};

} // namespace QorvaGUIToolkit
