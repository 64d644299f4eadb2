#include "VisitReasonWidget.h"

#include "BasicSettingRules.h"
#include "ReasonItemWidget.h"

#include <QorvaGUIToolkit/CToolTip.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <Base/GuidUtil.h>

#include <QPushButton>
#include <QVBoxLayout>

namespace visitorclient {

namespace {

QString newReasonId()
{
    return QString::fromStdString(Base::GuidUtil::CreateGuid());
}

} // namespace

VisitReasonWidget::VisitReasonWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VisitReason_Widget"));
    m_pLayout = new QVBoxLayout(this);
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(kSpacing);
    ReasonItemWidget *first = appendRow();
    first->setReason({newReasonId(), QString()});
    updateRows();
}

ReasonItemWidget *VisitReasonWidget::appendRow()
{
    const bool first = m_rows.isEmpty();
    auto *row = new ReasonItemWidget(
        first ? ReasonItemWidget::Kind::First : ReasonItemWidget::Kind::Further, this);
    if (first)
        connect(row, &ReasonItemWidget::signalAdd, this, &VisitReasonWidget::onAdd);
    else
        connect(row, &ReasonItemWidget::signalDelete, this, [this, row] { onDelete(row); });
    m_pLayout->addWidget(row);
    m_rows.append(row);
    return row;
}

void VisitReasonWidget::setReasons(const QVector<VisitReasonData> &reasons)
{
    while (m_rows.size() > 1)
        delete m_rows.takeLast();
    for (int i = 0; i < reasons.size(); ++i) {
        VisitReasonData reason = reasons.at(i);
        if (reason.strReasonId.isEmpty())
            reason.strReasonId = newReasonId();
        (i == 0 ? m_rows.first() : appendRow())->setReason(reason);
    }
    if (reasons.isEmpty())
        m_rows.first()->setReason({newReasonId(), QString()});
    updateRows();
}

bool VisitReasonWidget::getReasons(QVector<VisitReasonData> &reasons)
{
    reasons.clear();
    for (const ReasonItemWidget *row : qAsConst(m_rows))
        reasons.append(row->reason());
    int index = -1;
    const BasicSettingRules::ReasonProblem problem =
        BasicSettingRules::findReasonProblem(reasons, &index);
    if (problem == BasicSettingRules::ReasonProblem::None)
        return true;
    QLineEdit *edit = m_rows.at(index)->nameEdit();
    edit->setFocus();
    const QString text = problem == BasicSettingRules::ReasonProblem::Empty
                             ? tr("CannotBeEmpty")
                             : tr("VisitReasonRepeatedQk7TnZ");
    QorvaGUIToolkit::CToolTip::ShowText(edit->mapToGlobal(QPoint(0, 0)), text, edit);
    return false;
}

void VisitReasonWidget::setPermission(bool permitted)
{
    m_bPermission = permitted;
    updateRows();
}

void VisitReasonWidget::onAdd()
{
    if (m_rows.size() >= kMaxRows)
        return;
    QStringList names;
    for (const ReasonItemWidget *row : qAsConst(m_rows))
        names << row->reason().strReasonName;
    ReasonItemWidget *row = appendRow();
    row->setReason(
        {newReasonId(), BasicSettingRules::nextReasonName(tr("VisitingReasontnaiesDc"), names)});
    updateRows();
    emit signalAdd();
}

void VisitReasonWidget::onDelete(ReasonItemWidget *row)
{
    const int index = m_rows.indexOf(row);
    if (index <= 0)
        return; // the first row stays
    m_rows.remove(index);
    // Its button's click may still be running: delete it later, and out of sight and
    // out of the names meanwhile.
    m_pLayout->removeWidget(row);
    row->hide();
    row->setObjectName(QString());
    row->deleteLater();
    for (ReasonItemWidget *other : qAsConst(m_rows))
        other->nameEdit()->clearFocus();
    updateRows();
}

void VisitReasonWidget::updateRows()
{
    for (int i = 0; i < m_rows.size(); ++i) {
        ReasonItemWidget *row = m_rows.at(i);
        // Numbered names let scripts and tests address a row ("ReasonItem3/ReasonNameEdit").
        row->setObjectName(QStringLiteral("ReasonItem%1").arg(i + 1));
        row->nameEdit()->setEnabled(m_bPermission);
        row->button()->setEnabled(m_bPermission && (i > 0 || m_rows.size() < kMaxRows));
    }
    const int rows = m_rows.size();
    setFixedHeight(rows * ReasonItemWidget::kHeight + (rows - 1) * m_pLayout->spacing());
}

} // namespace visitorclient
