#pragma once
// Modal wait dialog: an animation (a GIF resource) above a text, 240 x 120 px,
// centred on its parent. Its owner runs exec() while work goes on elsewhere and
// closes it with OnImmediatelyStopChase(), typically connected to a
// QFutureWatcher's finished(). A stop that arrives before exec() makes exec()
// return at once, so a fast worker cannot leave the dialog open. GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QDialog>

class QLabel;
class QMovie;
class QPushButton;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CChaseDialog : public QDialog
{
    Q_OBJECT
public:
    /// animationResource: path of a GIF (e.g. ":/QorvaGUIToolkit/Dialog/Images/Dialog/
    /// Loading.gif"); a missing one shows the text alone. withStopButton: shows a close
    /// button with which the operator may stop waiting (signalStopRequested).
    CChaseDialog(QWidget *parent, const QString &animationResource, const QString &text,
                 bool withStopButton);
    ~CChaseDialog() override;

    QString text() const;
    void setText(const QString &text);
    bool isStopped() const { return m_stopped; }
    bool hasAnimation() const;

    void setVisible(bool visible) override;

signals:
    void signalStopRequested();

public slots:
    /// Ends the wait: closes the dialog (exec() returns QDialog::Accepted).
    void OnImmediatelyStopChase();

private:
    QLabel *m_pAnimation;
    QLabel *m_pText;
    QMovie *m_pMovie = nullptr;
    QPushButton *m_pStop = nullptr;
    bool m_stopped = false;
};

} // namespace QorvaGUIToolkit
