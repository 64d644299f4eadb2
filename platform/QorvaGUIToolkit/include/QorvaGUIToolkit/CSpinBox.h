#pragma once
// The toolkit's spin box.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QSpinBox>

namespace QorvaGUIToolkit {

/// QSpinBox with object name "CSpinBox" that ignores the wheel unless focused.
class QORVAGUITOOLKIT_EXPORT CSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit CSpinBox(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace QorvaGUIToolkit
