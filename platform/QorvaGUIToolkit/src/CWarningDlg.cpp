#include <QorvaGUIToolkit/CWarningDlg.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include "DialogChrome.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {

CWarningDlg::CWarningDlg(const QString &title, const QString &text, const QPixmap &pixmap,
                         QWidget *parent)
    : QDialog(parent)
{
    QVBoxLayout *content =
        detail::buildDialogChrome(this, QStringLiteral("CWarningDlg"), title, nullptr);
    setMinimumWidth(360);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("WarningPicture"));
    picture->setPixmap(pixmap.isNull()
                           ? QIcon(detail::messagePicture(QStringLiteral("warning"))).pixmap(32, 32)
                           : pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    row->addWidget(picture, 0, Qt::AlignTop);
    m_pText = new QLabel(text, this);
    m_pText->setObjectName(QStringLiteral("WarningText"));
    m_pText->setWordWrap(true);
    m_pText->setMinimumHeight(40);
    row->addWidget(m_pText, 1);
    content->addLayout(row, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("WarningConfirm"));
    ok->setProperty("buttonRole", QStringLiteral("primary"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    content->addLayout(buttons);
}

QString CWarningDlg::text() const
{
    return m_pText->text();
}

int CWarningDlg::ShowMessageInfo(const QString &title, const QString &text, QWidget *parent,
                                 const QPixmap &pixmap)
{
    const TestHooks::Answer answer = TestHooks::takeAnswer();
    if (answer != TestHooks::Answer::Show) {
        const int result = answer == TestHooks::Answer::Confirm ? 1 : 0;
        TestHooks::record(TestHooks::Kind::Warning, title, text, result);
        return result;
    }
    CWarningDlg dialog(title, text, pixmap, parent);
    const int result = dialog.exec() == QDialog::Accepted ? 1 : 0;
    TestHooks::record(TestHooks::Kind::Warning, title, text, result);
    return result;
}

} // namespace QorvaGUIToolkit
