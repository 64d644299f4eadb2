#include <QorvaGUIToolkit/CLabel.h>

#include <QFontMetrics>

namespace QorvaGUIToolkit {

CLabel::CLabel(QWidget *parent) : CLabel(QString(), parent) {}

CLabel::CLabel(const QString &text, QWidget *parent) : QLabel(text, parent), m_fullText(text) {}

void CLabel::setElideMode(Qt::TextElideMode mode)
{
    m_elide = mode;
    updateElided();
}

QString CLabel::fullText() const
{
    return m_fullText;
}

void CLabel::setText(const QString &text)
{
    m_fullText = text;
    updateElided();
}

bool CLabel::isElided() const
{
    return m_elide != Qt::ElideNone && QLabel::text() != m_fullText;
}

QSize CLabel::minimumSizeHint() const
{
    if (m_elide == Qt::ElideNone)
        return QLabel::minimumSizeHint();
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("...")) + 4,
                 QLabel::minimumSizeHint().height());
}

void CLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateElided();
}

void CLabel::updateElided()
{
    if (m_elide == Qt::ElideNone) {
        QLabel::setText(m_fullText);
        return;
    }
    const int width = contentsRect().width() - 2 * margin() - indent();
    const QString shown = fontMetrics().elidedText(m_fullText, m_elide, qMax(0, width));
    QLabel::setText(shown);
    setToolTip(shown != m_fullText ? m_fullText : QString());
}

} // namespace QorvaGUIToolkit
