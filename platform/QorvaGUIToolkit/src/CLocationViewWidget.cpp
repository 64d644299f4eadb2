#include <QorvaGUIToolkit/CLocationViewWidget.h>

#include <QorvaGUIToolkit/CTreeView.h>
#include <QorvaGUIToolkit/CVerScrollBar.h>

#include <QAction>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {

CLocationViewWidget::CLocationViewWidget(QWidget *parent)
    : QWidget(parent)
    , m_pProxy(new QSortFilterProxyModel(this))
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
    layout->addWidget(m_pView, 1);

    connect(m_pSearch, &QLineEdit::textChanged, this, &CLocationViewWidget::setFilterText);
    connect(m_pView, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { emit signalClicked(toSource(index)); });
    connect(m_pView, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { emit signalDoubleClicked(toSource(index)); });
    connect(m_pView, &CTreeView::SignalClicked, this,
            [this](const QModelIndex &index, CItemDataRole role) { emit SignalClicked(toSource(index), role); });
}

void CLocationViewWidget::setModel(QAbstractItemModel *model)
{
    m_pModel = model;
    m_pProxy->setSourceModel(model);
    m_pView->setModel(m_pProxy);
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
