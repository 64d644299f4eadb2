#pragma once
// The toolkit's modal message dialog: a title bar, a picture, a text and Confirm /
// Cancel buttons (only OK for warnings). GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QDialog>

class QLabel;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT TipDialog : public QDialog
{
    Q_OBJECT
public:
    /// Picture types of the dialog's icon.
    enum PictureType { Information = 1, Success = 2, Warning = 3, Question = 4, Error = 5 };

    /// buttons: true = Confirm and Cancel, false = OK only.
    TipDialog(int pictureType, const QString &title, const QString &text, bool withCancel,
              QWidget *parent = nullptr);

    QString title() const;
    QString text() const;

    /// Modal question with Confirm and Cancel; returns 1 when confirmed, 0 otherwise.
    /// Answered by TestHooks when a test set an answer.
    static int showMessageInfo(const QString &title, const QString &text, QWidget *parent);
    static int showMessageInfo(int pictureType, const QString &title, const QString &text,
                               QWidget *parent);
    /// Modal warning with one OK button; returns 1 when acknowledged, 0 when closed.
    static int showWarnMessageInfo(const QString &title, const QString &text, QWidget *parent);
    static int showWarnMessageInfo(int pictureType, const QString &title, const QString &text,
                                   QWidget *parent);

    /// Resource path of the icon of a picture type.
    static QString pictureResource(int pictureType);

private:
    static int run(int pictureType, const QString &title, const QString &text, bool withCancel,
                   QWidget *parent);

    QLabel *m_pTitle;
    QLabel *m_pText;
};

} // namespace QorvaGUIToolkit
