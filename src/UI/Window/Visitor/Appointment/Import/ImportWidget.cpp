#include "ImportWidget.h"

#include "InformationModel.h"

#include <UI/Window/Application/WaitingRunner.h>
#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/Window/Common/BatchResultDialog.h>

#include <UiDataController/InformationMgr.h>

#include <QorvaGUIToolkit/Application.h>
#include <QorvaGUIToolkit/CHyperlinkButton.h>
#include <QorvaGUIToolkit/CPathComboBox.h>
#include <QorvaGUIToolkit/CPushButton.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CToolTip.h>
#include <QorvaGUIToolkit/ConvertFromUnicode.h>

#include <comm_methodlib/UserDataPath.h>

#include <Base/DiskDriveUtil.h>
#include <Base/Log.h>

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace visitorclient {

ImportWidget::ImportWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Import_Widget"));
    registerAppointmentInfoDataMetaTypes();
    m_rules = ImportRules::rulesLines();
    m_pErrorModel = new InformationModel(this);

    m_pFileLabel = new QLabel(this);
    m_pPathBox = new QorvaGUIToolkit::CPathComboBox(this);
    m_pPathBox->setObjectName(QStringLiteral("ImportPathBox"));
    m_pPathBox->SetFileMode(QFileDialog::ExistingFile);
    m_pPathBox->SetNameFilter(QStringLiteral("xlsx ") + QStringLiteral("(*.xlsx)"));
    m_pTemplateLink = new QorvaGUIToolkit::CHyperlinkButton(this);
    m_pTemplateLink->setObjectName(QStringLiteral("ImportTemplateLink"));
    m_pRulesLabel = new QLabel(this);
    m_pRulesLabel->setObjectName(QStringLiteral("ImportRulesText"));
    m_pRulesLabel->setProperty("secondaryText", true);
    m_pRulesLabel->setWordWrap(true);
    m_pRulesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pImportBtn = new QorvaGUIToolkit::CPushButton(this);
    m_pImportBtn->setObjectName(QStringLiteral("ImportConfirmBtn"));
    m_pCancelBtn = new QorvaGUIToolkit::CSecondaryButton(this);
    m_pCancelBtn->setObjectName(QStringLiteral("ImportCancelBtn"));

    auto *fileRow = new QHBoxLayout;
    fileRow->setSpacing(8);
    fileRow->addWidget(m_pFileLabel);
    fileRow->addWidget(m_pPathBox, 1);
    auto *linkRow = new QHBoxLayout;
    linkRow->addStretch(1);
    linkRow->addWidget(m_pTemplateLink);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(m_pImportBtn);
    buttons->addWidget(m_pCancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    layout->addLayout(fileRow);
    layout->addLayout(linkRow);
    layout->addSpacing(8);
    layout->addWidget(m_pRulesLabel);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_pImportBtn, &QPushButton::clicked, this, &ImportWidget::onImportClicked);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &ImportWidget::signalCancel);
    connect(m_pTemplateLink, &QPushButton::clicked, this, &ImportWidget::onDownloadTemplate);
    retranslate();
}

void ImportWidget::setMaxCount(int count)
{
    m_iMaxCount = count;
}

QString ImportWidget::filePath() const
{
    return m_pPathBox->GetPath();
}

void ImportWidget::setFilePath(const QString &path)
{
    m_pPathBox->SetPath(path);
}

QMap<std::string, std::string> ImportWidget::getVisitReason()
{
    return ImportRules::visitReasonMap(AppointmentSettingManager::Instance().getBasicSettingData());
}

BatchResultDialog *ImportWidget::resultDialog() const
{
    return m_pResultDialog.data();
}

void ImportWidget::onImportClicked()
{
    const QString path = filePath().trimmed();
    const QPoint tipAt = m_pPathBox->mapToGlobal(QPoint(0, m_pPathBox->height()));
    if (path.isEmpty()) {
        QorvaGUIToolkit::CToolTip::ShowText(tipAt, tr("FilePathCannotBeEmpty"), m_pPathBox);
        return;
    }
    if (QorvaGUIToolkit::ConvertFromUnicode(path).size() >= ImportRules::kMaxPathBytes) {
        QorvaGUIToolkit::CToolTip::ShowText(tipAt, tr("TheSavingPathNameIsTooLongPleaseReselectIt"),
                                            m_pPathBox);
        return;
    }
    emit signalCancel();
    onImport();
}

