#include "TitleContent.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace visitorclient {

TitleContent::TitleContent(const QString &title, QWidget *content, QWidget *parent)
    : QWidget(parent), m_pTitle(new QLabel(title)), m_pFoldBtn(new QPushButton), m_pContent(content)
{
    m_pTitle->setObjectName(QStringLiteral("SectionTitle"));
    m_pFoldBtn->setObjectName(QStringLiteral("SectionFoldBtn"));
    m_pFoldBtn->setFixedSize(16, 16);
    m_pFoldBtn->setFlat(true);
    m_pFoldBtn->setCursor(Qt::PointingHandCursor);

    auto *header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(8);
    header->addWidget(m_pTitle);
    header->addStretch(1);
    header->addWidget(m_pFoldBtn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addLayout(header);
    layout->addWidget(m_pContent);

    connect(m_pFoldBtn, &QPushButton::clicked, this, [this] { setFolded(!m_bFolded); });
    setFolded(false);
}

void TitleContent::setFolded(bool folded)
{
    m_bFolded = folded;
    m_pContent->setVisible(!folded);
    m_pFoldBtn->setStyleSheet(
        folded ? QStringLiteral("border-image:url(:/VisitorManagement/Images/button/foldup.svg)")
               : QStringLiteral("border-image:url(:/VisitorManagement/Images/button/spread.svg)"));
}

} // namespace visitorclient
