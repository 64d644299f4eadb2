#include <QorvaGUIToolkit/CChaseDialog.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {

CChaseDialog::CChaseDialog(QWidget *parent, const QString &animationResource, const QString &text,
                           bool withStopButton)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CChaseDialog"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(240, 120);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("ChasePanel"));
    outer->addWidget(panel);

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(8);
    m_pAnimation = new QLabel(panel);
    m_pAnimation->setObjectName(QStringLiteral("ChaseAnimation"));
    m_pAnimation->setAlignment(Qt::AlignCenter);
    m_pAnimation->setFixedHeight(40);
    if (!animationResource.isEmpty() && QFile::exists(animationResource)) {
        m_pMovie = new QMovie(animationResource, QByteArray(), this);
        if (m_pMovie->isValid()) {
            m_pMovie->setScaledSize(QSize(36, 36));
            m_pAnimation->setMovie(m_pMovie);
        } else {
            delete m_pMovie;
            m_pMovie = nullptr;
        }
    }
    m_pAnimation->setVisible(m_pMovie != nullptr);
    layout->addStretch(1);
    layout->addWidget(m_pAnimation);

    m_pText = new QLabel(text, panel);
    m_pText->setObjectName(QStringLiteral("ChaseText"));
    m_pText->setAlignment(Qt::AlignCenter);
    m_pText->setWordWrap(true);
    layout->addWidget(m_pText);
    layout->addStretch(1);

    if (withStopButton) {
        m_pStop = new QPushButton(panel);
        m_pStop->setObjectName(QStringLiteral("ChaseStopButton"));
        m_pStop->setIcon(QIcon(QStringLiteral(":/QorvaGUIToolkit/Dialog/Images/Dialog/Clear.svg")));
        m_pStop->setIconSize(QSize(12, 12));
        m_pStop->setFixedSize(20, 20);
        m_pStop->setCursor(Qt::PointingHandCursor);
        m_pStop->move(240 - 26, 6);
        connect(m_pStop, &QPushButton::clicked, this, [this] {
            emit signalStopRequested();
            OnImmediatelyStopChase();
        });
    }
}

CChaseDialog::~CChaseDialog() = default;

QString CChaseDialog::text() const
{
    return m_pText->text();
}

void CChaseDialog::setText(const QString &text)
{
    m_pText->setText(text);
}

bool CChaseDialog::hasAnimation() const
{
    return m_pMovie != nullptr;
}

void CChaseDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (!visible) {
        if (m_pMovie)
            m_pMovie->stop();
        return;
    }
    if (m_pMovie)
        m_pMovie->start();
    if (m_pStop)
        m_pStop->raise();
    if (TestHooks::isEnabled())
        TestHooks::record(TestHooks::Kind::Chase, QString(), m_pText->text());
    // A stop that came before exec() (or the test policy) ends the wait as soon as the
    // dialog's event loop runs.
    if (m_stopped || TestHooks::chasePolicy() == TestHooks::ChasePolicy::AutoClose)
        QTimer::singleShot(0, this, &CChaseDialog::OnImmediatelyStopChase);
}

void CChaseDialog::OnImmediatelyStopChase()
{
    m_stopped = true;
    if (m_pMovie)
        m_pMovie->stop();
    if (isVisible())
        accept();
}

} // namespace QorvaGUIToolkit
