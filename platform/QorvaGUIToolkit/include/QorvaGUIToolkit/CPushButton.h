#pragma once
// Primary button (Save, Confirm, Search): filled with the accent colour. Styled by the
// skin as "QorvaGUIToolkit--CPushButton".

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QPushButton>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CPushButton(QWidget *parent = nullptr);
    explicit CPushButton(const QString &text, QWidget *parent = nullptr);
};

} // namespace QorvaGUIToolkit
