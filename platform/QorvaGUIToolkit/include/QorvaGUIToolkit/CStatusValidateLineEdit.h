#pragma once
// Validating line edit with a display status.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/CValidateLineEditEx.h>

namespace QorvaGUIToolkit {

/// CValidateLineEditEx with the status of CStatusLineEdit: dynamic property "status"
/// (0 normal, 1 warning, 2 error = error look); typing returns it to normal.
class QORVAGUITOOLKIT_EXPORT CStatusValidateLineEdit : public CValidateLineEditEx
{
    Q_OBJECT
public:
    enum Status { Normal = 0, Warning = 1, Error = 2 };

    explicit CStatusValidateLineEdit(QWidget *parent = nullptr);

    void setStatus(int status);
    int status() const;
};

} // namespace QorvaGUIToolkit
