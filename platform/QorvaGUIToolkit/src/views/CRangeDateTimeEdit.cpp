#include <QorvaGUIToolkit/CRangeDateTimeEdit.h>

#include <QAction>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace QorvaGUIToolkit {

namespace {
const QString Separator = QStringLiteral(" - ");

QDateTime startOfToday()
{
    return QDateTime(QDate::currentDate(), QTime(0, 0, 0));
}

QDateTime endOfToday()
{
    return QDateTime(QDate::currentDate(), QTime(23, 59, 59));
}
} // namespace

CRangeDateTimeEdit::CRangeDateTimeEdit(QWidget *parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CRangeDateTimeEdit"));
    setReadOnly(true);
    setCursor(Qt::PointingHandCursor);
    m_pCalendarAction =
        addAction(QIcon(QStringLiteral(":/QorvaGUIToolkit/Views/images/Calendar.svg")),
                  QLineEdit::TrailingPosition);
    m_pCalendarAction->setObjectName(QStringLiteral("RangeCalendarAction"));
    m_pDeleteAction = addAction(QIcon(QStringLiteral(":/QorvaGUIToolkit/Views/images/Delete.svg")),
                                QLineEdit::TrailingPosition);
    m_pDeleteAction->setObjectName(QStringLiteral("RangeDeleteAction"));
    m_pDeleteAction->setVisible(false);
    m_pDeleteAction->setProperty("wanted", false);
    connect(m_pCalendarAction, &QAction::triggered, this, &CRangeDateTimeEdit::ShowPopup);
    connect(m_pDeleteAction, &QAction::triggered, this, &CRangeDateTimeEdit::Clear);
    connect(this, &QLineEdit::textChanged, this, &CRangeDateTimeEdit::onTextChanged);
    setPlaceholderText(tr("Start time - End time"));
}

QSize CRangeDateTimeEdit::minimumSizeHint() const
{
    // Wide enough for a whole range in the display format plus the two icons.
    const QDateTime sample(QDate(2000, 12, 28), QTime(23, 59, 59));
    const QString text = sample.toString(m_format) + Separator + sample.toString(m_format);
    QSize size = QLineEdit::minimumSizeHint();
    size.setWidth(qMax(size.width(), fontMetrics().horizontalAdvance(text) + 2 * 28 + 40));
    return size;
}

QSize CRangeDateTimeEdit::sizeHint() const
{
    QSize size = QLineEdit::sizeHint();
    size.setWidth(qMax(size.width(), minimumSizeHint().width()));
    return size;
}

void CRangeDateTimeEdit::SetDefaultDateTime(const QDateTime &begin, const QDateTime &end)
{
    m_defaultBegin = begin;
    m_defaultEnd = end;
    SetDateTimeRange(begin, end);
}

QDateTime CRangeDateTimeEdit::clamp(const QDateTime &value) const
{
    QDateTime result = value;
    if (m_minimum.isValid() && result < m_minimum)
        result = m_minimum;
    if (m_maximum.isValid() && result > m_maximum)
        result = m_maximum;
    return result;
}

void CRangeDateTimeEdit::SetDateTimeRange(const QDateTime &begin, const QDateTime &end)
{
    QDateTime newBegin;
    QDateTime newEnd;
    if (begin.isValid() && end.isValid()) {
        newBegin = clamp(qMin(begin, end));
        newEnd = clamp(qMax(begin, end));
    }
    if (newBegin == m_begin && newEnd == m_end && newBegin.isValid() == m_begin.isValid())
        return;
    m_begin = newBegin;
    m_end = newEnd;
    updateText();
    emit SignalDateTimeRangeChanged(m_begin, m_end);
}

QDateTime CRangeDateTimeEdit::GetBeginDateTime() const
{
    return m_begin;
}

QDateTime CRangeDateTimeEdit::GetEndDateTime() const
{
    return m_end;
}

void CRangeDateTimeEdit::Clear()
{
    SetDateTimeRange(QDateTime(), QDateTime());
}

void CRangeDateTimeEdit::SetDateTimeLimits(const QDateTime &minimum, const QDateTime &maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    if (m_minimum.isValid() && m_maximum.isValid() && m_minimum > m_maximum)
        std::swap(m_minimum, m_maximum);
    if (!IsEmpty())
        SetDateTimeRange(m_begin, m_end);
}

void CRangeDateTimeEdit::SetDisplayFormat(const QString &format)
{
    if (format.isEmpty())
        return;
    m_format = format;
    if (m_pBeginEdit) {
        m_pBeginEdit->setDisplayFormat(format);
        m_pEndEdit->setDisplayFormat(format);
    }
    updateText();
}

void CRangeDateTimeEdit::SetDeleteIconVisible(bool visible)
{
    m_pDeleteAction->setProperty("wanted", visible);
    m_pDeleteAction->setVisible(visible && !IsEmpty());
}

bool CRangeDateTimeEdit::IsDeleteIconVisible() const
{
    return m_pDeleteAction->property("wanted").toBool();
}

QString CRangeDateTimeEdit::rangeText() const
{
    return IsEmpty() ? QString()
                     : m_begin.toString(m_format) + Separator + m_end.toString(m_format);
}

