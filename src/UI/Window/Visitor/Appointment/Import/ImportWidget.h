#pragma once
// The appointment import drawer: the operator picks a workbook and imports it, or
// downloads the template. The rows that pass every check go to the list page as one
// batch (signalImportData); the refused cells are listed by showImportResult once the
// page has sent the batch. The checks themselves live in ImportRules.

#include "ImportRules.h"

#include <UI/Window/Visitor/Appointment/Data/AppointmentInfoData.h>

#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <string>

class QLabel;
class QPushButton;

namespace QorvaGUIToolkit {
class CPathComboBox;
class CHyperlinkButton;
} // namespace QorvaGUIToolkit

namespace visitorclient {

class BatchResultDialog;
class InformationModel;

class ImportWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ImportWidget(QWidget *parent = nullptr);

    /// Rows the next import may add (10000 minus the server's total).
    void setMaxCount(int count);
    int maxCount() const { return m_iMaxCount; }
    /// After the page sent a batch: lists the refused cells of the file, when any, in a
    /// result dialog that empties the list when it closes.
    void showImportResult();

    /// Visit-reason names of the current settings with their GUIDs.
    Q_INVOKABLE QMap<std::string, std::string> getVisitReason();

    QString filePath() const;
    void setFilePath(const QString &path);
    QStringList rulesText() const { return m_rules; }
    QString lastDownloadDir() const { return m_strLastDownloadDir; }
    InformationModel *errorModel() const { return m_pErrorModel; }
    /// The open result dialog, if any.
    BatchResultDialog *resultDialog() const;
    /// What the last import read (status, batch, refused cells, timings).
    const ImportRules::ImportResult &lastResult() const { return m_lastResult; }

signals:
    void signalCancel();
    void signalImportData(QVector<AppointmentInfoData> vsData);

public slots:
    /// Checks the chosen path, closes the drawer and imports.
    void onImportClicked();
    /// Imports the chosen file on a worker behind the wait dialog, then hands the batch
    /// to the page.
    void onImport();
    void onDownloadTemplate();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void applyResult(const ImportRules::ImportResult &result);
    void notify(const QString &text, bool error);

    QorvaGUIToolkit::CPathComboBox *m_pPathBox = nullptr;
    QorvaGUIToolkit::CHyperlinkButton *m_pTemplateLink = nullptr;
    QLabel *m_pFileLabel = nullptr;
    QLabel *m_pRulesLabel = nullptr;
    QPushButton *m_pImportBtn = nullptr;
    QPushButton *m_pCancelBtn = nullptr;
    InformationModel *m_pErrorModel = nullptr;
    QPointer<BatchResultDialog> m_pResultDialog;
    QStringList m_rules;
    int m_iMaxCount = 0;
    QString m_strLastDownloadDir;
    QString m_strImportedPath;
    ImportRules::ImportResult m_lastResult;
};

} // namespace visitorclient
