#pragma once
// The receptionist picker: the organisation tree with its persons, of which only
// persons can be chosen.

#include <QorvaGUIToolkit/CMultilevelComboBox.h>

namespace visitorclient {

class PersonComboBox : public QorvaGUIToolkit::CMultilevelComboBox
{
    Q_OBJECT
public:
    explicit PersonComboBox(QWidget *parent = nullptr);

    /// Only person nodes may be chosen; an organisation keeps the popup open.
    static bool isChoosable(const QModelIndex &index);

protected:
    void press(const QModelIndex &index) override;
};

} // namespace visitorclient
