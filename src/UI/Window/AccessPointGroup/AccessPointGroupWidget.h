#pragma once
// The access-point group page: the groups on the server, the doors of the selected one,
// the editor in the drawer, deletion of the ticked groups and the synchronisation of
// visitor rights to the devices. Server calls run on the GUI thread, as short blocking
// requests. After every change the page publishes the map of group identifiers to names.
//
// Decisions of this page:
// - The door detail is the collapsible panel of the shrink button; it starts shown.
// - The door detail asks for each resource group once per fill, not once per door.
// - Renamed doors are also written into the group records, so that a group selected or
//   edited later shows the new names.

#include "AccessGroupData.h"

#include <UI/Window/Application/Widget.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QMap>
#include <QModelIndex>

#include <memory>

class QItemSelection;
class QPushButton;
class QToolButton;
class QWidget;

namespace qorva7310 {
class IGroupManager;
}

namespace QorvaGUIToolkit {
class CTableView;
}

namespace visitorclient {

class AccessPointGroupModel;
class AddPointGroupWidget;
class DoorsDetailWidget;

class AccessPointGroupWidget : public Widget
{
    Q_OBJECT
public:
    static constexpr int kAddLogType = 9005;
    static constexpr int kModifyLogType = 9006;
    static constexpr int kDeleteLogType = 9007;
    static constexpr int kSyncLogType = 9008;
    static constexpr int kEditorWidth = 660;

    explicit AccessPointGroupWidget(QWidget *parent = nullptr);
    ~AccessPointGroupWidget() override;

    /// Builds the page and loads the groups on the first call.
    void activatePage() override;
    /// The operator's function permission: Add, Delete, synchronise and editing follow it;
    /// the list and the door detail stay readable.
    void setPageEnabled(bool enabled) override;
    bool hasPermission() const { return m_bOperation; }
    /// The doors the editor offers; without one the editor loads its own. Before the first
    /// add or edit.
    void setGroupManager(std::shared_ptr<qorva7310::IGroupManager> groupManager);

    // For tests and the UI driver; null until activated.
    AccessPointGroupModel *model() const { return m_pModel; }
    QorvaGUIToolkit::CTableView *table() const { return m_pTable; }
    DoorsDetailWidget *doorsDetail() const { return m_pDoorsDetail; }
    /// Null until the first add or edit.
    AddPointGroupWidget *editor() const { return m_pEditor; }
    QPushButton *addButton() const { return m_pAddBtn; }
    QPushButton *deleteButton() const { return m_pDeleteBtn; }
    QPushButton *synchronizeButton() const { return m_pSyncBtn; }
    QToolButton *shrinkButton() const { return m_pShrinkBtn; }
    QWidget *detailPanel() const { return m_pDetailPanel; }

signals:
    void signalAccessPointDataChanged(QMap<QString, QString> mapData);

public slots:
    void onAdd();
    void onDelete();
    void onShrink();
    void onSave();
    void onSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void onOperation(const QModelIndex &miIndex, QorvaGUIToolkit::CItemDataRole enumItemDataRole);
    void onRowDataChanged();
    void onDoubleClick(const QModelIndex &);
    void onSynPointInfo();
    void onGroupDataChanged(int iRow);

private:
    void initPage();
    void buildControls();
    void loadGroups();
    AddPointGroupWidget *ensureEditor();
    void selectRow(int row);
    void showDoorsOf(int row);
    int currentRow() const;
    void publishGroupMap();
    void applyOperation();
    void writeLog(int type, const QString &text);

    QPushButton *m_pAddBtn = nullptr;
    QPushButton *m_pDeleteBtn = nullptr;
    QPushButton *m_pSyncBtn = nullptr;
    QToolButton *m_pShrinkBtn = nullptr;
    QWidget *m_pDetailPanel = nullptr;
    QorvaGUIToolkit::CTableView *m_pTable = nullptr;
    AccessPointGroupModel *m_pModel = nullptr;
    DoorsDetailWidget *m_pDoorsDetail = nullptr;
    AddPointGroupWidget *m_pEditor = nullptr;
    std::shared_ptr<qorva7310::IGroupManager> m_pGroupManager;
    bool m_bOperation = true;
};

} // namespace visitorclient
