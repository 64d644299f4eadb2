#pragma once
// A small confirm frame: a content area, a text line and the Confirm / cancel buttons.
// What the buttons do is up to the user of the frame.

#include <QWidget>

class QLabel;
class QPushButton;

namespace visitorclient {

class BaseWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BaseWidget(QWidget *parent = nullptr);

    QWidget *contentWidget() const { return m_pContent; }
    QLabel *textLabel() const { return m_pText; }
    /// Hidden at construction; users put extra controls into it.
    QWidget *extraWidget() const { return m_pExtra; }
    QPushButton *confirmButton() const { return m_pConfirm; }
    QPushButton *cancelButton() const { return m_pCancel; }

private:
    QWidget *m_pContent;
    QLabel *m_pText;
    QWidget *m_pExtra;
    QPushButton *m_pConfirm;
    QPushButton *m_pCancel;
};

} // namespace visitorclient
