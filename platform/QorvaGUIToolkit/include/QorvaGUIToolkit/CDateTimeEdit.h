#pragma once
// The toolkit's date-time edit.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QDateTimeEdit>

namespace QorvaGUIToolkit {

/// QDateTimeEdit with a calendar popup and the display format "yyyy-MM-dd hh:mm:ss".
class QORVAGUITOOLKIT_EXPORT CDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT
public:
    explicit CDateTimeEdit(QWidget *parent = nullptr);
    explicit CDateTimeEdit(const QDateTime &dateTime, QWidget *parent = nullptr);
};

} // namespace QorvaGUIToolkit
