#include "AdditionalInfoWidget.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/Window/Common/DisplayTexts.h>

#include <QorvaGUIToolkit/CComboBox.h>
#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <QGridLayout>
#include <QRegExpValidator>

namespace visitorclient {

namespace {

const int kTextLengths[AdditionalInfoWidget::TextRowCount] = {0, 12, 64, 16, 64, 128};
const char *const kEditNames[AdditionalInfoWidget::TextRowCount] = {
    "IdentityCodeEdit", "PlateEdit", "CompanyEdit", "BelongingsEdit", "AddressEdit", "RemarkEdit"};

} // namespace

AdditionalInfoWidget::AdditionalInfoWidget(QWidget *parent) : FormSection(parent)
{
    setObjectName(QStringLiteral("AdditionalInfo_Widget"));
    m_pTypeBox = new QorvaGUIToolkit::CComboBox;
    m_pTypeBox->setObjectName(QStringLiteral("DocumentTypeBox"));
    m_pTypeBox->setMinimumHeight(28);
    for (const auto &choice : CDisplayTexts::documentTypeChoices())
        m_pTypeBox->addItem(choice.second, choice.first);
    m_typeField = {newLabel(tr("DocumentType"), m_pTypeBox), m_pTypeBox};

    const QString labels[TextRowCount] = {tr("IdNo1Y8JOA4K"), tr("LicensePlaBBlHEgez"),
                                          tr("TheCompany"),   tr("ArticlesCarriedByEJpEumGr"),
                                          tr("Address"),      tr("Remark")};
    for (int row = 0; row < TextRowCount; ++row) {
        auto *edit = new QorvaGUIToolkit::CValidateLineEditEx;
        edit->setObjectName(QString::fromLatin1(kEditNames[row]));
        edit->setMinimumHeight(28);
        if (row == IdentityCodeRow) {
            edit->setValidator(
                new QRegExpValidator(QRegExp(QStringLiteral("^[A-Za-z0-9-]{0,32}$")), edit));
            edit->setMaxLength(18);
        } else {
            edit->setValidator(new QorvaGUIToolkit::CRegExpValidator(kTextLengths[row], edit));
        }
        m_pEdits[row] = edit;
        m_fields[row] = {newLabel(labels[row], edit), edit};
    }

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    grid->setColumnStretch(1, 1);
    grid->addWidget(m_typeField.label, 0, 0);
    grid->addWidget(m_pTypeBox, 0, 1);
    for (int row = 0; row < TextRowCount; ++row) {
        grid->addWidget(m_fields[row].label, row + 1, 0);
        grid->addWidget(m_pEdits[row], row + 1, 1);
    }
    connect(&AppointmentSettingManager::Instance(),
            &AppointmentSettingManager::signalBasicSettingDataChanged, this,
            &AdditionalInfoWidget::onBasicSettingDataChanged);
    onBasicSettingDataChanged();
}

void AdditionalInfoWidget::onBasicSettingDataChanged()
{
    using AppointmentFormRules::otherFieldState;
    const BasicSettingData data = AppointmentSettingManager::Instance().getBasicSettingData();
    m_typeField.apply(otherFieldState(data.vecIdentityType, m_typeField.state()));
    const QVector<int> *settings[TextRowCount] = {&data.vecIdentityCode, &data.vecPlateCode,
                                                  &data.vecCompany,      &data.vecBelongings,
                                                  &data.vecAddress,      &data.vecRemark};
    for (int row = 0; row < TextRowCount; ++row)
        m_fields[row].apply(otherFieldState(*settings[row], m_fields[row].state()));
}

bool AdditionalInfoWidget::checkInput()
{
    using namespace AppointmentFormRules;
    auto field = [this](const FormField &f, const QString &text) {
        return TextField{text, f.isShown(), f.isRequired()};
    };
    AdditionalInput input;
    input.documentType = field(m_typeField, m_pTypeBox->currentText());
    input.documentTypeCode = documentType();
    input.identityCode = field(m_fields[IdentityCodeRow], text(IdentityCodeRow));
    input.plate = field(m_fields[PlateRow], text(PlateRow));
    input.company = field(m_fields[CompanyRow], text(CompanyRow));
    input.belongings = field(m_fields[BelongingsRow], text(BelongingsRow));
    input.address = field(m_fields[AddressRow], text(AddressRow));
    input.remark = field(m_fields[RemarkRow], text(RemarkRow));

    switch (checkAdditional(input)) {
    case AdditionalCheck::Ok:
        return true;
    case AdditionalCheck::DocumentTypeEmpty:
        showTip(m_pTypeBox, tr("CannotBeEmpty"));
        break;
    case AdditionalCheck::IdentityCodeEmpty:
        refuseEmpty(m_pEdits[IdentityCodeRow]);
        break;
    case AdditionalCheck::IdentityCodeTooShort:
        refuseLater(m_pEdits[IdentityCodeRow], tr("InsufficientDataLength"));
        break;
    case AdditionalCheck::PlateEmpty:
        refuseEmpty(m_pEdits[PlateRow]);
        break;
    case AdditionalCheck::PlateTooLong:
        refuseLater(m_pEdits[PlateRow],
                    tr("Qorva-7310_Client.MaxLength%1bit.msg").arg(kMaxPlateBytes));
        break;
    case AdditionalCheck::CompanyEmpty:
        refuseEmpty(m_pEdits[CompanyRow]);
        break;
    case AdditionalCheck::BelongingsEmpty:
        refuseEmpty(m_pEdits[BelongingsRow]);
        break;
    case AdditionalCheck::AddressEmpty:
        refuseEmpty(m_pEdits[AddressRow]);
        break;
    case AdditionalCheck::RemarkEmpty:
        refuseEmpty(m_pEdits[RemarkRow]);
        break;
    }
    return false;
}

void AdditionalInfoWidget::resetInput()
{
    for (QLineEdit *edit : m_pEdits)
        edit->clear();
}

void AdditionalInfoWidget::setDocumentType(int code)
{
    const int index = m_pTypeBox->findData(code);
    if (index >= 0)
        m_pTypeBox->setCurrentIndex(index);
}

int AdditionalInfoWidget::documentType() const
{
    return m_pTypeBox->currentData().toInt();
}

void AdditionalInfoWidget::setText(TextRow row, const QString &text)
{
    m_pEdits[row]->setText(text);
}

QString AdditionalInfoWidget::text(TextRow row) const
{
    return m_pEdits[row]->text();
}

} // namespace visitorclient
