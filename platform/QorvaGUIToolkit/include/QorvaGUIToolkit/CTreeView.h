#pragma once
// The toolkit's tree view.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QTreeView>

namespace QorvaGUIToolkit {

class CHeaderView;
class CTableDelegate;

/// Tree view with the conventions of CAbstractItemView: CTableDelegate icons of role
/// 436 (a click emits SignalClicked), cursor of role 426, CHeaderView header, column
/// widths from header data role 388. Not editable in place. GUI thread only.
class QORVAGUITOOLKIT_EXPORT CTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit CTreeView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    CTableDelegate *GetDelegate() const { return m_pDelegate; }
    CHeaderView *GetHeaderView() const;

signals:
    void SignalClicked(const QModelIndex &index, QorvaGUIToolkit::CItemDataRole role);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void applyColumnWidths();

    CTableDelegate *m_pDelegate = nullptr;
    QList<QMetaObject::Connection> m_modelConnections;
    QPersistentModelIndex m_pressedIcon;
};

} // namespace QorvaGUIToolkit
