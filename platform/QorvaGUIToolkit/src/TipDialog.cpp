#include <QorvaGUIToolkit/TipDialog.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include "DialogChrome.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {

TipDialog::TipDialog(int pictureType, const QString &title, const QString &text, bool withCancel,
                     QWidget *parent)
    : QDialog(parent)
{
    QVBoxLayout *content =
        detail::buildDialogChrome(this, QStringLiteral("TipDialog"), title, &m_pTitle);
    setMinimumWidth(360);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("TipDialogPicture"));
    picture->setPixmap(QIcon(pictureResource(pictureType)).pixmap(32, 32));
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture, 0, Qt::AlignTop);
    m_pText = new QLabel(text, this);
    m_pText->setObjectName(QStringLiteral("TipDialogText"));
    m_pText->setWordWrap(true);
    m_pText->setMinimumHeight(40);
    m_pText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row->addWidget(m_pText, 1);
    content->addLayout(row, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    auto *ok = new QPushButton(withCancel ? tr("Confirm") : tr("OK"), this);
    ok->setObjectName(QStringLiteral("TipDialogConfirm"));
    ok->setProperty("buttonRole", QStringLiteral("primary"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    if (withCancel) {
        auto *cancel = new QPushButton(tr("Cancel"), this);
        cancel->setObjectName(QStringLiteral("TipDialogCancel"));
        cancel->setProperty("buttonRole", QStringLiteral("secondary"));
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel);
    }
    content->addLayout(buttons);
}

QString TipDialog::title() const
{
    return m_pTitle->text();
}

QString TipDialog::text() const
{
    return m_pText->text();
}

int TipDialog::showMessageInfo(const QString &title, const QString &text, QWidget *parent)
{
    return run(Question, title, text, true, parent);
}

int TipDialog::showMessageInfo(int pictureType, const QString &title, const QString &text,
                               QWidget *parent)
{
    return run(pictureType, title, text, true, parent);
}

int TipDialog::showWarnMessageInfo(const QString &title, const QString &text, QWidget *parent)
{
    return run(Warning, title, text, false, parent);
}

int TipDialog::showWarnMessageInfo(int pictureType, const QString &title, const QString &text,
                                   QWidget *parent)
{
    return run(pictureType, title, text, false, parent);
}

QString TipDialog::pictureResource(int pictureType)
{
    switch (pictureType) {
    case Success:
        return detail::messagePicture(QStringLiteral("success"));
    case Warning:
        return detail::messagePicture(QStringLiteral("warning"));
    case Question:
        return detail::messagePicture(QStringLiteral("question"));
    case Error:
        return detail::messagePicture(QStringLiteral("error"));
    default:
        return detail::messagePicture(QStringLiteral("info"));
    }
}

int TipDialog::run(int pictureType, const QString &title, const QString &text, bool withCancel,
                   QWidget *parent)
{
    const TestHooks::Kind kind = withCancel ? TestHooks::Kind::Question : TestHooks::Kind::Warning;
    const TestHooks::Answer answer = TestHooks::takeAnswer();
    if (answer != TestHooks::Answer::Show) {
        const int result = answer == TestHooks::Answer::Confirm ? 1 : 0;
        TestHooks::record(kind, title, text, result);
        return result;
    }
    TipDialog dialog(pictureType, title, text, withCancel, parent);
    const int result = dialog.exec() == QDialog::Accepted ? 1 : 0;
    TestHooks::record(kind, title, text, result);
    return result;
}

} // namespace QorvaGUIToolkit
