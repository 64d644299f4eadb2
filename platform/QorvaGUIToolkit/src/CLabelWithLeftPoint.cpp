#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>

#include <QorvaGUIToolkit/SkinPalette.h>

#include <QEvent>
#include <QPainter>

namespace QorvaGUIToolkit {

namespace {
constexpr int kPointSpace = 10; // point plus the gap before the text
}

CLabelWithLeftPoint::CLabelWithLeftPoint(QWidget *parent) : CLabelWithLeftPoint(QString(), parent)
{}

CLabelWithLeftPoint::CLabelWithLeftPoint(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    updateMargins();
}

void CLabelWithLeftPoint::updateMargins()
{
    // The point sits on the leading side, so its space follows the layout direction.
    if (layoutDirection() == Qt::RightToLeft)
        setContentsMargins(0, 0, kPointSpace, 0);
    else
        setContentsMargins(kPointSpace, 0, 0, 0);
}

void CLabelWithLeftPoint::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        updateMargins();
}

void CLabelWithLeftPoint::setLeftPointVisible(bool visible)
{
    if (m_pointVisible == visible)
        return;
    m_pointVisible = visible;
    update();
}

void CLabelWithLeftPoint::setPointColor(const QColor &color)
{
    m_pointColor = color;
    update();
}

QColor CLabelWithLeftPoint::pointColor() const
{
    return m_pointColor.isValid() ? m_pointColor : SkinPalette::current().accent;
}

void CLabelWithLeftPoint::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_pointVisible)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pointColor());
    // Centred on the first text line, whatever the label's alignment.
    const int lineCenter = (alignment() & Qt::AlignTop)
                               ? fontMetrics().height() / 2 + contentsRect().top()
                               : height() / 2;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const qreal x = rtl ? width() - 1.0 - PointDiameter : 1.0;
    painter.drawEllipse(QRectF(x, lineCenter - PointDiameter / 2.0, PointDiameter, PointDiameter));
}

} // namespace QorvaGUIToolkit
