#include "AddBlackWidget.h"

#include "BlackListRules.h"

#include <QorvaGUIToolkit/CComboBox.h>
#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CPushButton.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CStatusValidateLineEdit.h>
#include <QorvaGUIToolkit/CTextEdit.h>
#include <QorvaGUIToolkit/CToolTip.h>

#include <QButtonGroup>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace visitorclient {

namespace Rules = BlackListRules;

namespace {

const int kLabelWidth = 120;
const int kRemarkHeight = 96;

QorvaGUIToolkit::CLabelWithLeftPoint *newCaption(const QString &text, bool required,
                                                 QWidget *parent)
{
    auto *label = new QorvaGUIToolkit::CLabelWithLeftPoint(text, parent);
    label->setLeftPointVisible(required);
    label->setFixedWidth(kLabelWidth);
    return label;
}

} // namespace

AddBlackWidget::AddBlackWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AddBlackWidget"));

    m_pNameEdit = new QorvaGUIToolkit::CStatusValidateLineEdit(this);
    m_pNameEdit->setObjectName(QStringLiteral("BlackNameEdit"));
    m_pNameEdit->setValidator(new QorvaGUIToolkit::CRegExpValidator(Rules::kTextLimit, this));

    m_pMaleRadio = new QRadioButton(tr("Male"), this);
    m_pMaleRadio->setObjectName(QStringLiteral("BlackMaleRadio"));
    m_pFemaleRadio = new QRadioButton(tr("Female"), this);
    m_pFemaleRadio->setObjectName(QStringLiteral("BlackFemaleRadio"));
    auto *genderGroup = new QButtonGroup(this);
    genderGroup->addButton(m_pMaleRadio);
    genderGroup->addButton(m_pFemaleRadio);
    m_pMaleRadio->setChecked(true);

    m_pDocumentTypeCombo = new QorvaGUIToolkit::CComboBox(this);
    m_pDocumentTypeCombo->setObjectName(QStringLiteral("BlackDocumentTypeCombo"));
    m_pDocumentTypeCombo->addItem(tr("IDCard"));

    m_pIdentityEdit = new QorvaGUIToolkit::CStatusValidateLineEdit(this);
    m_pIdentityEdit->setObjectName(QStringLiteral("BlackIdNoEdit"));
    m_pIdentityEdit->setValidator(new QorvaGUIToolkit::CRegExpValidator(
        QString::fromLatin1(Rules::kIdentityPattern), Rules::kTextLimit, this));

    m_pRemarkEdit = new QorvaGUIToolkit::CTextEdit(this);
    m_pRemarkEdit->setObjectName(QStringLiteral("BlackRemarkEdit"));
    m_pRemarkEdit->SetMaxLength(Rules::kRemarkLimit);
    m_pRemarkEdit->setFixedHeight(kRemarkHeight);

    m_pConfirmBtn = new QorvaGUIToolkit::CPushButton(tr("Confirm"), this);
    m_pConfirmBtn->setObjectName(QStringLiteral("BlackConfirmBtn"));
    m_pCancelBtn = new QorvaGUIToolkit::CSecondaryButton(tr("UndoMerge"), this);
    m_pCancelBtn->setObjectName(QStringLiteral("BlackCancelBtn"));

    auto *genders = new QHBoxLayout;
    genders->setSpacing(16);
    genders->addWidget(m_pMaleRadio);
    genders->addWidget(m_pFemaleRadio);
    genders->addStretch(1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(16);
    grid->addWidget(newCaption(tr("PersonName"), true, this), 0, 0);
    grid->addWidget(m_pNameEdit, 0, 1);
    grid->addWidget(newCaption(tr("Gender"), false, this), 1, 0);
    grid->addLayout(genders, 1, 1);
    grid->addWidget(newCaption(tr("DocumentType"), false, this), 2, 0);
    grid->addWidget(m_pDocumentTypeCombo, 2, 1);
    grid->addWidget(newCaption(tr("IDNo"), true, this), 3, 0);
    grid->addWidget(m_pIdentityEdit, 3, 1);
    grid->addWidget(newCaption(tr("Remark"), false, this), 4, 0, Qt::AlignTop);
    grid->addWidget(m_pRemarkEdit, 4, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(m_pConfirmBtn);
    buttons->addWidget(m_pCancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // A tip about an empty field must not outlive the operator's correction.
    for (QLineEdit *edit : std::initializer_list<QLineEdit *>{m_pNameEdit, m_pIdentityEdit})
        connect(edit, &QLineEdit::textEdited, this, [] { QorvaGUIToolkit::CToolTip::HideText(); });
    connect(m_pConfirmBtn, &QPushButton::clicked, this, &AddBlackWidget::onConfirm);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &AddBlackWidget::onCancel);
}

BlackData AddBlackWidget::blackData() const
{
    Rules::FormInput input;
    input.name = m_pNameEdit->text();
    input.male = m_pMaleRadio->isChecked();
    input.identityType = m_pDocumentTypeCombo->currentIndex();
    input.identityCode = m_pIdentityEdit->text();
    input.remark = m_pRemarkEdit->GetText();
    return Rules::makeEntry(input, QDateTime::currentDateTime());
}

void AddBlackWidget::onConfirm()
{
    const Rules::MissingFields missing =
        Rules::missingFields(m_pNameEdit->text(), m_pIdentityEdit->text());
    if (!missing.any()) {
        emit signalConfirm();
        return;
    }
    QorvaGUIToolkit::CStatusValidateLineEdit *first = nullptr;
    for (const auto &field : {std::make_pair(missing.name, m_pNameEdit),
                              std::make_pair(missing.identityCode, m_pIdentityEdit)}) {
        if (!field.first)
            continue;
        field.second->setStatus(QorvaGUIToolkit::CStatusValidateLineEdit::Error);
        if (first == nullptr)
            first = field.second;
    }
    first->setFocus();
    QorvaGUIToolkit::CToolTip::ShowText(first->mapToGlobal(QPoint(0, 0)), tr("CannotBeEmpty"),
                                        first);
}

void AddBlackWidget::onCancel()
{
    emit signalCancel();
}

} // namespace visitorclient
