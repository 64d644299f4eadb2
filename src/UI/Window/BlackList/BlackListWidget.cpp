#include "BlackListWidget.h"

#include "AddBlackWidget.h"
#include "BlackListModel.h"
#include "BlackListRules.h"

#include <UI/resources/VisitorResources.h>

#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/TipDialog.h>

#include <Base/Log.h>

#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>

namespace visitorclient {

namespace Rules = BlackListRules;
using QorvaGUIToolkit::CMultiPageServerTableView;

BlackListWidget::BlackListWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("BlackList_Widget"));
    registerBlackDataMetaType();
}

void BlackListWidget::activatePage()
{
    if (m_bInit)
        return;
    LOG_INFO("=BlackListWidget= activated");
    m_bInit = true;
    buildPage();
}

void BlackListWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    Widget::setPageEnabled(enabled);
}

void BlackListWidget::buildPage()
{
    initVisitorResources();
    m_pAddBtn = newPageButton(ButtonKind::Primary, tr("Add"), QStringLiteral("BlackAddBtn"),
                              &BlackListWidget::onAdd);
    m_pDeleteBtn = newPageButton(ButtonKind::Destructive, tr("Delete"),
                                 QStringLiteral("BlackDeleteBtn"), &BlackListWidget::onDelete);
    m_pImportBtn = newPageButton(ButtonKind::Secondary, tr("Import"),
                                 QStringLiteral("BlackImportBtn"), &BlackListWidget::onImport);

    m_pModel = new BlackListModel(this);
    m_pSortProxy = new QSortFilterProxyModel(this);
    m_pSortProxy->setSourceModel(m_pModel);
    m_pPageProxy = new BlackListPageProxy(this);
    m_pPageProxy->setSourceModel(m_pSortProxy);

    m_pTable = new CMultiPageServerTableView(this);
    m_pTable->setObjectName(QStringLiteral("BlackListTable"));
    m_pTable->SetModel(m_pPageProxy);
    m_pTable->GetTableView()->horizontalHeader()->setStretchLastSection(true);
    m_pTable->SetSupportPageItemType(
        {CMultiPageServerTableView::PageItem30, CMultiPageServerTableView::PageItem50,
         CMultiPageServerTableView::PageItem100, CMultiPageServerTableView::PageItem200});
    m_pTable->SetSortingEnabled(true, Qt::AscendingOrder);
    // Entries stay in the order they were added until the operator sorts by a column.
    m_pTable->GetTableView()->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pSortProxy->sort(-1);
    m_pTable->SetFilterCondition(0, 0, Rules::kDefaultPageSize);

    layOutPage({m_pAddBtn, m_pDeleteBtn, m_pImportBtn}, {}, m_pTable);

    connect(m_pTable, &CMultiPageServerTableView::SiganlFilterConditionChanged, this,
            [this](int pageSize, int page) { showPage(page, pageSize); });
    refreshPage();
}

void BlackListWidget::showPage(int page, int pageSize)
{
    const int total = m_pModel->rowCount();
    const int shown = qMax(1, Rules::clampPage(total, page, pageSize));
    const Rules::PageRange range = Rules::pageRange(total, shown, pageSize);
    m_pPageProxy->setRange(range.first, range.count);
    m_pTable->SetFilterCondition(total, total == 0 ? 0 : shown, pageSize);
}

void BlackListWidget::refreshPage()
{
    int total = 0;
    int page = 0;
    int pageSize = 0;
    m_pTable->GetFilterCondition(total, page, pageSize);
    showPage(page, pageSize);
}

void BlackListWidget::onAdd()
{
    if (m_pAddWidget == nullptr) {
        m_pAddWidget = new AddBlackWidget(this);
        m_pAddWidget->hide();
        connect(m_pAddWidget, &AddBlackWidget::signalConfirm, this, &BlackListWidget::onConfirm);
        connect(m_pAddWidget, &AddBlackWidget::signalCancel, this, &BlackListWidget::onCancel);
    }
    setOverlayContent(tr("Add"), m_pAddWidget, kFormWidth);
    onShowFrame();
}

void BlackListWidget::onConfirm()
{
    m_pModel->appendEntry(m_pAddWidget->blackData());
    refreshPage();
    onHideFrame();
}

void BlackListWidget::onCancel()
{
    onHideFrame();
}

void BlackListWidget::onDelete()
{
    if (m_pModel == nullptr)
        return;
    const QList<int> rows = m_pModel->checkedRowsFromBottom();
    if (rows.isEmpty())
        return;
    if (QorvaGUIToolkit::TipDialog::showMessageInfo(4, tr("Confirm"), tr("DeleteAttendancePoint"),
                                                    this) != 1)
        return;
    m_pModel->removeRowsFromBottom(rows);
    refreshPage();
}

void BlackListWidget::onImport() {}

} // namespace visitorclient
