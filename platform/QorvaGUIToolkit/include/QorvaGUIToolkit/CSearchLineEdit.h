#pragma once
// Search box of the list pages.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QLineEdit>

namespace QorvaGUIToolkit {

/// QLineEdit with a search icon, a clear button and a "Search" placeholder. Every text
/// change emits SignalFilterChanged with the new text (pages search locally, so no
/// delay is added).
class QORVAGUITOOLKIT_EXPORT CSearchLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CSearchLineEdit(QWidget *parent = nullptr);

    QString GetCurrentFilterText() const;

signals:
    void SignalFilterChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
};

} // namespace QorvaGUIToolkit
