#pragma once
// Item delegate of the toolkit's views: draws the clickable icon of role 436.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QStyledItemDelegate>

class QAbstractItemView;

namespace QorvaGUIToolkit {

/// Paints cells as QStyledItemDelegate does, plus the clickable icon held under
/// ItemClickableIconRole (436), 16 px, left-aligned after the pixmap spacing and
/// vertically centred. A left click on the icon emits SignalClicked(index, 436); a tool
/// tip over it shows ItemIconToolTipRole (466). GUI thread only.
class QORVAGUITOOLKIT_EXPORT CTableDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int IconSize = 16;

    explicit CTableDelegate(QObject *parent = nullptr);

    /// Space in pixels between the cell's left edge and the icon (default 8).
    void SetPixmapSpacing(int spacing);
    int PixmapSpacing() const { return m_pixmapSpacing; }

    /// Where the clickable icon of index sits inside cellRect; null when the index has none.
    QRect IconRect(const QRect &cellRect, const QModelIndex &index) const;
    /// The icon of role 436 as a pixmap (QPixmap, QIcon, QImage or a resource path);
    /// null when the role holds nothing usable.
    static QPixmap ClickableIcon(const QModelIndex &index);

    /// Sets the viewport cursor of view for pos: the cursor of role 426 (pointing hand
    /// by default) over a clickable icon, the normal cursor elsewhere.
    static void UpdateHoverCursor(QAbstractItemView *view, const QPoint &viewportPos);
    /// The index whose clickable icon lies under pos in view's viewport, else invalid.
    static QModelIndex ClickableIconAt(QAbstractItemView *view, const QPoint &viewportPos);
    /// Icon under a left-button press, to be kept until the release; invalid otherwise.
    static QPersistentModelIndex IconPressed(QAbstractItemView *view, const QMouseEvent *event);
    /// The icon clicked by this release: press and release must hit the same icon.
    /// Clears pressed; invalid when the release is no click.
    static QModelIndex IconReleased(QAbstractItemView *view, const QMouseEvent *event,
                                    QPersistentModelIndex &pressed);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

signals:
    void SignalClicked(const QModelIndex &index, QorvaGUIToolkit::CItemDataRole role);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    int m_pixmapSpacing = 8;
};

} // namespace QorvaGUIToolkit
