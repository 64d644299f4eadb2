#include "DialogChrome.h"

#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {
namespace detail {

namespace {

// The dialogs are frameless: dragging the title bar moves the window.
class TitleBarDragger : public QObject
{
public:
    TitleBarDragger(QWidget *titleBar, QWidget *window) : QObject(titleBar), m_pWindow(window)
    {
        titleBar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *e = static_cast<QMouseEvent *>(event);
            if (e->button() == Qt::LeftButton) {
                m_dragging = true;
                m_offset = e->globalPos() - m_pWindow->frameGeometry().topLeft();
            }
            break;
        }
        case QEvent::MouseMove:
            if (m_dragging)
                m_pWindow->move(static_cast<QMouseEvent *>(event)->globalPos() - m_offset);
            break;
        case QEvent::MouseButtonRelease:
            m_dragging = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_pWindow;
    QPoint m_offset;
    bool m_dragging = false;
};

} // namespace

QVBoxLayout *buildDialogChrome(QDialog *dialog, const QString &objectName, const QString &title,
                               QLabel **titleLabel)
{
    dialog->setObjectName(objectName);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->setWindowTitle(title);

    auto *outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(dialog);
    panel->setObjectName(QStringLiteral("DialogPanel"));
    outer->addWidget(panel);

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);

    auto *titleBar = new QFrame(panel);
    titleBar->setObjectName(QStringLiteral("DialogTitleBar"));
    titleBar->setFixedHeight(40);
    auto *titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(16, 0, 8, 0);
    new TitleBarDragger(titleBar, dialog);
    auto *label = new QLabel(title, titleBar);
    label->setObjectName(QStringLiteral("DialogTitle"));
    titleLayout->addWidget(label, 1);
    auto *close = new QPushButton(titleBar);
    close->setObjectName(QStringLiteral("DialogCloseButton"));
    close->setFixedSize(24, 24);
    close->setIcon(QIcon(QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/Clear.svg")));
    close->setIconSize(QSize(14, 14));
    close->setCursor(Qt::PointingHandCursor);
    close->setFocusPolicy(Qt::NoFocus);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    titleLayout->addWidget(close);
    panelLayout->addWidget(titleBar);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(24, 16, 24, 16);
    content->setSpacing(16);
    panelLayout->addLayout(content, 1);
    if (titleLabel)
        *titleLabel = label;
    return content;
}

QString messagePicture(const QString &kind)
{
    return QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/%1.svg").arg(kind);
}

} // namespace detail
} // namespace QorvaGUIToolkit
