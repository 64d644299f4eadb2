#include <QorvaGUIToolkit/CMiddleSwitchBox.h>

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

namespace QorvaGUIToolkit {

CMiddleSwitchBox::CMiddleSwitchBox(QWidget *parent) : CMiddleSwitchBox(QStringList(), parent) {}

CMiddleSwitchBox::CMiddleSwitchBox(const QStringList &items, QWidget *parent)
    : QWidget(parent), m_pGroup(new QButtonGroup(this)), m_pLayout(new QHBoxLayout(this))
{
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(0);
    m_pGroup->setExclusive(true);
    connect(m_pGroup, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == m_current)
            return;
        m_current = id;
        emit currentIndexChanged(id);
    });
    setItems(items);
}

void CMiddleSwitchBox::addItem(const QString &text)
{
    const int index = count();
    auto *button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("SwitchBoxItem"));
    button->setCheckable(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    m_pGroup->addButton(button, index);
    m_pLayout->addWidget(button);
    if (m_current < 0) {
        m_current = 0;
        button->setChecked(true);
    }
    updatePositions();
}

void CMiddleSwitchBox::setItems(const QStringList &items)
{
    for (QAbstractButton *b : m_pGroup->buttons()) {
        m_pGroup->removeButton(b);
        delete b;
    }
    m_current = -1;
    for (const QString &item : items)
        addItem(item);
}

int CMiddleSwitchBox::count() const
{
    return m_pGroup->buttons().size();
}

QString CMiddleSwitchBox::itemText(int index) const
{
    QAbstractButton *b = m_pGroup->button(index);
    return b ? b->text() : QString();
}

void CMiddleSwitchBox::setCurrentIndex(int index)
{
    QAbstractButton *b = m_pGroup->button(index);
    if (!b || index == m_current)
        return;
    b->setChecked(true);
    m_current = index;
    emit currentIndexChanged(index);
}

int CMiddleSwitchBox::currentIndex() const
{
    return m_current;
}

void CMiddleSwitchBox::updatePositions()
{
    // The style sheet rounds only the outer corners: first, middle and last differ.
    const int n = count();
    for (int i = 0; i < n; ++i) {
        QAbstractButton *b = m_pGroup->button(i);
        const QString position = n == 1       ? QStringLiteral("only")
                                 : i == 0     ? QStringLiteral("first")
                                 : i == n - 1 ? QStringLiteral("last")
                                              : QStringLiteral("middle");
        b->setProperty("position", position);
        b->style()->unpolish(b);
        b->style()->polish(b);
    }
}

} // namespace QorvaGUIToolkit
