#pragma once
// A collapsible section of the appointment form: a title, a fold button and the content.

#include <QWidget>

class QLabel;
class QPushButton;

namespace visitorclient {

class TitleContent : public QWidget
{
    Q_OBJECT
public:
    /// Takes content as the area below the title.
    TitleContent(const QString &title, QWidget *content, QWidget *parent = nullptr);

    void setFolded(bool folded);
    bool isFolded() const { return m_bFolded; }
    QWidget *content() const { return m_pContent; }

private:
    QLabel *m_pTitle;
    QPushButton *m_pFoldBtn;
    QWidget *m_pContent;
    bool m_bFolded = false;
};

} // namespace visitorclient
