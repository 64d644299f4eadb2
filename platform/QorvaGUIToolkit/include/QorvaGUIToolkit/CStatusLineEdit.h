#pragma once
// Line edit with a display status (normal, warning, error).

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QLineEdit>

namespace QorvaGUIToolkit {

/// QLineEdit whose status is the dynamic property "status" (0 normal, 1 warning,
/// 2 error), so style sheets can match QLineEdit[status="2"]. Typing returns an error
/// or warning status to normal.
class QORVAGUITOOLKIT_EXPORT CStatusLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum Status { Normal = 0, Warning = 1, Error = 2 };

    explicit CStatusLineEdit(QWidget *parent = nullptr);

    /// Sets the status (values outside 0..2 count as Normal) and restyles the field.
    void setStatus(int status);
    int status() const;
};

} // namespace QorvaGUIToolkit
