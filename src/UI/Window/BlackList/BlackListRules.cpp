#include "BlackListRules.h"

#include <QtGlobal>

namespace visitorclient {

void registerBlackDataMetaType()
{
    qRegisterMetaType<BlackData>("BlackData");
}

namespace BlackListRules {

BlackData makeEntry(const FormInput &input, const QDateTime &now)
{
    BlackData entry;
    entry.strName = input.name;
    entry.iGender = input.male ? 1 : 2;
    entry.iIdentityType = input.identityType;
    entry.strIdentityCode = input.identityCode;
    entry.strRemark = input.remark.isEmpty() ? QString::fromLatin1(kNoRemark) : input.remark;
    entry.strAddTime = now.toString(QString::fromLatin1(kAddTimeFormat));
    return entry;
}

MissingFields missingFields(const QString &name, const QString &identityCode)
{
    MissingFields missing;
    missing.name = name.trimmed().isEmpty();
    missing.identityCode = identityCode.trimmed().isEmpty();
    return missing;
}

int pageCount(int total, int pageSize)
{
    if (total <= 0 || pageSize <= 0)
        return 0;
    return (total + pageSize - 1) / pageSize;
}

int clampPage(int total, int page, int pageSize)
{
    const int pages = pageCount(total, pageSize);
    if (pages == 0)
        return 0;
    return qBound(1, page, pages);
}

PageRange pageRange(int total, int page, int pageSize)
{
    PageRange range;
    const int current = clampPage(total, page, pageSize);
    if (current == 0)
        return range;
    range.first = (current - 1) * pageSize;
    range.count = qMin(pageSize, total - range.first);
    return range;
}

} // namespace BlackListRules
} // namespace visitorclient
