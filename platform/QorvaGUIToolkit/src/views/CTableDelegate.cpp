#include <QorvaGUIToolkit/CTableDelegate.h>

#include <QAbstractItemView>
#include <QCursor>
#include <QHelpEvent>
#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace QorvaGUIToolkit {

CTableDelegate::CTableDelegate(QObject *parent) : QStyledItemDelegate(parent)
{
    qRegisterMetaType<QorvaGUIToolkit::CItemDataRole>("QorvaGUIToolkit::CItemDataRole");
    qRegisterMetaType<QorvaGUIToolkit::CItemDataRole>("CItemDataRole");
}

void CTableDelegate::SetPixmapSpacing(int spacing)
{
    m_pixmapSpacing = qMax(0, spacing);
}

QPixmap CTableDelegate::ClickableIcon(const QModelIndex &index)
{
    if (!index.isValid())
        return {};
    const QVariant value = index.data(ItemClickableIconRole);
    switch (value.userType()) {
    case QMetaType::QPixmap:
        return value.value<QPixmap>();
    case QMetaType::QIcon: {
        const QIcon icon = value.value<QIcon>();
        return icon.isNull() ? QPixmap() : icon.pixmap(IconSize, IconSize);
    }
    case QMetaType::QImage:
        return QPixmap::fromImage(value.value<QImage>());
    case QMetaType::QString: {
        const QString path = value.toString();
        if (path.isEmpty())
            return {};
        // QIcon renders SVG at the wanted size instead of scaling a bitmap.
        const QIcon icon(path);
        return icon.isNull() ? QPixmap() : icon.pixmap(IconSize, IconSize);
    }
    default:
        return {};
    }
}

QRect CTableDelegate::IconRect(const QRect &cellRect, const QModelIndex &index) const
{
    if (ClickableIcon(index).isNull())
        return {};
    const int side = qMin(IconSize, cellRect.height());
    return QRect(cellRect.left() + m_pixmapSpacing, cellRect.top() + (cellRect.height() - side) / 2,
                 side, side);
}

void CTableDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QPixmap pixmap = ClickableIcon(index);
    if (pixmap.isNull())
        return;
    const QRect target = IconRect(option.rect, index);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(target, pixmap);
    painter->restore();
}

QSize CTableDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (!ClickableIcon(index).isNull()) {
        size.setWidth(qMax(size.width(), m_pixmapSpacing * 2 + IconSize));
        size.setHeight(qMax(size.height(), IconSize));
    }
    return size;
}

bool CTableDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            IconRect(option.rect, index).contains(mouse->pos())) {
            emit SignalClicked(index, ItemClickableIconRole);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool CTableDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                               const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event && event->type() == QEvent::ToolTip &&
        IconRect(option.rect, index).contains(event->pos())) {
        const QString tip = index.data(ItemIconToolTipRole).toString();
        if (!tip.isEmpty()) {
            QToolTip::showText(event->globalPos(), tip, view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

QPersistentModelIndex CTableDelegate::IconPressed(QAbstractItemView *view, const QMouseEvent *event)
{
    return event->button() == Qt::LeftButton
               ? QPersistentModelIndex(ClickableIconAt(view, event->pos()))
               : QPersistentModelIndex();
}

QModelIndex CTableDelegate::IconReleased(QAbstractItemView *view, const QMouseEvent *event,
                                         QPersistentModelIndex &pressed)
{
    const QPersistentModelIndex released(event->button() == Qt::LeftButton
                                             ? ClickableIconAt(view, event->pos())
                                             : QModelIndex());
    const bool clicked = released.isValid() && released == pressed;
    pressed = QPersistentModelIndex();
    return clicked ? QModelIndex(released) : QModelIndex();
}

QModelIndex CTableDelegate::ClickableIconAt(QAbstractItemView *view, const QPoint &viewportPos)
{
    if (!view)
        return {};
    const QModelIndex index = view->indexAt(viewportPos);
    if (!index.isValid())
        return {};
    const QRect cell = view->visualRect(index);
    QRect icon;
    if (auto *delegate = qobject_cast<CTableDelegate *>(view->itemDelegate(index))) {
        icon = delegate->IconRect(cell, index);
    } else {
        CTableDelegate fallback;
        icon = fallback.IconRect(cell, index);
    }
    return icon.contains(viewportPos) ? index : QModelIndex();
}

void CTableDelegate::UpdateHoverCursor(QAbstractItemView *view, const QPoint &viewportPos)
{
    if (!view)
        return;
    const QModelIndex index = ClickableIconAt(view, viewportPos);
    if (!index.isValid()) {
        view->viewport()->unsetCursor();
        return;
    }
    const QVariant cursor = index.data(ItemIconCursorRole);
    if (cursor.userType() == QMetaType::QCursor) {
        view->viewport()->setCursor(cursor.value<QCursor>());
    } else if (cursor.canConvert<int>() && cursor.toInt() >= 0 &&
               cursor.toInt() <= Qt::LastCursor && cursor.userType() != QMetaType::Bool) {
        view->viewport()->setCursor(static_cast<Qt::CursorShape>(cursor.toInt()));
    } else {
        view->viewport()->setCursor(Qt::PointingHandCursor);
    }
}

} // namespace QorvaGUIToolkit
