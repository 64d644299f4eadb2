#pragma once
// The drawer form that adds a blacklist entry: name, gender, document type and number,
// remark. Confirm checks the two required fields; the page reads the entry and closes
// the drawer. What was typed stays for the next add.

#include "BlackData.h"

#include <QWidget>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace QorvaGUIToolkit {
class CStatusValidateLineEdit;
class CTextEdit;
} // namespace QorvaGUIToolkit

namespace visitorclient {

class AddBlackWidget : public QWidget
{
    Q_OBJECT
public:
    explicit AddBlackWidget(QWidget *parent = nullptr);

    /// The entry the form describes now, stamped with the current local time.
    BlackData blackData() const;

    QorvaGUIToolkit::CStatusValidateLineEdit *nameEdit() const { return m_pNameEdit; }
    QorvaGUIToolkit::CStatusValidateLineEdit *identityEdit() const { return m_pIdentityEdit; }

signals:
    void signalConfirm();
    void signalCancel();

public slots:
    /// Marks every empty required field, focuses the first with a tip; emits
    /// signalConfirm() only when none is empty.
    void onConfirm();
    void onCancel();

private:
    QorvaGUIToolkit::CStatusValidateLineEdit *m_pNameEdit = nullptr;
    QRadioButton *m_pMaleRadio = nullptr;
    QRadioButton *m_pFemaleRadio = nullptr;
    QComboBox *m_pDocumentTypeCombo = nullptr;
    QorvaGUIToolkit::CStatusValidateLineEdit *m_pIdentityEdit = nullptr;
    QorvaGUIToolkit::CTextEdit *m_pRemarkEdit = nullptr;
    QPushButton *m_pConfirmBtn = nullptr;
    QPushButton *m_pCancelBtn = nullptr;
};

} // namespace visitorclient
