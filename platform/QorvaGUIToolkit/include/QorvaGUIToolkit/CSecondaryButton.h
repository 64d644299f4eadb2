#pragma once
// Secondary button (Cancel, Reset, Import, Export): outlined. With setDestructive(true)
// (Delete) the outline turns the error colour on hover.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QPushButton>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CSecondaryButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool destructive READ isDestructive WRITE setDestructive)
public:
    explicit CSecondaryButton(QWidget *parent = nullptr);
    explicit CSecondaryButton(const QString &text, QWidget *parent = nullptr);

    void setDestructive(bool destructive);
    bool isDestructive() const { return m_destructive; }

private:
    bool m_destructive = false;
};

} // namespace QorvaGUIToolkit
