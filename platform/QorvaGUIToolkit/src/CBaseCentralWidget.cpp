#include <QorvaGUIToolkit/CBaseCentralWidget.h>

#include <Base/Log.h>

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {

namespace {

constexpr int kNavigationWidth = 200;

// Group row of the navigation; a group with entries shows a chevron that tells whether
// its entries are folded.
class NavigationGroupButton : public QPushButton
{
public:
    NavigationGroupButton(const QIcon &icon, const QString &text, QWidget *parent)
        : QPushButton(icon, text, parent)
    {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPushButton::paintEvent(event);
        if (!property("hasEntries").toBool())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor color = palette().color(QPalette::ButtonText);
        color.setAlpha(170);
        painter.setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const bool rtl = layoutDirection() == Qt::RightToLeft;
        const QPointF c(rtl ? 20.0 : width() - 20.0, height() / 2.0);
        QPolygonF chevron;
        if (property("expanded").toBool())
            chevron << c + QPointF(-4, -2) << c + QPointF(0, 2) << c + QPointF(4, -2);
        else
            chevron << c + QPointF(-2, -4) << c + QPointF(2, 0) << c + QPointF(-2, 4);
        painter.drawPolyline(chevron);
    }
};

void repolish(QWidget *w)
{
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
}

} // namespace

CBaseCentralWidget::CBaseCentralWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CBaseCentralWidget"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *navScroll = new QScrollArea(this);
    navScroll->setObjectName(QStringLiteral("NavigationScrollArea"));
    navScroll->setFixedWidth(kNavigationWidth);
    navScroll->setWidgetResizable(true);
    navScroll->setFrameShape(QFrame::NoFrame);
    navScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_pNavigation = new QFrame;
    m_pNavigation->setObjectName(QStringLiteral("NavigationPanel"));
    m_pNavLayout = new QVBoxLayout(m_pNavigation);
    m_pNavLayout->setContentsMargins(0, 8, 0, 8);
    m_pNavLayout->setSpacing(0);
    m_pNavLayout->addStretch(1);
    navScroll->setWidget(m_pNavigation);
    layout->addWidget(navScroll);

    m_pContent = new QStackedWidget(this);
    m_pContent->setObjectName(QStringLiteral("CentralContent"));
    layout->addWidget(m_pContent, 1);

    m_pSelection = new QButtonGroup(this);
    m_pSelection->setExclusive(true);
}

CBaseCentralWidget::~CBaseCentralWidget() = default;

void CBaseCentralWidget::setSkinType(const QString &skinType)
{
    m_skinType = skinType;
    setProperty("skinType", skinType);
    repolish(this);
}

QString CBaseCentralWidget::skinType() const
{
    return m_skinType;
}

QAbstractButton *CBaseCentralWidget::makeHeader(const QString &icon, const QString &text,
                                                bool selectable)
{
    auto *header = new NavigationGroupButton(QIcon(icon), text, m_pNavigation);
    header->setObjectName(QStringLiteral("NavigationGroup"));
    header->setIconSize(QSize(16, 16));
    header->setCursor(Qt::PointingHandCursor);
    header->setFocusPolicy(Qt::NoFocus);
    header->setFixedHeight(40);
    header->setCheckable(selectable);
    header->setProperty("expanded", true);
    return header;
}

