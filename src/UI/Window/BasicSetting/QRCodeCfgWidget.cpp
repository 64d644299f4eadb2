#include "QRCodeCfgWidget.h"

#include "QRCodeCfgRules.h"

#include <UI/Window/Application/WaitingRunner.h>

#include <JSONStruct/device/QRCodeEncryptionCfg.h>

#include <CommunicationLayer/QRCodeCfgInterface.h>

#include <UiDataController/CCheckedDeviceManagerModel.h>
#include <UiDataController/ErrorInfoMgr.h>
#include <UiDataController/InformationMgr.h>

#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CPushButton.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CStatusValidateLineEdit.h>
#include <QorvaGUIToolkit/CToolTip.h>
#include <QorvaGUIToolkit/CTreeView.h>

#include <clientcommonlogical/DeviceManagerDelegate.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

namespace visitorclient {

namespace Rules = QRCodeCfgRules;

namespace {

const int kLabelWidth = 140;
const int kFieldWidth = 360;
const int kTreeHeight = 320;

QorvaGUIToolkit::CStatusValidateLineEdit *newKeyEdit(const QString &name, QWidget *page)
{
    auto *edit = new QorvaGUIToolkit::CStatusValidateLineEdit(page);
    edit->setObjectName(name);
    edit->setFixedWidth(kFieldWidth);
    edit->setValidator(new QorvaGUIToolkit::CRegExpValidator(Rules::kKeyLength, page));
    return edit;
}

} // namespace

const std::vector<int> &QRCodeCfgWidget::deviceTypes()
{
    static const std::vector<int> types{108, 109, 102};
    return types;
}

QRCodeCfgWidget::QRCodeCfgWidget(QWidget *parent,
                                 std::shared_ptr<qorva7310::IAbstractDeviceManager> devices)
    : Widget(parent), m_pDeviceManager(std::move(devices))
{
    setObjectName(QStringLiteral("QRCodeCfgWidget"));
    buildForm();
    if (!m_pDeviceManager)
        m_pDeviceManager = std::make_shared<clientcommonlogical::CDeviceManagerDelegate>();
    UiDataController::VideoDeviceNodeParam param;
    param.iCheckable = 1;
    param.vecDeviceType = deviceTypes();
    m_pDeviceModel =
        new UiDataController::CCheckedDeviceManagerModel(param, m_pDeviceManager, this);
    m_pDeviceTree->setModel(m_pDeviceModel);
    m_pDeviceTree->setHeaderHidden(true);

    // A tip about the last refused input must not outlive the operator's correction.
    for (QLineEdit *edit : std::initializer_list<QLineEdit *>{m_pKeyEdit, m_pVectorEdit})
        connect(edit, &QLineEdit::textEdited, this, [] { QorvaGUIToolkit::CToolTip::HideText(); });
    connect(m_pSaveBtn, &QPushButton::clicked, this, &QRCodeCfgWidget::onSave);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QRCodeCfgWidget::onCancel);
    m_pCancelBtn->hide();
    m_bBuilt = true;
    applyPermission();
}

QRCodeCfgWidget::~QRCodeCfgWidget() = default;

