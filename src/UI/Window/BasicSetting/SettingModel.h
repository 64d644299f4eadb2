#pragma once
// The nine configurable visitor fields with a "shown" and a "required" check box each.
// A required field is always shown: ticking "required" ticks and locks "shown".

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>

#include <QStandardItemModel>

namespace visitorclient {

class SettingModel : public QStandardItemModel
{
    Q_OBJECT
public:
    enum Column { LabelColumn = 0, ShownColumn = 1, RequiredColumn = 2 };
    static constexpr int kRows = 9;

    explicit SettingModel(QObject *parent = nullptr);

    /// Shows the field settings of data. Nothing changes unless the name list holds its
    /// three entries (settings the server never stored); a row whose list is shorter keeps
    /// its boxes.
    void setSettingData(const BasicSettingData &data);
    /// Writes the 17 field lists into data: the fixed fields [1, 1, 1], each row
    /// [shown, required, locked]. Booking days and reasons are left alone.
    void getSettingData(BasicSettingData &data) const;
    /// Whether the operator may tick the boxes.
    void setPermission(bool permitted);

    /// The field list a row stands for (row 0 gender ... row 8 remark).
    static BasicSettingData::FieldMember rowField(int row);

public slots:
    void onItemChanged(QStandardItem *pItem);

private:
    /// Applies the rule of the row's required box to its shown box.
    void syncShown(int row);
};

} // namespace visitorclient
