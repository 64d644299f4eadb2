#include <QorvaGUIToolkit/CDateTimeEdit.h>

namespace QorvaGUIToolkit {

CDateTimeEdit::CDateTimeEdit(QWidget *parent) : CDateTimeEdit(QDateTime::currentDateTime(), parent)
{}

CDateTimeEdit::CDateTimeEdit(const QDateTime &dateTime, QWidget *parent)
    : QDateTimeEdit(dateTime, parent)
{
    setObjectName(QStringLiteral("CDateTimeEdit"));
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace QorvaGUIToolkit
