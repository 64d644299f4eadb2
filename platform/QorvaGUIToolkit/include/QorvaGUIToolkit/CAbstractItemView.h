#pragma once
// Base of the toolkit's tables: clickable icons, check-box header, empty-table text.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QColor>
#include <QTableView>

namespace QorvaGUIToolkit {

class CHeaderView;
class CTableDelegate;

/// Table view with the toolkit's conventions: a CTableDelegate draws the icons of role
/// 436 and a click on one emits SignalClicked(index, ItemClickableIconRole); the cursor
/// over an icon comes from role 426; the horizontal header is a CHeaderView (check box
/// for sections with role 386) and column widths given as header data under role 388 are
/// applied when the model is set. An empty table shows a centred "No data" text.
/// Rows are selected whole, one at a time; cells are not edited in place.
class QORVAGUITOOLKIT_EXPORT CAbstractItemView : public QTableView
{
    Q_OBJECT
    /// Colour of the empty-table text; style sheets set it with qproperty-emptyTextColor.
    Q_PROPERTY(QColor emptyTextColor READ EmptyTextColor WRITE SetEmptyTextColor)
public:
    explicit CAbstractItemView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    CHeaderView *GetHeaderView() const;
    CTableDelegate *GetDelegate() const { return m_pDelegate; }
    /// Text shown over an empty table (default: the translation of "No data").
    void SetEmptyText(const QString &text);
    QString EmptyText() const;
    /// Invalid (the default) means the text colour at half strength.
    void SetEmptyTextColor(const QColor &color);
    QColor EmptyTextColor() const { return m_emptyTextColor; }

signals:
    /// The operator clicked the clickable icon (role 436) of index.
    void SignalClicked(const QModelIndex &index, QorvaGUIToolkit::CItemDataRole role);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyColumnWidths();

    CTableDelegate *m_pDelegate = nullptr;
    QList<QMetaObject::Connection> m_modelConnections;
    QString m_emptyText;
    QColor m_emptyTextColor;
    bool m_customEmptyText = false;
    QPersistentModelIndex m_pressedIcon;
};

} // namespace QorvaGUIToolkit
