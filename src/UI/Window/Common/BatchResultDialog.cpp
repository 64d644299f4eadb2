#include "BatchResultDialog.h"

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CTableView.h>

#include <QAbstractItemModel>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace visitorclient {

namespace {

const char kPanelStyle[] = "QFrame#BatchResultDialogClass {\n"
                           "  border: 1px solid #36393E;\n"
                           "  border-radius: 2px;\n"
                           "}";
const char kCloseStyle[] = "border: none;\n"
                           "background-image: "
                           "url(:/QorvaGUIToolkit/Dialog/Images/Dialog/Clear.svg);";

} // namespace

BatchResultDialog::BatchResultDialog(QAbstractItemModel *model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("BatchResultDialog"));
    resize(640, 480);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("BatchResultDialogClass"));
    panel->setStyleSheet(QString::fromLatin1(kPanelStyle));
    outer->addWidget(panel);

    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->setSpacing(0);

    m_pTitleBar = new QFrame(panel);
    m_pTitleBar->setObjectName(QStringLiteral("DialogTitleBar"));
    m_pTitleBar->setFixedHeight(40);
    m_pTitleBar->installEventFilter(this);
    auto *titleLayout = new QHBoxLayout(m_pTitleBar);
    titleLayout->setContentsMargins(24, 0, 12, 0);
    m_pTitle = new QLabel(m_pTitleBar);
    m_pTitle->setObjectName(QStringLiteral("DialogTitle"));
    titleLayout->addWidget(m_pTitle, 1);
    auto *closeIcon = new QPushButton(m_pTitleBar);
    closeIcon->setObjectName(QStringLiteral("BatchResultCloseIcon"));
    closeIcon->setStyleSheet(QString::fromLatin1(kCloseStyle));
    closeIcon->setFixedSize(16, 16);
    closeIcon->setCursor(Qt::PointingHandCursor);
    closeIcon->setFocusPolicy(Qt::NoFocus);
    titleLayout->addWidget(closeIcon);
    panelLayout->addWidget(m_pTitleBar);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(24, 16, 24, 24);
    content->setSpacing(8);
    m_pSummary = new QLabel(panel);
    m_pSummary->setObjectName(QStringLiteral("BatchResultSummary"));
    m_pSummary->setWordWrap(true);
    content->addWidget(m_pSummary);
    m_pNote = new QLabel(panel);
    m_pNote->setObjectName(QStringLiteral("BatchResultNote"));
    m_pNote->setProperty("secondaryText", true);
    m_pNote->setWordWrap(true);
    content->addWidget(m_pNote);
    m_pSummary->hide();
    m_pNote->hide();

    m_pTable = new QorvaGUIToolkit::CTableView(panel);
    m_pTable->setObjectName(QStringLiteral("BatchResultTable"));
    m_pTable->verticalHeader()->hide();
    m_pTable->setModel(model);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    // A model that gives its own column widths keeps them.
    if (!model ||
        !model->headerData(0, Qt::Horizontal, QorvaGUIToolkit::HeaderColumnWidthRole).isValid())
        m_pTable->horizontalHeader()->resizeSection(0, 120);
    content->addSpacing(8);
    content->addWidget(m_pTable, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_pCloseBtn = new QorvaGUIToolkit::CSecondaryButton(panel);
    m_pCloseBtn->setObjectName(QStringLiteral("BatchResultCloseBtn"));
    buttons->addWidget(m_pCloseBtn);
    content->addSpacing(8);
    content->addLayout(buttons);
    panelLayout->addLayout(content, 1);

    connect(closeIcon, SIGNAL(clicked()), this, SLOT(close()));
    connect(m_pCloseBtn, SIGNAL(clicked()), this, SLOT(close()));
    retranslate();
}

void BatchResultDialog::setTitle(const QString &title)
{
    m_pTitle->setText(title);
    m_pTitle->setToolTip(title);
    setWindowTitle(title);
}

void BatchResultDialog::setSummary(const QString &summary)
{
    m_pSummary->setText(summary);
    // An empty line would leave a gap above the table.
    m_pSummary->setVisible(!summary.isEmpty());
}

void BatchResultDialog::setNote(const QString &note)
{
    m_pNote->setText(note);
    m_pNote->setVisible(!note.isEmpty());
}

QString BatchResultDialog::title() const
{
    return m_pTitle->text();
}

QString BatchResultDialog::summary() const
{
    return m_pSummary->text();
}

QString BatchResultDialog::note() const
{
    return m_pNote->text();
}

QAbstractItemModel *BatchResultDialog::model() const
{
    return m_pTable->model();
}

bool BatchResultDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Frameless: the title bar moves the window.
    if (watched == m_pTitleBar) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *e = static_cast<QMouseEvent *>(event);
            m_dragging = e->button() == Qt::LeftButton;
            m_dragOffset = e->globalPos() - frameGeometry().topLeft();
        } else if (event->type() == QEvent::MouseMove && m_dragging) {
            move(static_cast<QMouseEvent *>(event)->globalPos() - m_dragOffset);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_dragging = false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BatchResultDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void BatchResultDialog::retranslate()
{
    m_pCloseBtn->setText(tr("Close"));
}

} // namespace visitorclient
