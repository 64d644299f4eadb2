#include "CToolMenu.h"

#include <UI/Window/ToolWindow/ToolWindowStyle.h>

#include <UiDataController/CEncodeLogicModel.h>

#include <clientcommonlogical/IGroupManager.h>

#include <Base/Log.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

namespace visitorclient {

CToolMenu::CToolMenu(std::shared_ptr<qorva7310::IGroupManager> groupManager, QWidget *parent)
    : QWidget(parent), m_pGroupManager(std::move(groupManager))
{
    LOG_INFO("CToolMenu::CToolMenu()");
    init();
}

CToolMenu::~CToolMenu() = default;

void CToolMenu::init()
{
    LOG_INFO("CToolMenu::init()");
    setObjectName(QStringLiteral("CToolMenu"));
    setWindowTitle(QCoreApplication::translate("ToolMenu", "ToolMenuTitle"));
    resize(320, 480);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    m_pTreeView = new QTreeView(this);
    m_pTreeView->setObjectName(QStringLiteral("m_pTreeView"));
    m_pTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_pTreeView, 1);
    m_pStatusLabel = new QLabel(this);
    m_pStatusLabel->setObjectName(QStringLiteral("m_pStatusLabel"));
    m_pStatusLabel->setWordWrap(true);
    layout->addWidget(m_pStatusLabel);
    applyToolWindowStyle(this);

    UiDataController::LogicNodeParam param;
    param.iShowElement = 1;
    m_pModel = new UiDataController::CEncodeLogicModel(m_pGroupManager, this, param);
    m_pTreeView->setModel(m_pModel);
    m_pTreeView->header()->hide();
    connect(m_pModel, &UiDataController::CEncodeLogicModel::signalDataUpdated, this,
            &CToolMenu::onDataUpdated);
    onDataUpdated();
}

QString CToolMenu::statusText(qorva7310::LoadState state, bool hasRows)
{
    if (hasRows)
        return state == qorva7310::LoadState::Failed
                   ? QCoreApplication::translate("ToolMenu", "ToolMenuStale")
                   : QString();
    switch (state) {
    case qorva7310::LoadState::Loaded:
        return QCoreApplication::translate("ToolMenu", "ToolMenuEmpty");
    case qorva7310::LoadState::Failed:
        return QCoreApplication::translate("ToolMenu", "ToolMenuFailed");
    default:
        return QCoreApplication::translate("ToolMenu", "ToolMenuLoading");
    }
}

void CToolMenu::onDataUpdated()
{
    const bool hasRows = m_pModel->rowCount() > 0;
    const qorva7310::LoadState state =
        m_pGroupManager ? m_pGroupManager->loadState() : qorva7310::LoadState::Failed;
    const QString text = statusText(state, hasRows);
    m_pStatusLabel->setText(text);
    m_pStatusLabel->setVisible(!text.isEmpty());
    // Open the areas once, when they first arrive; later the operator's choice stays.
    if (hasRows && !m_bExpanded) {
        m_pTreeView->expandAll();
        m_bExpanded = true;
    }
}

} // namespace visitorclient
