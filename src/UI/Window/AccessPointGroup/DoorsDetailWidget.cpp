#include "DoorsDetailWidget.h"

#include "AccessGroupRules.h"
#include "CAccessGroupDoorInfoModel.h"

#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>
#include <QorvaGUIToolkit/CSearchLineEdit.h>
#include <QorvaGUIToolkit/CTableView.h>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace visitorclient {

DoorsDetailWidget::DoorsDetailWidget(QWidget *parent)
    : QWidget(parent), m_pTitle(new QLabel(tr("AccessControlPoint"), this)),
      m_pSearchEdit(new QorvaGUIToolkit::CSearchLineEdit(this)),
      m_pView(new QorvaGUIToolkit::CTableView(this)), m_pModel(new CAccessGroupDoorInfoModel(this)),
      m_pProxy(new QorvaGUIToolkit::CMutilColumnFilterProxyModel(this))
{
    setObjectName(QStringLiteral("DoorsDetail_Widget"));
    m_pTitle->setObjectName(QStringLiteral("DoorsDetailTitle"));
    m_pSearchEdit->setObjectName(QStringLiteral("DoorSearchEdit"));
    m_pView->setObjectName(QStringLiteral("DoorsDetailTable"));

    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->setSortRole(-1);
    m_pProxy->setDynamicSortFilter(false);
    m_pView->setModel(m_pProxy);
    m_pView->horizontalHeader()->setStretchLastSection(true);
    m_pView->setColumnWidth(CAccessGroupDoorInfoModel::DoorColumn, 180);

    auto *head = new QHBoxLayout;
    head->setSpacing(8);
    head->addWidget(m_pTitle);
    head->addStretch(1);
    head->addWidget(m_pSearchEdit);
    m_pSearchEdit->setFixedWidth(200);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(head);
    layout->addWidget(m_pView, 1);

    connect(m_pSearchEdit, &QorvaGUIToolkit::CSearchLineEdit::SignalFilterChanged, this,
            &DoorsDetailWidget::onLocalSearch);
    // The proxy does not filter on its own: a renamed door or area is judged again by the
    // current search once the model (connected first) has renamed its rows.
    const auto refilter = [this] { m_pProxy->SetCoustomFilter(m_pProxy->CoustomFilter()); };
    connect(m_pModel, &CAccessGroupDoorInfoModel::signalGroupNameChanged, this, refilter);
    connect(m_pModel, &CAccessGroupDoorInfoModel::signalDoorNameChanged, this, refilter);
}

void DoorsDetailWidget::setGroup(const groupData &group)
{
    m_pModel->setGroup(group);
}

void DoorsDetailWidget::clear()
{
    m_pModel->clearDoors();
}

void DoorsDetailWidget::onLocalSearch(const QString &strValue)
{
    m_pProxy->SetCoustomFilter(AccessGroupRules::searchExpression(strValue));
    m_pProxy->setFilterRegExp(QString());
    m_pView->setCurrentIndex(m_pProxy->index(0, 0));
}

} // namespace visitorclient
