#pragma once
// Line edit that tells the operator when a keystroke was refused by its validator.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QLineEdit>

namespace QorvaGUIToolkit {

/// QLineEdit that shows a tool tip at the field (and emits SignalInputRefused) when a
/// typed character is refused by the validator, instead of ignoring it silently.
class QORVAGUITOOLKIT_EXPORT CValidateLineEditEx : public QLineEdit
{
    Q_OBJECT
public:
    explicit CValidateLineEditEx(QWidget *parent = nullptr);

    /// Tool tip shown for a refused keystroke; empty shows none.
    void SetRefusedTipText(const QString &text);
    QString RefusedTipText() const;

signals:
    void SignalInputRefused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_refusedTip;
    bool m_customTip = false;
};

} // namespace QorvaGUIToolkit
