#include "InputTip.h"

#include <QorvaGUIToolkit/CStatusValidateLineEdit.h>

namespace QorvaGUIToolkit {

CStatusValidateLineEdit::CStatusValidateLineEdit(QWidget *parent) : CValidateLineEditEx(parent)
{
    setObjectName(QStringLiteral("CStatusValidateLineEdit"));
    setProperty("status", int(Normal));
    connect(this, &QLineEdit::textEdited, this, [this] { setStatus(Normal); });
}

void CStatusValidateLineEdit::setStatus(int status)
{
    detail::ApplyStatus(this, status);
}

int CStatusValidateLineEdit::status() const
{
    return property("status").toInt();
}

} // namespace QorvaGUIToolkit
