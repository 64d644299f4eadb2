#pragma once
// The appointment import drawer. The list page creates it, tells it how many rows may
// still be added, receives the checked rows as one batch and asks it to show what the
// file refused. Reading the workbook and checking its cells come with the import itself;
// until then the drawer offers no file and sends no batch.

#include <UI/Window/Visitor/Appointment/Data/AppointmentInfoData.h>

#include <QWidget>

class QPushButton;

namespace visitorclient {

class ImportWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ImportWidget(QWidget *parent = nullptr);

    /// Rows the next import may add (10000 minus the server's total).
    void setMaxCount(int count);
    int maxCount() const { return m_iMaxCount; }
    /// After the page sent a batch: lists the refused cells of the file, when any.
    void showImportResult();

signals:
    void signalCancel();
    void signalImportData(QVector<AppointmentInfoData> vsData);

private:
    int m_iMaxCount = 0;
    QPushButton *m_pCancelBtn = nullptr;
};

} // namespace visitorclient
