#pragma once
// Extended attributes of the visitor: identity document, plate, company, belongings,
// address and remark.

#include "FormSection.h"

class QLineEdit;

namespace QorvaGUIToolkit {
class CComboBox;
}

namespace visitorclient {

class AdditionalInfoWidget : public FormSection
{
    Q_OBJECT
public:
    explicit AdditionalInfoWidget(QWidget *parent = nullptr);

    bool checkInput() override;
    void resetInput() override;

    void setDocumentType(int code);
    int documentType() const;

    enum TextRow {
        IdentityCodeRow,
        PlateRow,
        CompanyRow,
        BelongingsRow,
        AddressRow,
        RemarkRow,
        TextRowCount
    };
    void setText(TextRow row, const QString &text);
    QString text(TextRow row) const;
    QLineEdit *edit(TextRow row) const { return m_pEdits[row]; }

public slots:
    void onBasicSettingDataChanged() override;

private:
    QorvaGUIToolkit::CComboBox *m_pTypeBox;
    FormField m_typeField;
    QLineEdit *m_pEdits[TextRowCount];
    FormField m_fields[TextRowCount];
};

} // namespace visitorclient
