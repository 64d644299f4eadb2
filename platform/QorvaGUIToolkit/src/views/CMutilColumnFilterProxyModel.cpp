#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>

namespace QorvaGUIToolkit {

namespace {
// Deep enough for any organisation tree; stops runaway recursion in a broken model.
constexpr int MaxDepth = 64;
} // namespace

CMutilColumnFilterProxyModel::CMutilColumnFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{}

void CMutilColumnFilterProxyModel::SetCoustomFilter(const QRegExp &filter)
{
    m_filter = filter;
    invalidateFilter();
}

bool CMutilColumnFilterProxyModel::rowMatches(int sourceRow, const QModelIndex &sourceParent,
                                              int depth) const
{
    const QAbstractItemModel *source = sourceModel();
    const int columns = source->columnCount(sourceParent);
    for (int column = 0; column < columns; ++column) {
        const QModelIndex cell = source->index(sourceRow, column, sourceParent);
        if (m_filter.indexIn(cell.data(Qt::DisplayRole).toString()) >= 0)
            return true;
    }
    if (depth >= MaxDepth)
        return false;
    const QModelIndex first = source->index(sourceRow, 0, sourceParent);
    const int children = source->rowCount(first);
    for (int child = 0; child < children; ++child) {
        if (rowMatches(child, first, depth + 1))
            return true;
    }
    return false;
}

bool CMutilColumnFilterProxyModel::filterAcceptsRow(int sourceRow,
                                                    const QModelIndex &sourceParent) const
{
    if (!sourceModel())
        return false;
    if (!m_filter.pattern().isEmpty() && !rowMatches(sourceRow, sourceParent, 0))
        return false;
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

} // namespace QorvaGUIToolkit
