#pragma once
// The toolkit's combo box.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QComboBox>

namespace QorvaGUIToolkit {

/// QComboBox with a list-view popup (so style sheets reach the items) and object name
/// "CComboBox". The wheel changes the choice only when the box has focus, so scrolling
/// a form does not change fields by accident.
class QORVAGUITOOLKIT_EXPORT CComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CComboBox(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace QorvaGUIToolkit
