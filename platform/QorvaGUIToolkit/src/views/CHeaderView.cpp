#include <QorvaGUIToolkit/CHeaderView.h>
#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QToolTip>

namespace QorvaGUIToolkit {

CHeaderView::CHeaderView(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setObjectName(QStringLiteral("CHeaderView"));
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (orientation == Qt::Horizontal)
        setMinimumHeight(32);
    connect(this, &QHeaderView::sectionClicked, this, &CHeaderView::onSectionClicked);
}

void CHeaderView::setModel(QAbstractItemModel *newModel)
{
    for (const auto &connection : qAsConst(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    QHeaderView::setModel(newModel);
    if (!newModel)
        return;
    // Row insertions come one by one while a page fills its model: gather them into one
    // pass so filling n rows stays linear.
    auto sync = [this] {
        if (m_syncPending)
            return;
        m_syncPending = true;
        QTimer::singleShot(0, this, [this] {
            m_syncPending = false;
            syncHeaderState();
        });
    };
    m_modelConnections << connect(
        newModel, &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex &, const QModelIndex &, const QVector<int> &roles) {
            if (roles.isEmpty() || roles.contains(Qt::CheckStateRole))
                syncHeaderState();
        });
    m_modelConnections << connect(newModel, &QAbstractItemModel::rowsInserted, this, sync);
    m_modelConnections << connect(newModel, &QAbstractItemModel::rowsRemoved, this, sync);
    m_modelConnections << connect(newModel, &QAbstractItemModel::modelReset, this, sync);
    m_modelConnections << connect(newModel, &QAbstractItemModel::layoutChanged, this, sync);
    syncHeaderState();
}

bool CHeaderView::HasCheckBox(int section) const
{
    return model() && section >= 0 && section < count() &&
           model()->headerData(section, orientation(), HeaderCheckBoxRole).toBool();
}

Qt::CheckState CHeaderView::CheckState(int section) const
{
    if (!model())
        return Qt::Unchecked;
    const QVariant state = model()->headerData(section, orientation(), Qt::CheckStateRole);
    return state.isValid() ? static_cast<Qt::CheckState>(state.toInt()) : Qt::Unchecked;
}

void CHeaderView::SetAllChecked(int section, bool checked)
{
    QAbstractItemModel *m = model();
    if (!m || section < 0)
        return;
    const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
    const bool horizontal = orientation() == Qt::Horizontal;
    const int lines = horizontal ? m->rowCount() : m->columnCount();
    m_bulkUpdate = true;
    for (int i = 0; i < lines; ++i) {
        const QModelIndex index = horizontal ? m->index(i, section) : m->index(section, i);
        if ((index.flags() & Qt::ItemIsUserCheckable) && (index.flags() & Qt::ItemIsEnabled) &&
            index.data(Qt::CheckStateRole).toInt() != state)
            m->setData(index, state, Qt::CheckStateRole);
    }
    m_bulkUpdate = false;
    m->setHeaderData(section, orientation(), state, Qt::CheckStateRole);
    viewport()->update();
}

void CHeaderView::onSectionClicked(int section)
{
    if (!HasCheckBox(section))
        return;
    SetAllChecked(section, CheckState(section) != Qt::Checked);
}

void CHeaderView::syncHeaderState()
{
    QAbstractItemModel *m = model();
    if (m_bulkUpdate || !m)
        return;
    const bool horizontal = orientation() == Qt::Horizontal;
    const int sections = horizontal ? m->columnCount() : m->rowCount();
    const int lines = horizontal ? m->rowCount() : m->columnCount();
    for (int section = 0; section < sections; ++section) {
        if (!HasCheckBox(section))
            continue;
        int checkable = 0;
        int ticked = 0;
        for (int i = 0; i < lines; ++i) {
            const QModelIndex index = horizontal ? m->index(i, section) : m->index(section, i);
            if (!(index.flags() & Qt::ItemIsUserCheckable))
                continue;
            ++checkable;
            if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked)
                ++ticked;
        }
        Qt::CheckState state = Qt::Unchecked;
        if (checkable > 0 && ticked == checkable)
            state = Qt::Checked;
        else if (ticked > 0)
            state = Qt::PartiallyChecked;
        if (CheckState(section) != state) {
            m_bulkUpdate = true;
            m->setHeaderData(section, orientation(), state, Qt::CheckStateRole);
            m_bulkUpdate = false;
        }
    }
    viewport()->update();
}

QRect CHeaderView::checkBoxRect(const QRect &sectionRect) const
{
    // Same place as the check boxes of the rows below, so the column lines up.
    QStyleOptionViewItem option;
    option.initFrom(this);
    option.rect = sectionRect;
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

bool CHeaderView::IsSectionTextElided(int section) const
{
    if (!model() || section < 0 || section >= count() || isSectionHidden(section))
        return false;
    return sectionSizeFromContents(section).width() > sectionSize(section);
}

bool CHeaderView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && model()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int section = logicalIndexAt(help->pos());
        if (section >= 0 &&
            !model()->headerData(section, orientation(), Qt::ToolTipRole).isValid()) {
            if (IsSectionTextElided(section))
                QToolTip::showText(help->globalPos(),
                                   model()->headerData(section, orientation()).toString(), this);
            else
                QToolTip::hideText();
            return true;
        }
    }
    return QHeaderView::viewportEvent(event);
}

void CHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (!HasCheckBox(logicalIndex))
        return;
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = checkBoxRect(rect);
    switch (CheckState(logicalIndex)) {
    case Qt::Checked:
        option.state |= QStyle::State_On;
        break;
    case Qt::PartiallyChecked:
        option.state |= QStyle::State_NoChange;
        break;
    default:
        option.state |= QStyle::State_Off;
        break;
    }
    option.state |= QStyle::State_Enabled;
    // Drawn as the view's own check boxes are, so style-sheet rules for the view's
    // indicators (checked, indeterminate) give the header box the same look.
    QWidget *styledAs = parentWidget() ? parentWidget() : const_cast<CHeaderView *>(this);
    styledAs->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, styledAs);
}

} // namespace QorvaGUIToolkit
