#include <QorvaGUIToolkit/CInformationDlg.h>

#include <QorvaGUIToolkit/SkinPalette.h>
#include <QorvaGUIToolkit/TestHooks.h>

#include "DialogChrome.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace QorvaGUIToolkit {

namespace {

constexpr int kWidth = 320;
constexpr int kMargin = 16;

QList<QPointer<CInformationDlg>> &liveNotices()
{
    static QList<QPointer<CInformationDlg>> notices;
    return notices;
}

} // namespace

CInformationDlg::CInformationDlg(const QString &text, Level level, QWidget *parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_level(level)
{
    setObjectName(QStringLiteral("CInformationDlg"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setProperty("level", level == Error     ? QStringLiteral("error")
                         : level == Success ? QStringLiteral("success")
                                            : QStringLiteral("info"));
    setFixedWidth(kWidth);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    m_pIcon = new QLabel(this);
    m_pIcon->setObjectName(QStringLiteral("InformationIcon"));
    const QString kind = level == Error     ? QStringLiteral("error")
                         : level == Success ? QStringLiteral("success")
                                            : QStringLiteral("info");
    m_pIcon->setPixmap(QIcon(detail::messagePicture(kind)).pixmap(20, 20));
    layout->addWidget(m_pIcon, 0, Qt::AlignTop);
    m_pText = new QLabel(text, this);
    m_pText->setObjectName(QStringLiteral("InformationText"));
    m_pText->setWordWrap(true);
    layout->addWidget(m_pText, 1);
}

QString CInformationDlg::text() const
{
    return m_pText->text();
}

void CInformationDlg::setDisplayTime(int milliseconds)
{
    m_displayTime = qMax(0, milliseconds);
}

void CInformationDlg::popUp(QWidget *anchor)
{
    QScreen *screen = nullptr;
    if (anchor && anchor->window() && anchor->window()->windowHandle())
        screen = anchor->window()->windowHandle()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    adjustSize();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);

    // Stack above the notices that are still visible.
    int bottom = area.bottom() - kMargin;
    auto &live = liveNotices();
    live.removeAll(nullptr);
    for (const auto &n : live)
        if (n && n->isVisible())
            bottom = qMin(bottom, n->y() - 8);
    move(area.right() - kMargin - width(), bottom - height());
    live << this;
    show();

    QTimer::singleShot(m_displayTime, this, [this] {
        auto *effect = new QGraphicsOpacityEffect(this);
        setGraphicsEffect(effect);
        auto *fade = new QPropertyAnimation(effect, "opacity", this);
        fade->setDuration(400);
        fade->setStartValue(1.0);
        fade->setEndValue(0.0);
        connect(fade, &QPropertyAnimation::finished, this, &QWidget::close);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    });
}

CInformationDlg *CInformationDlg::ShowInformationAtScreenRightBottom(const QString &text,
                                                                     QWidget *widget, bool isError,
                                                                     bool, bool)
{
    TestHooks::record(TestHooks::Kind::Notice, QString(), text);
    auto *notice = new CInformationDlg(text, isError ? Error : Info, nullptr);
    // A notice has no parent: one still showing when the application quits would outlive it.
    if (QCoreApplication *app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, notice, &QObject::deleteLater);
    notice->popUp(widget);
    return notice;
}

int CInformationDlg::visibleCount()
{
    int count = 0;
    for (const auto &n : liveNotices())
        if (n && n->isVisible())
            ++count;
    return count;
}

} // namespace QorvaGUIToolkit
