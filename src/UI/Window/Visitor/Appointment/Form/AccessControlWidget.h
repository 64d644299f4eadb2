#pragma once
// The access-point groups the appointment grants: a multiple choice over the server's
// groups.

#include "FormSection.h"

#include <QMap>
#include <QModelIndex>

namespace QorvaGUIToolkit {
class CMultilevelComboBox;
}

namespace visitorclient {

class AccessGroupPointModel;

class AccessControlWidget : public FormSection
{
    Q_OBJECT
public:
    explicit AccessControlWidget(QWidget *parent = nullptr);

    bool checkInput() override;
    void resetInput() override {}

    /// Reads the groups from the server again (a failed read leaves the list empty). The
    /// form reads them each time it opens: another page or client may have added groups
    /// or moved the default flag since.
    void reloadGroups();
    /// Checks exactly these groups, or the default group when guids is empty.
    void setGroups(const QString &guids);
    QString checkedGuids() const;
    QString checkedNames() const;

    AccessGroupPointModel *model() const { return m_pModel; }
    QorvaGUIToolkit::CMultilevelComboBox *box() const { return m_pBox; }

public slots:
    void onBasicSettingDataChanged() override;
    void onSelectDataChanged(QString strText);
    void onCurrentIndexChanged(QModelIndex index);
    void onCurrentIndexPressed(QModelIndex index);

private:
    QorvaGUIToolkit::CMultilevelComboBox *m_pBox;
    AccessGroupPointModel *m_pModel;
    FormField m_field;
};

} // namespace visitorclient
