#include "ImportWidget.h"

#include <QorvaGUIToolkit/CSecondaryButton.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace visitorclient {

ImportWidget::ImportWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Import_Widget"));
    registerAppointmentInfoDataMetaTypes();
    auto *title = new QLabel(tr("ImportFile"), this);
    m_pCancelBtn = new QorvaGUIToolkit::CSecondaryButton(tr("UndoMerge"), this);
    m_pCancelBtn->setObjectName(QStringLiteral("ImportCancelBtn"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pCancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addWidget(title);
    layout->addStretch(1);
    layout->addLayout(buttons);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &ImportWidget::signalCancel);
}

void ImportWidget::setMaxCount(int count)
{
    m_iMaxCount = count;
}

void ImportWidget::showImportResult() {}

} // namespace visitorclient
