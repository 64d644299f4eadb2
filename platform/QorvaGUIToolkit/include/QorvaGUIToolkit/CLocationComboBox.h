#pragma once
// Tree combo box that chooses leaves only (a door, a person), never a folder.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/CMultilevelComboBox.h>

namespace QorvaGUIToolkit {

/// CMultilevelComboBox where pressing an item with children expands or collapses it
/// instead of choosing it; the popup opens with the current item located.
class QORVAGUITOOLKIT_EXPORT CLocationComboBox : public CMultilevelComboBox
{
    Q_OBJECT
public:
    explicit CLocationComboBox(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void press(const QModelIndex &index) override;
};

} // namespace QorvaGUIToolkit
