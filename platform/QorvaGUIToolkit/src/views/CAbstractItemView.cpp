#include <QorvaGUIToolkit/CAbstractItemView.h>
#include <QorvaGUIToolkit/CHeaderView.h>
#include <QorvaGUIToolkit/CTableDelegate.h>

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace QorvaGUIToolkit {

CAbstractItemView::CAbstractItemView(QWidget *parent) : QTableView(parent)
{
    qRegisterMetaType<QorvaGUIToolkit::CItemDataRole>("QorvaGUIToolkit::CItemDataRole");
    setHorizontalHeader(new CHeaderView(Qt::Horizontal, this));
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(32);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setAlternatingRowColors(false);
    setWordWrap(false);
    setMouseTracking(true);
    m_pDelegate = new CTableDelegate(this);
    setItemDelegate(m_pDelegate);
    m_emptyText = tr("No data");
}

void CAbstractItemView::setModel(QAbstractItemModel *newModel)
{
    if (newModel == model())
        return;
    for (const auto &connection : qAsConst(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    QTableView::setModel(newModel);
    if (!newModel)
        return;
    // The empty text depends on the row count, which the base class does not repaint for.
    auto refresh = [this] { viewport()->update(); };
    m_modelConnections << connect(newModel, &QAbstractItemModel::rowsInserted, this, refresh);
    m_modelConnections << connect(newModel, &QAbstractItemModel::rowsRemoved, this, refresh);
    m_modelConnections << connect(newModel, &QAbstractItemModel::modelReset, this, refresh);
    m_modelConnections << connect(newModel, &QAbstractItemModel::layoutChanged, this, refresh);
    m_modelConnections << connect(newModel, &QAbstractItemModel::headerDataChanged, this,
                                  [this](Qt::Orientation orientation, int, int) {
                                      if (orientation == Qt::Horizontal)
                                          applyColumnWidths();
                                  });
    applyColumnWidths();
}

CHeaderView *CAbstractItemView::GetHeaderView() const
{
    return qobject_cast<CHeaderView *>(horizontalHeader());
}

void CAbstractItemView::SetEmptyText(const QString &text)
{
    m_emptyText = text;
    m_customEmptyText = true;
    viewport()->update();
}

QString CAbstractItemView::EmptyText() const
{
    return m_emptyText;
}

void CAbstractItemView::SetEmptyTextColor(const QColor &color)
{
    m_emptyTextColor = color;
    viewport()->update();
}

void CAbstractItemView::applyColumnWidths()
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

void CAbstractItemView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (model() && model()->rowCount(rootIndex()) > 0)
        return;
    QPainter painter(viewport());
    QColor color = m_emptyTextColor;
    if (!color.isValid()) {
        color = palette().color(QPalette::Text);
        color.setAlphaF(0.5);
    }
    painter.setPen(color);
    painter.drawText(viewport()->rect(), Qt::AlignCenter, m_emptyText);
}

void CAbstractItemView::mouseMoveEvent(QMouseEvent *event)
{
    CTableDelegate::UpdateHoverCursor(this, event->pos());
    QTableView::mouseMoveEvent(event);
}

void CAbstractItemView::mousePressEvent(QMouseEvent *event)
{
    m_pressedIcon = CTableDelegate::IconPressed(this, event);
    QTableView::mousePressEvent(event);
}

void CAbstractItemView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex clicked = CTableDelegate::IconReleased(this, event, m_pressedIcon);
    QTableView::mouseReleaseEvent(event);
    if (clicked.isValid())
        emit SignalClicked(clicked, ItemClickableIconRole);
}

void CAbstractItemView::leaveEvent(QEvent *event)
{
    viewport()->unsetCursor();
    QTableView::leaveEvent(event);
}

void CAbstractItemView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && !m_customEmptyText)
        m_emptyText = tr("No data");
    QTableView::changeEvent(event);
}

} // namespace QorvaGUIToolkit
