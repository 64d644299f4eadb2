#pragma once
// Modal warning dialog with an optional picture and one OK button. GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CWarningDlg : public QDialog
{
    Q_OBJECT
public:
    CWarningDlg(const QString &title, const QString &text, const QPixmap &pixmap,
                QWidget *parent = nullptr);

    QString text() const;

    /// Shows the warning modally; returns 1 when acknowledged with OK, 0 when closed.
    /// A null pixmap shows the toolkit's warning picture. Answered by TestHooks when a
    /// test set an answer.
    static int ShowMessageInfo(const QString &title, const QString &text, QWidget *parent,
                               const QPixmap &pixmap = QPixmap());

private:
    QLabel *m_pText;
};

} // namespace QorvaGUIToolkit
