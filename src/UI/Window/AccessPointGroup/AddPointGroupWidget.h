#pragma once
// The access-point group editor shown in the page's drawer: name, description, three
// options and the doors, picked from the area/door tree into the selected list. It never
// calls the server; the page takes group() on signalSave().

#include "AccessGroupData.h"

#include <UI/Window/Application/BaseWidget.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QHash>
#include <QIcon>
#include <QModelIndex>
#include <QStringList>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QStandardItem;
class QStandardItemModel;

namespace qorva7310 {
class IGroupManager;
}

namespace UiDataController {
class CCheckedGroupModel;
}

namespace QorvaGUIToolkit {
class CLocationViewWidget;
class CTreeViewModel;
class CValidateLineEditEx;
} // namespace QorvaGUIToolkit

namespace visitorclient {

class AddPointGroupWidget : public BaseWidget
{
    Q_OBJECT
public:
    enum SelectedColumn { SelectedNameColumn = 0, SelectedRemoveColumn, SelectedColumnCount };

    /// groupManager: the resource groups and doors to pick from; null creates the
    /// client-common group manager, which loads them from the server.
    explicit AddPointGroupWidget(std::shared_ptr<qorva7310::IGroupManager> groupManager = nullptr,
                                 QWidget *parent = nullptr);
    ~AddPointGroupWidget() override;

    void setDefaultGroupAllowed(bool allowed);
    void setExistingNames(const QStringList &names);
    /// Shows group for editing (an empty record for a new group). Lets the event loop run
    /// before every 32nd door so that a large group keeps the window answering.
    void setGroup(const groupData &group);
    /// The group built by the last successful onSave.
    groupData group() const { return m_group; }
    QString editedGuid() const { return m_strGuid; }

    /// Identifiers of the listed doors, in list order.
    QStringList selectedDoorIds() const;
    /// How often the last setGroup let the event loop run.
    int lastFillYields() const { return m_iFillYields; }

    // For tests and the UI driver.
    UiDataController::CCheckedGroupModel *doorTreeModel() const { return m_pTreeModel; }
    QorvaGUIToolkit::CLocationViewWidget *doorTree() const { return m_pTree; }
    QorvaGUIToolkit::CTreeViewModel *selectedModel() const { return m_pSelectedModel; }
    QorvaGUIToolkit::CLocationViewWidget *selectedList() const { return m_pSelectedList; }
    QorvaGUIToolkit::CValidateLineEditEx *nameEdit() const { return m_pNameEdit; }
    QorvaGUIToolkit::CValidateLineEditEx *descriptionEdit() const { return m_pDescriptionEdit; }
    QCheckBox *defaultGroupBox() const { return m_pDefaultBox; }
    QCheckBox *idCardBox() const { return m_pIdCardBox; }
    QCheckBox *qrCodeV2Box() const { return m_pQrCodeBox; }
    QLabel *countLabel() const { return m_pCountLabel; }

signals:
    void signalCancel();
    void signalSave();

public slots:
    void onDeleteDoorItem(const QModelIndex &miIndex, QorvaGUIToolkit::CItemDataRole enumTypeRole);
    void clearCheckedDoors();
    void onClearSelectDoors();
    void onClickedDoorItem(const QModelIndex &);
    void onSave();

private:
    struct SelectedDoor
    {
        QString strDoorId;
        QString strName;
        QString strAreaId;
        QString strDeviceId;
        int iDoorNo = 0;
    };
    QList<QStandardItem *> selectedRow(const SelectedDoor &door) const;
    void appendSelected(const QVector<SelectedDoor> &doors);
    /// Removes the listed rows of these doors (contiguous runs at a time).
    void removeSelected(const QSet<QString> &doorIds);
    void updateCount();
    void tickListedDoors();
    void showFieldTip(QWidget *field, const QString &text);
    SelectedDoor doorFromTree(const QModelIndex &index) const;

    std::shared_ptr<qorva7310::IGroupManager> m_pGroupManager;
    QorvaGUIToolkit::CValidateLineEditEx *m_pNameEdit = nullptr;
    QorvaGUIToolkit::CValidateLineEditEx *m_pDescriptionEdit = nullptr;
    QCheckBox *m_pDefaultBox = nullptr;
    QCheckBox *m_pIdCardBox = nullptr;
    QCheckBox *m_pQrCodeBox = nullptr;
    UiDataController::CCheckedGroupModel *m_pTreeModel = nullptr;
    QorvaGUIToolkit::CLocationViewWidget *m_pTree = nullptr;
    QorvaGUIToolkit::CTreeViewModel *m_pSelectedModel = nullptr;
    QorvaGUIToolkit::CLocationViewWidget *m_pSelectedList = nullptr;
    QLabel *m_pCountLabel = nullptr;
    QPushButton *m_pClearBtn = nullptr;

    QHash<QString, int> m_listed; // door id -> how many rows list it
    QIcon m_onlineIcon;
    QIcon m_offlineIcon;
    QString m_strGuid;
    QStringList m_existingNames;
    groupData m_group;
    int m_iFillYields = 0;
    int m_iFillGeneration = 0;
    bool m_bFilling = false;
};

} // namespace visitorclient
