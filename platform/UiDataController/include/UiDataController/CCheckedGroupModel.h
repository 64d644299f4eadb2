#pragma once
// The resource-group tree with tick boxes (the check state is Qt::CheckStateRole, 10):
// ticking an area ticks all its elements, and an area shows partially ticked while only
// some of its elements are. Tick marks survive renames, online changes and reloads.
// GUI thread only.

#include <UiDataController/CLogicModel.h>

#include <QStringList>

namespace UiDataController {

class UIDATACONTROLLER_EXPORT CCheckedGroupModel : public CLogicModel
{
    Q_OBJECT
public:
    CCheckedGroupModel(std::shared_ptr<qorva7310::IGroupManager> groupManager,
                       QObject *parent = nullptr, const LogicNodeParam &param = LogicNodeParam());
    ~CCheckedGroupModel() override;

    /// Qt::CheckStateRole on an element sets it ticked or not (partially counts as
    /// ticked); on an area it sets all its elements. Other roles as usual.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    /// The ticked elements, in tree order.
    QStringList GetCheckedElementIDs() const;
    /// Unticks every node.
    void ClearAllChecked();

protected:
    void prepareAreaItem(QStandardItem *item) override;
    void prepareElementItem(QStandardItem *item) override;
    void areaElementsChanged(QStandardItem *areaItem) override;
};

} // namespace UiDataController
