#include "AccessGroupRules.h"

#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>

#include <algorithm>

namespace visitorclient {
namespace AccessGroupRules {

bool canAddGroup(int groupCount)
{
    return groupCount < kMaxGroups;
}

bool defaultGroupAllowed(int defaultRow, int editedRow)
{
    return defaultRow < 0 || (editedRow >= 0 && defaultRow == editedRow);
}

NameCheck checkName(const QString &name, const QStringList &existing)
{
    if (name.isEmpty())
        return NameCheck::Empty;
    return existing.contains(name, Qt::CaseSensitive) ? NameCheck::Exists : NameCheck::Ok;
}

bool yieldsBeforeDoor(int index)
{
    return index % kDoorsPerYield == 0;
}

bool removeDeviceDoor(groupData &group, const std::string &deviceGuid)
{
    const auto it = std::find_if(group.vecDoors.begin(), group.vecDoors.end(),
                                 [&](const doorData &d) { return d.strDeviceGuid == deviceGuid; });
    if (it == group.vecDoors.end())
        return false;
    group.vecDoors.erase(it);
    return true;
}

bool renameDoor(groupData &group, const std::string &doorGuid, const std::string &name)
{
    bool renamed = false;
    for (doorData &door : group.vecDoors) {
        if (door.strObjectGuid == doorGuid && door.strObjectName != name) {
            door.strObjectName = name;
            renamed = true;
        }
    }
    return renamed;
}

DeleteOutcome deleteOutcome(int requested, const protocol::DeleteAccessPointGroupResultData &answer)
{
    DeleteOutcome outcome;
    const auto &entries = answer.deleteAccessPointGroupResult;
    for (int i = 0; i < requested; ++i) {
        if (static_cast<std::size_t>(i) >= entries.size())
            continue;
        if (entries[static_cast<std::size_t>(i)].code == "0-0")
            outcome.deleted.append(i);
        else
            outcome.refused.append(i);
    }
    return outcome;
}

QStringList failedDeviceAddresses(const protocol::VisitorRightConfigResultData &answer)
{
    QStringList addresses;
    for (const auto &device : answer.visitorRightConfigResult.rightListResult) {
        if (device.result != 1)
            addresses << QString::fromStdString(device.ip);
    }
    return addresses;
}

QRegExp searchExpression(const QString &text)
{
    return QRegExp(text.trimmed(), Qt::CaseInsensitive, QRegExp::FixedString);
}

} // namespace AccessGroupRules
} // namespace visitorclient
