#pragma once
// The maintenance window: one text kept in the component's template table. Set stores
// the text as a new row, Load shows the newest row (a greeting while nothing was set).
// Without the component database the window says so and offers nothing to click.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace visitorclient {

class CTemplateStore;

class CMaintain : public QWidget
{
    Q_OBJECT
public:
    explicit CMaintain(QWidget *parent = nullptr);
    ~CMaintain() override;

public slots:
    void onLoadBtnClicked();
    void onSetBtnClicked();

private:
    void onInserted(bool ok);
    void onSeeded(bool ok);
    void onLoaded(bool ok, const QString &name);
    void showStatus(const QString &text, bool error);

    QLabel *m_pNameLabel = nullptr;
    QLineEdit *m_pNameEdit = nullptr;
    QPushButton *m_pLoadBtn = nullptr;
    QPushButton *m_pSetBtn = nullptr;
    QLabel *m_pStatusLabel = nullptr;
    CTemplateStore *m_pStore = nullptr;
};

} // namespace visitorclient