void ImportWidget::onImport()
{
    const QString path = filePath().trimmed();
    const int maxCount = m_iMaxCount;
    const BasicSettingData settings = AppointmentSettingManager::Instance().getBasicSettingData();
    m_strImportedPath = path;
    const ImportRules::ImportResult result =
        runWaiting(this, tr("Importing"), [path, maxCount, settings] {
            return ImportRules::importFile(path, maxCount, ImportRules::backendContext(settings));
        });
    applyResult(result);
}

void ImportWidget::applyResult(const ImportRules::ImportResult &result)
{
    m_lastResult = result;
    if (result.status != ImportRules::FileStatus::Read) {
        notify(tr("TheFileIsNotAnAppointmentTemplate"), true);
        return;
    }
    QVector<InformationModel::Entry> entries;
    entries.reserve(result.errors.size());
    for (const ImportRules::CellError &error : result.errors)
        entries.append({ImportRules::cellPosition(error.row, error.column),
                        ImportRules::errorText(error.code)});
    m_pErrorModel->setEntries(entries);
    if (result.allowanceReached)
        notify(tr("ReachTheMaximumNumbekBUdAPdZ"), false);
    else if (result.batch.isEmpty() && result.errors.isEmpty())
        notify(tr("TheFileHoldsNoAppointments"), false);
    emit signalImportData(result.batch);
}

void ImportWidget::showImportResult()
{
    if (m_pErrorModel->rowCount() == 0)
        return;
    if (m_pResultDialog)
        m_pResultDialog->close();
    auto *dialog = new BatchResultDialog(m_pErrorModel, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setTitle(tr("ImportFile") + QStringLiteral(":") + m_strImportedPath);
    dialog->setSummary(tr("TheImportingResultDetailsAreDisplayedAsFollows"));
    dialog->setNote(tr("NoteTheRowNumberRefersToTheRowNumberInTheImportedFile"));
    connect(dialog, SIGNAL(destroyed(QObject *)), m_pErrorModel, SLOT(reset()));
    m_pResultDialog = dialog;
    dialog->show();
}

void ImportWidget::onDownloadTemplate()
{
    const QString startDir =
        m_strLastDownloadDir.isEmpty() ? QorvaGUIToolkit::GetTargetPath() : m_strLastDownloadDir;
    const QString drive = ImportRules::driveOf(
        startDir,
        QString::fromStdString(comm_methodlib::CUserDataPath::Instance().getOSUserPath(false)));
    unsigned long long totalMiB = 0;
    unsigned long long freeMiB = 0;
    if (!Base::DiskDriveUtil::GetLocalDriveSpace(drive.toStdString(), totalMiB, freeMiB) ||
        freeMiB < ImportRules::kMinFreeMiB) {
        notify(tr("NoEnoughHDDSpace"), true);
        return;
    }
    QString path = QFileDialog::getSaveFileName(
        this, tr("Download"),
        QDir(startDir).filePath(tr("VisitorBookingTemplarvbOpiVc") + QStringLiteral(".xlsx")),
        tr("ExportFile") + QStringLiteral(" (*.xlsx)"));
    if (path.isEmpty()) {
        notify(tr("OpeningFileFailed"), true);
        return;
    }
    if (QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".xlsx");
    m_strLastDownloadDir = QFileInfo(path).absolutePath();
    LOG_INFO("[log3.0][onDownloadTemplate] qstrSavedFilePath = %s", qUtf8Printable(path));
    QString error;
    if (!ImportRules::writeTemplate(
            path, AppointmentSettingManager::Instance().getBasicSettingData(), &error)) {
        notify(tr("OpeningFileFailed"), true);
        LOG_ERROR("[log3.0][onDownloadTemplate] qstrSavedFilePath = %s IsValid.--%s",
                  qUtf8Printable(path), qUtf8Printable(error));
        return;
    }
    notify(tr("DownloadedSuccessed"), false);
}

void ImportWidget::notify(const QString &text, bool error)
{
    UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(text, this, error, false,
                                                                          false);
}

void ImportWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_rules = ImportRules::rulesLines();
        retranslate();
    }
    QWidget::changeEvent(event);
}

void ImportWidget::retranslate()
{
    m_pFileLabel->setText(tr("ImportFile"));
    m_pPathBox->SetDialogCaption(tr("ImportFile"));
    m_pTemplateLink->setText(tr("DownloadTheTemplate"));
    m_pImportBtn->setText(tr("Import"));
    m_pCancelBtn->setText(tr("UndoMerge"));
    m_pRulesLabel->setText(m_rules.join(QLatin1Char('\n')));
}

} // namespace visitorclient
