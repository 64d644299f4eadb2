#include <QorvaGUIToolkit/CLocationViewWidget.h>

#include <QorvaGUIToolkit/CTreeView.h>
#include <QorvaGUIToolkit/CVerScrollBar.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {

namespace {

// Filters like QSortFilterProxyModel and gives every row the tree's row height
// (delegates take Qt::SizeHintRole as it is, whatever the style sheet says).
class LocationFilterModel : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    int rowHeight = 28;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::SizeHintRole)
            return QSortFilterProxyModel::data(index, role);
        const QVariant own = QSortFilterProxyModel::data(index, role);
        if (own.isValid())
            return own;
        const QString text = QSortFilterProxyModel::data(index, Qt::DisplayRole).toString();
        const bool hasIcon = QSortFilterProxyModel::data(index, Qt::DecorationRole).isValid();
        const int width =
            QFontMetrics(QApplication::font()).horizontalAdvance(text) + (hasIcon ? 32 : 12);
        return QSize(width, rowHeight);
    }
};

} // namespace

CLocationViewWidget::CLocationViewWidget(QWidget *parent)
    : QWidget(parent), m_pProxy(new LocationFilterModel(this))
{
    setObjectName(QStringLiteral("CLocationViewWidget"));
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    m_pSearch = new QLineEdit(this);
    m_pSearch->setObjectName(QStringLiteral("LocationSearchEdit"));
    m_pSearch->setClearButtonEnabled(true);
    m_pSearch->addAction(QIcon(QStringLiteral(":/QorvaGUIToolkit/Images/Widgets/search_dark.svg")),
                         QLineEdit::LeadingPosition);
    m_pSearch->setVisible(false);
    layout->addWidget(m_pSearch);

    m_pProxy->setRecursiveFilteringEnabled(true);
    m_pProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_pView = new CTreeView(this);
    m_pView->setObjectName(QStringLiteral("LocationTreeView"));
    m_pView->setVerticalScrollBar(new CVerScrollBar(m_pView));
    m_pView->setFrameShape(QFrame::NoFrame);
    m_pView->setUniformRowHeights(true);
    layout->addWidget(m_pView, 1);

    connect(m_pSearch, &QLineEdit::textChanged, this, &CLocationViewWidget::setFilterText);
    connect(m_pView, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { emit signalClicked(toSource(index)); });
    connect(m_pView, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit signalDoubleClicked(toSource(index)); });
    connect(m_pView, &CTreeView::SignalClicked, this,
            [this](const QModelIndex &index, CItemDataRole role) {
                emit SignalClicked(toSource(index), role);
            });
}

void CLocationViewWidget::setModel(QAbstractItemModel *model)
{
    m_pModel = model;
    m_pProxy->setSourceModel(model);
    m_pView->setModel(m_pProxy);
}

void CLocationViewWidget::setRowHeight(int height)
{
    static_cast<LocationFilterModel *>(m_pProxy)->rowHeight = qMax(16, height);
    m_pView->doItemsLayout();
}

int CLocationViewWidget::rowHeight() const
{
    return static_cast<LocationFilterModel *>(m_pProxy)->rowHeight;
}

void CLocationViewWidget::setItemDelegate(QAbstractItemDelegate *delegate)
{
    m_pView->setItemDelegate(delegate);
}

void CLocationViewWidget::setHeaderHidden(bool hidden)
{
    m_pView->setHeaderHidden(hidden);
}

void CLocationViewWidget::setSearchVisible(bool visible)
{
    m_pSearch->setVisible(visible);
    if (!visible)
        m_pSearch->clear();
}

bool CLocationViewWidget::isSearchVisible() const
{
    return !m_pSearch->isHidden();
}

void CLocationViewWidget::setSearchPlaceholder(const QString &text)
{
    m_pSearch->setPlaceholderText(text);
}

void CLocationViewWidget::setFilterText(const QString &text)
{
    if (m_pSearch->text() != text)
        m_pSearch->setText(text);
    m_pProxy->setFilterFixedString(text);
    if (!text.isEmpty())
        m_pView->expandAll();
}

QString CLocationViewWidget::filterText() const
{
    return m_pSearch->text();
}

QModelIndex CLocationViewWidget::currentIndex() const
{
    return toSource(m_pView->currentIndex());
}

void CLocationViewWidget::expandAll()
{
    m_pView->expandAll();
}

QModelIndex CLocationViewWidget::toSource(const QModelIndex &index) const
{
    return index.isValid() ? m_pProxy->mapToSource(index) : QModelIndex();
}

} // namespace QorvaGUIToolkit
