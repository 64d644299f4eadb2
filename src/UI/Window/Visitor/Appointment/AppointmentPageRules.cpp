#include "AppointmentPageRules.h"

#include <QStringList>

#include <algorithm>

namespace visitorclient {
namespace AppointmentPageRules {

int effectivePageSize(int pageSize)
{
    return pageSize > 0 ? pageSize : kDefaultPageSize;
}

int pageCount(int total, int pageSize)
{
    if (total <= 0)
        return 0;
    const int size = effectivePageSize(pageSize);
    return (total + size - 1) / size;
}

int pageToRequest(int total, int page, int pageSize)
{
    return page <= 0 || page > pageCount(total, pageSize) ? 1 : page;
}

bool canAdd(int total)
{
    return total < kMaxAppointments;
}

int importAllowance(int total)
{
    return std::max(0, kMaxAppointments - total);
}

bool dropsRowPastPage(int rowCount, int pageSize)
{
    return rowCount > effectivePageSize(pageSize);
}

int pageAfterDelete(int deleted, int rowsBefore, int total, int page, int pageSize)
{
    const bool wholePage = deleted > 0 && deleted == rowsBefore;
    if (wholePage && page > 1 && page == pageCount(total, pageSize))
        return page - 1;
    return page;
}

QRegExp searchExpression(const QString &text)
{
    return QRegExp(text.trimmed(), Qt::CaseInsensitive, QRegExp::FixedString);
}

bool applyReasonNames(AppointmentInfoData &info, const QVector<VisitReasonData> &reasons)
{
    for (const VisitReasonData &reason : reasons) {
        if (reason.strReasonId == info.strVisitReasonId &&
            reason.strReasonName != info.strVisitReason) {
            info.strVisitReason = reason.strReasonName;
            return true;
        }
    }
    return false;
}

bool applyGroupNames(AppointmentInfoData &info, const QMap<QString, QString> &names)
{
    const QStringList guids = info.strAccessGroupGuids.split(QLatin1Char(','));
    QStringList groupNames = info.strAccessGroupNames.split(QLatin1Char(','));
    if (guids.size() != groupNames.size())
        return false;
    bool changed = false;
    for (int i = 0; i < guids.size(); ++i) {
        const auto it = names.constFind(guids.at(i));
        if (it != names.constEnd() && it.value() != groupNames.at(i)) {
            groupNames[i] = it.value();
            changed = true;
        }
    }
    if (changed)
        info.strAccessGroupNames = groupNames.join(QLatin1Char(','));
    return changed;
}

} // namespace AppointmentPageRules
} // namespace visitorclient
