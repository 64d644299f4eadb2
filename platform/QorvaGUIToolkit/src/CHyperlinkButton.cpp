#include <QorvaGUIToolkit/CHyperlinkButton.h>

#include <QFontMetrics>

namespace QorvaGUIToolkit {

CHyperlinkButton::CHyperlinkButton(QWidget *parent) : CHyperlinkButton(QString(), parent) {}

CHyperlinkButton::CHyperlinkButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
    setFocusPolicy(Qt::TabFocus);
}

QSize CHyperlinkButton::sizeHint() const
{
    // As wide as the text: a link does not carry button padding.
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(text()) + 4, qMax(fm.height() + 4, 20));
}

} // namespace QorvaGUIToolkit
