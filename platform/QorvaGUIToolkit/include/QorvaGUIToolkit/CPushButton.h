#pragma once
// Primary button (Save, Confirm, Search): filled with the accent colour. Styled by the
// skin as "QorvaGUIToolkit--CPushButton".

#include <QPushButton>

namespace QorvaGUIToolkit {

class CPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CPushButton(QWidget *parent = nullptr);
    explicit CPushButton(const QString &text, QWidget *parent = nullptr);
};

} // namespace QorvaGUIToolkit
