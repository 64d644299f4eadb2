#include "CMaintain.h"

#include <Logical/Database/TemplateStore.h>
#include <UI/Window/ToolWindow/ToolWindowStyle.h>

#include <Base/Log.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace visitorclient {

namespace {

const char kGreeting[] = "Hello,welcome to qorva7310-v3.1!";

} // namespace

CMaintain::CMaintain(QWidget *parent) : QWidget(parent)
{
    LOG_INFO("CMaintain::CMaintain");
    setObjectName(QStringLiteral("CMaintain"));
    resize(400, 210);
    setWindowTitle(QCoreApplication::translate("Maintain", "MaintainTitle"));

    m_pNameLabel = new QLabel(QCoreApplication::translate("Maintain", "MaintainTextLabel"), this);
    m_pNameLabel->setObjectName(QStringLiteral("m_pNameLabel"));
    m_pNameLabel->setGeometry(25, 40, 116, 16);
    m_pNameEdit = new QLineEdit(this);
    m_pNameEdit->setObjectName(QStringLiteral("m_pNameEdit"));
    m_pNameEdit->setGeometry(160, 35, 186, 20);
    m_pLoadBtn = new QPushButton(QCoreApplication::translate("Maintain", "MaintainLoad"), this);
    m_pLoadBtn->setObjectName(QStringLiteral("m_pLoadBtn"));
    m_pLoadBtn->setGeometry(160, 80, 75, 23);
    m_pLoadBtn->setProperty("buttonRole", QStringLiteral("secondary"));
    m_pSetBtn = new QPushButton(QCoreApplication::translate("Maintain", "Set"), this);
    m_pSetBtn->setObjectName(QStringLiteral("m_pSetBtn"));
    m_pSetBtn->setGeometry(275, 80, 75, 23);
    m_pSetBtn->setProperty("buttonRole", QStringLiteral("primary"));
    m_pStatusLabel = new QLabel(this);
    m_pStatusLabel->setObjectName(QStringLiteral("m_pStatusLabel"));
    m_pStatusLabel->setGeometry(25, 125, 350, 60);
    m_pStatusLabel->setWordWrap(true);
    m_pStatusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    applyToolWindowStyle(this);

    connect(m_pLoadBtn, &QPushButton::clicked, this, &CMaintain::onLoadBtnClicked);
    connect(m_pSetBtn, &QPushButton::clicked, this, &CMaintain::onSetBtnClicked);

    if (!CTemplateStore::isAvailable()) {
        m_pNameEdit->setEnabled(false);
        m_pLoadBtn->setEnabled(false);
        m_pSetBtn->setEnabled(false);
        showStatus(QCoreApplication::translate("Maintain", "MaintainDatabaseUnavailable"), true);
        return;
    }
    m_pStore = new CTemplateStore(this);
    connect(m_pStore, &CTemplateStore::signalInserted, this, &CMaintain::onInserted);
    connect(m_pStore, &CTemplateStore::signalSeeded, this, &CMaintain::onSeeded);
    connect(m_pStore, &CTemplateStore::signalLoaded, this, &CMaintain::onLoaded);
    // A new database starts with a greeting, so that Load always has a text to show. Only
    // then: a greeting on every start would hide the text the operator set last time.
    m_pStore->seed(QString::fromUtf8(kGreeting));
}

CMaintain::~CMaintain() = default;

void CMaintain::onLoadBtnClicked()
{
    LOG_INFO("void CMaintain::onLoadBtnClicked()");
    if (m_pStore)
        m_pStore->loadNewest(m_pNameEdit->text());
}

void CMaintain::onSetBtnClicked()
{
    LOG_INFO("void CMaintain::onSetBtnClicked()");
    if (m_pStore)
        m_pStore->insert(m_pNameEdit->text());
}

void CMaintain::onInserted(bool ok)
{
    if (ok)
        showStatus(QCoreApplication::translate("Maintain", "MaintainSaved"), false);
    else
        showStatus(QCoreApplication::translate("Maintain", "MaintainSaveFailed"), true);
}

void CMaintain::onSeeded(bool ok)
{
    if (!ok)
        showStatus(QCoreApplication::translate("Maintain", "MaintainDatabaseFailed"), true);
}

void CMaintain::onLoaded(bool ok, const QString &name)
{
    if (!ok) {
        showStatus(QCoreApplication::translate("Maintain", "MaintainLoadFailed"), true);
        return;
    }
    m_pNameEdit->setText(name);
    showStatus(QString(), false);
}

void CMaintain::showStatus(const QString &message, bool error)
{
    m_pStatusLabel->setText(message);
    m_pStatusLabel->setProperty("error", error);
    // The style sheet colours the label by its "error" property.
    m_pStatusLabel->style()->unpolish(m_pStatusLabel);
    m_pStatusLabel->style()->polish(m_pStatusLabel);
}

} // namespace visitorclient
