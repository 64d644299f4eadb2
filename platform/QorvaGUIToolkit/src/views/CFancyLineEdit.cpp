#include <QorvaGUIToolkit/CFancyLineEdit.h>

#include <QAction>

namespace QorvaGUIToolkit {

CFancyLineEdit::CFancyLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CFancyLineEdit"));
    const QLineEdit::ActionPosition positions[2] = {QLineEdit::LeadingPosition,
                                                    QLineEdit::TrailingPosition};
    for (int side = Left; side <= Right; ++side) {
        m_pActions[side] = new QAction(this);
        m_pActions[side]->setVisible(false);
        addAction(m_pActions[side], positions[side]);
        connect(m_pActions[side], &QAction::triggered, this,
                [this, side] { emit SignalButtonClicked(side); });
    }
}

void CFancyLineEdit::SetButtonIcon(Side side, const QIcon &icon)
{
    m_pActions[side]->setIcon(icon);
    m_pActions[side]->setVisible(!icon.isNull());
}

void CFancyLineEdit::SetButtonVisible(Side side, bool visible)
{
    m_pActions[side]->setVisible(visible);
}

bool CFancyLineEdit::IsButtonVisible(Side side) const
{
    return m_pActions[side]->isVisible();
}

void CFancyLineEdit::SetButtonToolTip(Side side, const QString &toolTip)
{
    m_pActions[side]->setToolTip(toolTip);
}

} // namespace QorvaGUIToolkit