void QRCodeCfgWidget::buildForm()
{
    auto *title = new QLabel(tr("Qorva-7310_Client.QRCodeCfg.name"), this);
    title->setObjectName(QStringLiteral("QRTitleLabel"));

    auto *keyLabel =
        new QorvaGUIToolkit::CLabelWithLeftPoint(tr("Qorva-7310_Client.encryptionKey.name"), this);
    auto *vectorLabel =
        new QorvaGUIToolkit::CLabelWithLeftPoint(tr("Qorva-7310_Client.encryptionVey.name"), this);
    auto *deviceLabel = new QorvaGUIToolkit::CLabelWithLeftPoint(tr("SelectDevice"), this);
    for (QorvaGUIToolkit::CLabelWithLeftPoint *label : {keyLabel, vectorLabel, deviceLabel}) {
        label->setLeftPointVisible(true);
        label->setFixedWidth(kLabelWidth);
    }
    m_pKeyEdit = newKeyEdit(QStringLiteral("QRKeyEdit"), this);
    m_pVectorEdit = newKeyEdit(QStringLiteral("QRVectorEdit"), this);
    m_pKeyEdit->setPlaceholderText(tr("KeyPlaceholder"));
    m_pVectorEdit->setPlaceholderText(tr("KeyPlaceholder"));
    keyLabel->setObjectName(QStringLiteral("QRKeyLabel"));
    vectorLabel->setObjectName(QStringLiteral("QRVectorLabel"));
    deviceLabel->setObjectName(QStringLiteral("QRDeviceLabel"));

    m_pDeviceTree = new QorvaGUIToolkit::CTreeView(this);
    m_pDeviceTree->setObjectName(QStringLiteral("QRDeviceTree"));
    m_pDeviceTree->setFixedSize(kFieldWidth, kTreeHeight);
    m_pDeviceTree->setRootIsDecorated(false);
    // One row height for every device, so the list never looks ragged.
    m_pDeviceTree->setUniformRowHeights(true);

    m_pSaveBtn = new QorvaGUIToolkit::CPushButton(tr("Save"), this);
    m_pSaveBtn->setObjectName(QStringLiteral("QRSaveBtn"));
    m_pCancelBtn = new QorvaGUIToolkit::CSecondaryButton(tr("UndoMerge"), this);
    m_pCancelBtn->setObjectName(QStringLiteral("QRCancelBtn"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    grid->addWidget(keyLabel, 0, 0);
    grid->addWidget(m_pKeyEdit, 0, 1, Qt::AlignLeft);
    grid->addWidget(vectorLabel, 1, 0);
    grid->addWidget(m_pVectorEdit, 1, 1, Qt::AlignLeft);
    grid->addWidget(deviceLabel, 2, 0, Qt::AlignTop);
    grid->addWidget(m_pDeviceTree, 2, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addSpacing(kLabelWidth + 16);
    buttons->addWidget(m_pSaveBtn);
    buttons->addWidget(m_pCancelBtn);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch(1);
}

void QRCodeCfgWidget::activatePage() {}

void QRCodeCfgWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    rememberPageEnabled(enabled);
    applyPermission();
}

void QRCodeCfgWidget::applyPermission()
{
    if (!m_bBuilt)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{m_pKeyEdit, m_pVectorEdit, m_pSaveBtn,
                                                       m_pCancelBtn, m_pDeviceTree})
        w->setEnabled(m_bPermission);
}

void QRCodeCfgWidget::refuse(QWidget *field, const QString &text)
{
    field->setFocus();
    QorvaGUIToolkit::CToolTip::ShowText(field->mapToGlobal(QPoint(0, 0)), text, field);
}

void QRCodeCfgWidget::onSave()
{
    const QString key = m_pKeyEdit->text();
    const QString vector = m_pVectorEdit->text();
    const Rules::InputError error = Rules::checkInput(key, vector);
    if (error != Rules::InputError::None) {
        QorvaGUIToolkit::CStatusValidateLineEdit *field =
            Rules::concernsKey(error) ? m_pKeyEdit : m_pVectorEdit;
        field->setStatus(QorvaGUIToolkit::CStatusValidateLineEdit::Error);
        refuse(field, tr(Rules::messageKey(error)));
        return;
    }
    m_mapCheckedDevice = Rules::checkedDevices(*m_pDeviceModel);
    if (m_mapCheckedDevice.empty()) {
        refuse(m_pDeviceTree, tr("SelectDeviceFirst"));
        return;
    }

    QorvaGUIToolkit::CToolTip::HideText();
    const std::string keyBytes = key.toStdString();
    const std::string ivBytes = vector.toStdString();
    const bool saved = runWaiting(this, tr("IsExporting"), [this, keyBytes, ivBytes] {
        QString errorText;
        return SetQRCodeParam(errorText, keyBytes, ivBytes);
    });
    if (saved)
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("SaveConfigurationSuccessfully"), this);
    else
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("SaveFailed") + m_strLastError, this, true);
}

bool QRCodeCfgWidget::SetQRCodeParam(QString &errorText, std::string key, std::string iv)
{
    for (const auto &device : m_mapCheckedDevice) {
        protocol::QRCodeEncryptionCfg cfg;
        cfg.encryptType = Rules::kEncryptType;
        cfg.key = key;
        cfg.vector = iv;
        if (commlayer::cfginterface::setQRCodeEncryptionCfg(device.first, cfg))
            continue;
        const Base::Error::ErrorCode failure = Base::Error::GetLastError();
        errorText += Rules::failurePart(
            device.second, UiDataController::CErrorInfoMgr::GetErrorInfoByCode(
                               static_cast<int>(failure.module), static_cast<int>(failure.code)));
    }
    m_strLastError = errorText;
    if (errorText.isEmpty())
        return true;
    LOG_ERROR("[2.0] SetQRCodeParam error [%s]", qUtf8Printable(errorText));
    return false;
}

void QRCodeCfgWidget::onCancel()
{
    m_pKeyEdit->setText(QString());
    m_pVectorEdit->setText(QString());
}

} // namespace visitorclient
