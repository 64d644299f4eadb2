#include "InputTip.h"

#include <QorvaGUIToolkit/CStatusLineEdit.h>

namespace QorvaGUIToolkit {

CStatusLineEdit::CStatusLineEdit(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CStatusLineEdit"));
    setProperty("status", int(Normal));
    connect(this, &QLineEdit::textEdited, this, [this] { setStatus(Normal); });
}

void CStatusLineEdit::setStatus(int status)
{
    detail::ApplyStatus(this, status);
}

int CStatusLineEdit::status() const
{
    return property("status").toInt();
}

} // namespace QorvaGUIToolkit
