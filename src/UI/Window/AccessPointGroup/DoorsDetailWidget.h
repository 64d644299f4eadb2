#pragma once
// The doors of the selected group, with a local search over door and resource-group names.

#include "AccessGroupData.h"

#include <QWidget>

class QLabel;

namespace QorvaGUIToolkit {
class CMutilColumnFilterProxyModel;
class CSearchLineEdit;
class CTableView;
} // namespace QorvaGUIToolkit

namespace visitorclient {

class CAccessGroupDoorInfoModel;

class DoorsDetailWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DoorsDetailWidget(QWidget *parent = nullptr);

    void setGroup(const groupData &group);
    void clear();

    CAccessGroupDoorInfoModel *model() const { return m_pModel; }
    QorvaGUIToolkit::CMutilColumnFilterProxyModel *proxy() const { return m_pProxy; }
    QorvaGUIToolkit::CTableView *view() const { return m_pView; }
    QorvaGUIToolkit::CSearchLineEdit *searchEdit() const { return m_pSearchEdit; }

public slots:
    void onLocalSearch(const QString &strValue);

private:
    QLabel *m_pTitle;
    QorvaGUIToolkit::CSearchLineEdit *m_pSearchEdit;
    QorvaGUIToolkit::CTableView *m_pView;
    CAccessGroupDoorInfoModel *m_pModel;
    QorvaGUIToolkit::CMutilColumnFilterProxyModel *m_pProxy;
};

} // namespace visitorclient