void CBaseCentralWidget::add(const QString &normalIcon, const QString &selectedIcon,
                             const QString &groupText,
                             const QList<QPair<QString, QWidget *>> &entries)
{
    const int groupIndex = m_groups.size();
    Group group;
    group.normalIcon = normalIcon;
    group.selectedIcon = selectedIcon;
    group.text = groupText;
    group.header = makeHeader(normalIcon, groupText, false);
    group.header->setProperty("hasEntries", true);
    connect(group.header, &QAbstractButton::clicked, this,
            [this, groupIndex] { setGroupExpanded(groupIndex, !isGroupExpanded(groupIndex)); });

    group.entryBox = new QWidget(m_pNavigation);
    group.entryBox->setObjectName(QStringLiteral("NavigationEntryBox"));
    auto *boxLayout = new QVBoxLayout(group.entryBox);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(0);
    for (int i = 0; i < entries.size(); ++i) {
        Entry entry;
        entry.text = entries.at(i).first;
        entry.page = entries.at(i).second;
        auto *button = new QPushButton(entry.text, group.entryBox);
        button->setObjectName(QStringLiteral("NavigationEntry"));
        button->setCheckable(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedHeight(36);
        m_pSelection->addButton(button);
        connect(button, &QAbstractButton::clicked, this,
                [this, groupIndex, i] { select(groupIndex, i, true); });
        boxLayout->addWidget(button);
        entry.button = button;
        if (entry.page)
            m_pContent->addWidget(entry.page);
        group.entries << entry;
    }
    const int insertAt = m_pNavLayout->count() - 1; // before the stretch
    m_pNavLayout->insertWidget(insertAt, group.header);
    m_pNavLayout->insertWidget(insertAt + 1, group.entryBox);
    m_groups << group;
}

void CBaseCentralWidget::add(const QString &normalIcon, const QString &selectedIcon,
                             const QString &groupText, QWidget *page)
{
    const int groupIndex = m_groups.size();
    Group group;
    group.normalIcon = normalIcon;
    group.selectedIcon = selectedIcon;
    group.text = groupText;
    group.page = page;
    group.header = makeHeader(normalIcon, groupText, true);
    group.header->setProperty("hasEntries", false);
    m_pSelection->addButton(group.header);
    connect(group.header, &QAbstractButton::clicked, this,
            [this, groupIndex] { select(groupIndex, 0, true); });
    if (page)
        m_pContent->addWidget(page);
    m_pNavLayout->insertWidget(m_pNavLayout->count() - 1, group.header);
    m_groups << group;
}

void CBaseCentralWidget::setTriggered(int group, int entry)
{
    if (group < 0 || group >= m_groups.size()) {
        LOG_WARN("No navigation group [%d].", group);
        return;
    }
    const Group &g = m_groups.at(group);
    if (!g.entryBox)
        entry = 0;
    else if (entry < 0 || entry >= g.entries.size()) {
        LOG_WARN("No navigation entry [%d-%d].", group, entry);
        return;
    }
    select(group, entry, true);
}

void CBaseCentralWidget::select(int group, int entry, bool emitSignal)
{
    const Group &g = m_groups.at(group);
    QString text;
    QWidget *page = nullptr;
    if (g.entryBox) {
        const Entry &e = g.entries.at(entry);
        e.button->setChecked(true);
        text = e.text;
        page = e.page;
        if (!g.expanded)
            setGroupExpanded(group, true);
    } else {
        g.header->setChecked(true);
        text = g.text;
        page = g.page;
    }
    m_currentGroup = group;
    m_currentEntry = g.entryBox ? entry : 0;
    if (page)
        m_pContent->setCurrentWidget(page);
    refreshGroupIcons();
    if (emitSignal)
        emit signalActionClicked(text);
}

void CBaseCentralWidget::refreshGroupIcons()
{
    for (int i = 0; i < m_groups.size(); ++i) {
        Group &g = m_groups[i];
        const bool active = i == m_currentGroup;
        g.header->setIcon(
            QIcon(active && !g.selectedIcon.isEmpty() ? g.selectedIcon : g.normalIcon));
        if (g.header->property("active").toBool() != active) {
            g.header->setProperty("active", active);
            repolish(g.header);
        }
    }
}

QWidget *CBaseCentralWidget::currentPage() const
{
    if (m_currentGroup < 0)
        return nullptr;
    return m_pContent->currentWidget();
}

int CBaseCentralWidget::groupCount() const
{
    return m_groups.size();
}

int CBaseCentralWidget::entryCount(int group) const
{
    if (group < 0 || group >= m_groups.size())
        return 0;
    return m_groups.at(group).entries.size();
}

QPair<int, int> CBaseCentralWidget::currentPosition() const
{
    return {m_currentGroup, m_currentEntry};
}

void CBaseCentralWidget::setGroupExpanded(int group, bool expanded)
{
    if (group < 0 || group >= m_groups.size() || !m_groups.at(group).entryBox)
        return;
    Group &g = m_groups[group];
    g.expanded = expanded;
    g.entryBox->setVisible(expanded);
    g.header->setProperty("expanded", expanded);
    repolish(g.header);
}

bool CBaseCentralWidget::isGroupExpanded(int group) const
{
    if (group < 0 || group >= m_groups.size())
        return false;
    return m_groups.at(group).expanded;
}

} // namespace QorvaGUIToolkit
