#include <QorvaGUIToolkit/CHeaderView.h>
#include <QorvaGUIToolkit/CTableDelegate.h>
#include <QorvaGUIToolkit/CTreeView.h>

#include <QMouseEvent>

namespace QorvaGUIToolkit {

CTreeView::CTreeView(QWidget *parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("CTreeView"));
    qRegisterMetaType<QorvaGUIToolkit::CItemDataRole>("QorvaGUIToolkit::CItemDataRole");
    setHeader(new CHeaderView(Qt::Horizontal, this));
    header()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setMouseTracking(true);
    m_pDelegate = new CTableDelegate(this);
    setItemDelegate(m_pDelegate);
}

CHeaderView *CTreeView::GetHeaderView() const
{
    return qobject_cast<CHeaderView *>(header());
}

void CTreeView::setModel(QAbstractItemModel *newModel)
{
    if (newModel == model())
        return;
    for (const auto &connection : qAsConst(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    QTreeView::setModel(newModel);
    if (!newModel)
        return;
    m_modelConnections << connect(newModel, &QAbstractItemModel::headerDataChanged, this,
                                  [this](Qt::Orientation orientation, int, int) {
                                      if (orientation == Qt::Horizontal)
                                          applyColumnWidths();
                                  });
    applyColumnWidths();
}

void CTreeView::applyColumnWidths()
{
    QAbstractItemModel *m = model();
    if (!m)
        return;
    for (int column = 0; column < m->columnCount(); ++column) {
        bool ok = false;
        const int width = m->headerData(column, Qt::Horizontal, HeaderColumnWidthRole).toInt(&ok);
        if (ok && width > 0)
            setColumnWidth(column, width);
    }
}

void CTreeView::mouseMoveEvent(QMouseEvent *event)
{
    CTableDelegate::UpdateHoverCursor(this, event->pos());
    QTreeView::mouseMoveEvent(event);
}

void CTreeView::mousePressEvent(QMouseEvent *event)
{
    m_pressedIcon = CTableDelegate::IconPressed(this, event);
    QTreeView::mousePressEvent(event);
}

void CTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex clicked = CTableDelegate::IconReleased(this, event, m_pressedIcon);
    QTreeView::mouseReleaseEvent(event);
    if (clicked.isValid())
        emit SignalClicked(clicked, ItemClickableIconRole);
}

void CTreeView::leaveEvent(QEvent *event)
{
    viewport()->unsetCursor();
    QTreeView::leaveEvent(event);
}

} // namespace QorvaGUIToolkit
