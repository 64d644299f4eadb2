#include <QorvaGUIToolkit/CHeaderView.h>
#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CTableView.h>

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace QorvaGUIToolkit {

namespace {

QToolButton *makePagerButton(const QString &objectName, const QString &icon, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

CMultiPageServerTableView::CMultiPageServerTableView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CMultiPageServerTableView"));
    m_pageSizes = {PageItem30, PageItem50, PageItem100, PageItem200, PageItem500};

    m_pTableView = new CTableView(this);
    m_pBottom = new QWidget(this);
    m_pBottom->setObjectName(QStringLiteral("PagerBar"));

    m_pTotalLabel = new QLabel(m_pBottom);
    m_pTotalLabel->setObjectName(QStringLiteral("PagerTotalLabel"));
    m_pPageSizeCombo = new QComboBox(m_pBottom);
    m_pPageSizeCombo->setObjectName(QStringLiteral("PagerPageSizeCombo"));
    m_pPageSizeCombo->setView(new QListView(m_pPageSizeCombo)); // lets style sheets reach items
    m_pFirstButton =
        makePagerButton(QStringLiteral("PagerFirstButton"),
                        QStringLiteral(":/QorvaGUIToolkit/Views/images/PageFirst.svg"), m_pBottom);
    m_pPreviousButton = makePagerButton(
        QStringLiteral("PagerPreviousButton"),
        QStringLiteral(":/QorvaGUIToolkit/Views/images/PagePrevious.svg"), m_pBottom);
    m_pNextButton =
        makePagerButton(QStringLiteral("PagerNextButton"),
                        QStringLiteral(":/QorvaGUIToolkit/Views/images/PageNext.svg"), m_pBottom);
    m_pLastButton =
        makePagerButton(QStringLiteral("PagerLastButton"),
                        QStringLiteral(":/QorvaGUIToolkit/Views/images/PageLast.svg"), m_pBottom);
    m_pPageLabel = new QLabel(m_pBottom);
    m_pPageLabel->setObjectName(QStringLiteral("PagerPageLabel"));
    m_pGoLabel = new QLabel(m_pBottom);
    m_pGoLabel->setObjectName(QStringLiteral("PagerGoLabel"));
    m_pPageEdit = new QLineEdit(m_pBottom);
    m_pPageEdit->setObjectName(QStringLiteral("PagerPageEdit"));
    m_pPageEdit->setFixedWidth(56);
    m_pPageEdit->setAlignment(Qt::AlignCenter);
    m_pPageEdit->setMaxLength(9);
    m_pPageEdit->setValidator(new QIntValidator(1, INT_MAX, m_pPageEdit));

    auto *bottomLayout = new QHBoxLayout(m_pBottom);
    bottomLayout->setContentsMargins(0, 8, 0, 0);
    bottomLayout->setSpacing(8);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(m_pTotalLabel);
    bottomLayout->addWidget(m_pPageSizeCombo);
    bottomLayout->addWidget(m_pFirstButton);
    bottomLayout->addWidget(m_pPreviousButton);
    bottomLayout->addWidget(m_pPageLabel);
    bottomLayout->addWidget(m_pNextButton);
    bottomLayout->addWidget(m_pLastButton);
    bottomLayout->addWidget(m_pGoLabel);
    bottomLayout->addWidget(m_pPageEdit);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pTableView, 1);
    layout->addWidget(m_pBottom);

    connect(m_pFirstButton, &QToolButton::clicked, this, [this] { goToPage(1); });
    connect(m_pPreviousButton, &QToolButton::clicked, this,
            [this] { goToPage(effectivePage() - 1); });
    connect(m_pNextButton, &QToolButton::clicked, this, [this] { goToPage(effectivePage() + 1); });
    connect(m_pLastButton, &QToolButton::clicked, this, [this] { goToPage(getTotalPage()); });
    connect(m_pPageSizeCombo, QOverload<int>::of(&QComboBox::activated), this,
            &CMultiPageServerTableView::onPageSizeActivated);
    connect(m_pPageEdit, &QLineEdit::returnPressed, this,
            &CMultiPageServerTableView::onPageEntered);
    connect(m_pTableView->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CMultiPageServerTableView::SignalTableHeaderClicked);

    retranslate();
}

void CMultiPageServerTableView::SetModel(QAbstractItemModel *model)
{
    m_pTableView->setModel(model);
}

void CMultiPageServerTableView::SetSupportPageItemType(const QList<int> &pageSizes)
{
    QList<int> sizes;
    for (int size : pageSizes) {
        if (size > 0 && !sizes.contains(size))
            sizes << size;
    }
    if (sizes.isEmpty())
        return;
    m_pageSizes = sizes;
    {
        std::lock_guard<std::mutex> locker(m_mutex);
        if (!m_pageSizes.contains(m_pageSize))
            m_pageSize = m_pageSizes.first();
    }
    fillPageSizeCombo();
    refreshPager();
}

void CMultiPageServerTableView::SetSortingEnabled(bool enable, int order)
{
    QHeaderView *header = m_pTableView->horizontalHeader();
    header->setSortIndicator(header->sortIndicatorSection(), order == Qt::DescendingOrder
                                                                 ? Qt::DescendingOrder
                                                                 : Qt::AscendingOrder);
    m_pTableView->setSortingEnabled(enable);
}

void CMultiPageServerTableView::SetFilterCondition(int total, int page, int pageSize)
{
    {
        std::lock_guard<std::mutex> locker(m_mutex);
        m_total = qMax(0, total);
        m_page = qMax(0, page);
        if (pageSize > 0)
            m_pageSize = pageSize;
    }
    // Pages report the answer of a worker-thread load from that thread: the numbers are
    // stored at once, the widgets follow on the GUI thread. The queued call names the method
    // and carries nothing of ours: a functor built here would reach the GUI thread through
    // Qt's event queue, whose locking ThreadSanitizer cannot see.
    if (QThread::currentThread() == thread())
        applyCondition();
    else
        QMetaObject::invokeMethod(this, "applyCondition", Qt::QueuedConnection);
}

void CMultiPageServerTableView::applyCondition()
{
    const int pageSize = currentPageSize();
    if (!m_pageSizes.contains(pageSize)) {
        m_pageSizes << pageSize;
        std::sort(m_pageSizes.begin(), m_pageSizes.end());
    }
    fillPageSizeCombo();
    refreshPager();
}

int CMultiPageServerTableView::currentPageSize() const
{
    std::lock_guard<std::mutex> locker(m_mutex);
    return m_pageSize;
}

void CMultiPageServerTableView::GetFilterCondition(int &total, int &page, int &pageSize) const
{
    std::lock_guard<std::mutex> locker(m_mutex);
    total = m_total;
    page = m_page;
    pageSize = m_pageSize;
}

int CMultiPageServerTableView::getTotalPage() const
{
    std::lock_guard<std::mutex> locker(m_mutex);
    if (m_pageSize <= 0 || m_total <= 0)
        return 0;
    return static_cast<int>((static_cast<qint64>(m_total) + m_pageSize - 1) / m_pageSize);
}

void CMultiPageServerTableView::HideBottom()
{
    m_pBottom->hide();
}

void CMultiPageServerTableView::ShowBottom()
{
    m_pBottom->show();
}

bool CMultiPageServerTableView::IsBottomVisible() const
{
    return !m_pBottom->isHidden();
}

int CMultiPageServerTableView::effectivePage() const
{
    const int pages = getTotalPage();
    if (pages == 0)
        return 0;
    std::lock_guard<std::mutex> locker(m_mutex);
    return qBound(1, m_page, pages);
}

void CMultiPageServerTableView::goToPage(int page)
{
    const int pages = getTotalPage();
    if (pages == 0)
        return;
    page = qBound(1, page, pages);
    int pageSize = 0;
    {
        std::lock_guard<std::mutex> locker(m_mutex);
        if (page == m_page)
            return;
        m_page = page;
        pageSize = m_pageSize;
    }
    refreshPager();
    emit SiganlFilterConditionChanged(pageSize, page);
}

void CMultiPageServerTableView::onPageSizeActivated(int comboIndex)
{
    const int size = m_pPageSizeCombo->itemData(comboIndex).toInt();
    {
        std::lock_guard<std::mutex> locker(m_mutex);
        if (size <= 0 || size == m_pageSize)
            return;
        m_pageSize = size;
        // The old page number means other rows at the new size: start again at the top.
        m_page = 1;
    }
    refreshPager();
    emit SiganlFilterConditionChanged(size, 1);
}

void CMultiPageServerTableView::onPageEntered()
{
    bool ok = false;
    const qlonglong wanted = m_pPageEdit->text().trimmed().toLongLong(&ok);
    m_pPageEdit->clear();
    const int pages = getTotalPage();
    if (!ok || pages == 0)
        return;
    goToPage(static_cast<int>(qBound<qlonglong>(1, wanted, pages)));
}

void CMultiPageServerTableView::fillPageSizeCombo()
{
    const QSignalBlocker blocker(m_pPageSizeCombo);
    m_pPageSizeCombo->clear();
    for (int size : qAsConst(m_pageSizes))
        m_pPageSizeCombo->addItem(tr("%1/page").arg(size), size);
    m_pPageSizeCombo->setCurrentIndex(m_pPageSizeCombo->findData(currentPageSize()));
}

void CMultiPageServerTableView::refreshPager()
{
    const int pages = getTotalPage();
    const int current = effectivePage();
    int total = 0, page = 0, pageSize = 0;
    GetFilterCondition(total, page, pageSize);
    m_pTotalLabel->setText(tr("Total %1").arg(total));
    m_pPageLabel->setText(QStringLiteral("%1/%2").arg(current).arg(pages));
    m_pFirstButton->setEnabled(current > 1);
    m_pPreviousButton->setEnabled(current > 1);
    m_pNextButton->setEnabled(current < pages);
    m_pLastButton->setEnabled(current < pages);
    m_pPageEdit->setEnabled(pages > 1);
    const int index = m_pPageSizeCombo->findData(pageSize);
    if (index >= 0 && index != m_pPageSizeCombo->currentIndex()) {
        const QSignalBlocker blocker(m_pPageSizeCombo);
        m_pPageSizeCombo->setCurrentIndex(index);
    }
}

void CMultiPageServerTableView::retranslate()
{
    m_pFirstButton->setToolTip(tr("First page"));
    m_pPreviousButton->setToolTip(tr("Previous page"));
    m_pNextButton->setToolTip(tr("Next page"));
    m_pLastButton->setToolTip(tr("Last page"));
    m_pGoLabel->setText(tr("Go to"));
    fillPageSizeCombo();
    refreshPager();
}

void CMultiPageServerTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace QorvaGUIToolkit
