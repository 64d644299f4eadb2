#pragma once
// The tool-menu window: the framework's resource groups with their doors, as the
// encoding devices see them. A line under the tree says when there is nothing to show.

#include <clientcommonlogical/IDataSource.h>

#include <QWidget>

#include <memory>

class QLabel;
class QTreeView;

namespace qorva7310 {
class IGroupManager;
}

namespace UiDataController {
class CEncodeLogicModel;
}

namespace visitorclient {

class CToolMenu : public QWidget
{
    Q_OBJECT
public:
    /// groupManager: where the tree's data comes from (the window resource manager's
    /// shared one).
    explicit CToolMenu(std::shared_ptr<qorva7310::IGroupManager> groupManager,
                       QWidget *parent = nullptr);
    ~CToolMenu() override;

    /// Builds the form and the tree's model; the constructor calls it.
    void init();

    /// The line under the tree for a load state and whether the tree has rows; empty
    /// when the tree speaks for itself.
    static QString statusText(qorva7310::LoadState state, bool hasRows);

private:
    void onDataUpdated();

    std::shared_ptr<qorva7310::IGroupManager> m_pGroupManager;
    QTreeView *m_pTreeView = nullptr;
    QLabel *m_pStatusLabel = nullptr;
    UiDataController::CEncodeLogicModel *m_pModel = nullptr;
    bool m_bExpanded = false;
};

} // namespace visitorclient
