#pragma once
// Toolbar command of a page (icon and text, e.g. Add, Delete, Export above a table):
// flat until hovered. setDestructive(true) gives the error colour on hover.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QPushButton>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CCommandButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool destructive READ isDestructive WRITE setDestructive)
public:
    explicit CCommandButton(QWidget *parent = nullptr);
    CCommandButton(const QString &icon, const QString &text, QWidget *parent = nullptr);

    void setDestructive(bool destructive);
    bool isDestructive() const { return m_destructive; }

private:
    bool m_destructive = false;
};

} // namespace QorvaGUIToolkit
