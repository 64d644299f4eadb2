#pragma once
// Combo box whose popup is a tree (organisations and persons, groups).

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QComboBox>
#include <QPersistentModelIndex>

class QTreeView;

namespace QorvaGUIToolkit {

/// Combo box that picks an item anywhere in a tree model. The popup is a tree view;
/// pressing an item calls the virtual press(index), whose default makes the item
/// current, closes the popup and emits SignalCurrentIndexChanged. Subclasses override
/// press to refuse some items (call the base to accept) or to keep the popup open for
/// several choices (SetMultiSelect). The field is a read-only line edit showing the
/// current item's text, or any text set with SetText. GUI thread only.
class QORVAGUITOOLKIT_EXPORT CMultilevelComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CMultilevelComboBox(QWidget *parent = nullptr);

    /// Shows model in the popup (null clears); the current item is cleared.
    void SetModel(QAbstractItemModel *model);
    QAbstractItemModel *GetModel() const;
    /// Makes index (of the model) current and shows its text; an invalid index clears
    /// the field. Emits SignalCurrentIndexChanged when the current item changes.
    void SetCurrentIndex(const QModelIndex &index);
    QModelIndex GetCurrentIndex() const;
    /// Expands the popup tree down to index, selects it and scrolls it into view.
    void LocationModel(const QModelIndex &index);
    /// Text shown in the field (for example the joined names of a multiple choice).
    void SetText(const QString &text);
    QString GetText() const;
    /// In multi-select mode a press neither closes the popup nor changes the current
    /// item; the owner reacts to SignalCurrentIndexPressed.
    void SetMultiSelect(bool multiSelect);
    bool IsMultiSelect() const { return m_multiSelect; }
    QTreeView *GetTreeView() const { return m_pTreeView; }

    void showPopup() override;

signals:
    void SignalCurrentIndexChanged(const QModelIndex &index);
    /// An item of the popup was pressed (before press() runs).
    void SignalCurrentIndexPressed(const QModelIndex &index);

protected:
    /// Called for each item pressed in the popup.
    virtual void press(const QModelIndex &index);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void adjustPopupHeight();

    QTreeView *m_pTreeView = nullptr;
    QPersistentModelIndex m_current;
    QString m_text;
    bool m_multiSelect = false;
};

} // namespace QorvaGUIToolkit