void CRangeDateTimeEdit::onTextChanged(const QString &text)
{
    // The text is ours unless a caller used QLineEdit's own setText or clear: read the
    // range back from it so text and range never disagree.
    if (m_updatingText || text == rangeText())
        return;
    if (text.trimmed().isEmpty()) {
        Clear();
        return;
    }
    const QStringList parts = text.split(Separator);
    const QDateTime begin =
        parts.size() == 2 ? QDateTime::fromString(parts.at(0).trimmed(), m_format) : QDateTime();
    const QDateTime end =
        parts.size() == 2 ? QDateTime::fromString(parts.at(1).trimmed(), m_format) : QDateTime();
    if (begin.isValid() && end.isValid())
        SetDateTimeRange(begin, end);
    updateText(); // normalised text, or the previous range for unreadable text
}

void CRangeDateTimeEdit::updateText()
{
    m_updatingText = true;
    setText(rangeText());
    m_updatingText = false;
    // Show the beginning of the range when the field is narrower than the text.
    setCursorPosition(0);
    m_pDeleteAction->setVisible(IsDeleteIconVisible() && !IsEmpty());
    updateGeometry();
}

void CRangeDateTimeEdit::createPopup()
{
    m_pPopup = new QFrame(this, Qt::Popup);
    m_pPopup->setObjectName(QStringLiteral("CRangeDateTimeEditPopup"));
    m_pPopup->setFrameShape(QFrame::StyledPanel);
    m_pBeginEdit = new QDateTimeEdit(m_pPopup);
    m_pBeginEdit->setObjectName(QStringLiteral("RangeBeginEdit"));
    m_pEndEdit = new QDateTimeEdit(m_pPopup);
    m_pEndEdit->setObjectName(QStringLiteral("RangeEndEdit"));
    for (QDateTimeEdit *edit : {m_pBeginEdit, m_pEndEdit}) {
        edit->setDisplayFormat(m_format);
        edit->setCalendarPopup(true);
    }
    auto *ok = new QPushButton(tr("OK"), m_pPopup);
    ok->setObjectName(QStringLiteral("RangeOkButton"));
    ok->setProperty("buttonRole", QStringLiteral("primary")); // skins style buttons by role
    auto *cancel = new QPushButton(tr("Cancel"), m_pPopup);
    cancel->setObjectName(QStringLiteral("RangeCancelButton"));
    cancel->setProperty("buttonRole", QStringLiteral("secondary"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Start time"), m_pPopup), 0, 0);
    grid->addWidget(m_pBeginEdit, 0, 1);
    grid->addWidget(new QLabel(tr("End time"), m_pPopup), 1, 0);
    grid->addWidget(m_pEndEdit, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(m_pPopup);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(8);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Begin may not pass end and the other way round.
    connect(m_pBeginEdit, &QDateTimeEdit::dateTimeChanged, m_pEndEdit,
            [this](const QDateTime &begin) { m_pEndEdit->setMinimumDateTime(begin); });
    connect(m_pEndEdit, &QDateTimeEdit::dateTimeChanged, m_pBeginEdit,
            [this](const QDateTime &end) { m_pBeginEdit->setMaximumDateTime(end); });
    connect(ok, &QPushButton::clicked, this, &CRangeDateTimeEdit::acceptPopup);
    connect(cancel, &QPushButton::clicked, m_pPopup, &QFrame::hide);
}

void CRangeDateTimeEdit::ShowPopup()
{
    if (!m_pPopup)
        createPopup();
    QDateTime begin = m_begin;
    QDateTime end = m_end;
    if (IsEmpty()) {
        begin = m_defaultBegin.isValid() ? m_defaultBegin : startOfToday();
        end = m_defaultEnd.isValid() ? m_defaultEnd : endOfToday();
    }
    const QDateTime lowest =
        m_minimum.isValid() ? m_minimum : QDateTime(QDate(1752, 9, 14), QTime(0, 0));
    const QDateTime highest =
        m_maximum.isValid() ? m_maximum : QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59));
    // Reset the cross limits before loading a new pair, or the old pair would clip it.
    m_pBeginEdit->setDateTimeRange(lowest, highest);
    m_pEndEdit->setDateTimeRange(lowest, highest);
    m_pBeginEdit->setDateTime(clamp(qMin(begin, end)));
    m_pEndEdit->setDateTime(clamp(qMax(begin, end)));
    m_pEndEdit->setMinimumDateTime(m_pBeginEdit->dateTime());
    m_pBeginEdit->setMaximumDateTime(m_pEndEdit->dateTime());
    m_pPopup->adjustSize();
    m_pPopup->move(mapToGlobal(QPoint(0, height())));
    m_pPopup->show();
}

void CRangeDateTimeEdit::acceptPopup()
{
    SetDateTimeRange(m_pBeginEdit->dateTime(), m_pEndEdit->dateTime());
    m_pPopup->hide();
}

void CRangeDateTimeEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled())
        ShowPopup();
}

void CRangeDateTimeEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setPlaceholderText(tr("Start time - End time"));
    QLineEdit::changeEvent(event);
}

} // namespace QorvaGUIToolkit
