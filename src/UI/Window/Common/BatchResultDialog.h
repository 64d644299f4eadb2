#pragma once
// The outcome of a batch operation (an import, a batch of records): a title, a summary,
// a note and a table of what went wrong, over any item model the caller keeps. The
// dialog never owns or changes the model; callers that want the list emptied when the
// dialog goes connect its destroyed() signal themselves.

#include <QDialog>

class QAbstractItemModel;
class QLabel;
class QPushButton;

namespace QorvaGUIToolkit {
class CTableView;
}

namespace visitorclient {

class BatchResultDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BatchResultDialog(QAbstractItemModel *model, QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setSummary(const QString &summary);
    void setNote(const QString &note);

    QString title() const;
    QString summary() const;
    QString note() const;
    QAbstractItemModel *model() const;
    QorvaGUIToolkit::CTableView *tableView() const { return m_pTable; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QWidget *m_pTitleBar = nullptr;
    QLabel *m_pTitle = nullptr;
    QLabel *m_pSummary = nullptr;
    QLabel *m_pNote = nullptr;
    QorvaGUIToolkit::CTableView *m_pTable = nullptr;
    QPushButton *m_pCloseBtn = nullptr;
    QPoint m_dragOffset;
    bool m_dragging = false;
};

} // namespace visitorclient
