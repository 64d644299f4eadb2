#pragma once
// The decisions of the access-point group page and its editor, callable without a window.

#include "AccessGroupData.h"

#include <QRegExp>
#include <QString>
#include <QStringList>
#include <QVector>

namespace protocol {
class DeleteAccessPointGroupResultData;
class VisitorRightConfigResultData;
} // namespace protocol

namespace visitorclient {
namespace AccessGroupRules {

/// The server keeps at most this many visitor access-point groups.
constexpr int kMaxGroups = 64;
/// Filling the editor lets the event loop run before every this-many doors.
constexpr int kDoorsPerYield = 32;

bool canAddGroup(int groupCount);
/// Whether the editor may offer the default-group box: no group is the default yet, or
/// the group being edited (editedRow, -1 for a new one) is it.
bool defaultGroupAllowed(int defaultRow, int editedRow);

enum class NameCheck { Ok, Empty, Exists };
/// An empty name, or one equal (letter case counts) to one of existing, is refused.
NameCheck checkName(const QString &name, const QStringList &existing);

/// Whether the event loop runs before the door at index (0-based) is loaded.
bool yieldsBeforeDoor(int index);

/// Drops the first door of deviceGuid from the group; false when it has none.
bool removeDeviceDoor(groupData &group, const std::string &deviceGuid);
/// Renames every door doorGuid of the group; false when it has none.
bool renameDoor(groupData &group, const std::string &doorGuid, const std::string &name);

/// What a delete answer means for the rows that were asked for (in the order asked).
struct DeleteOutcome
{
    QVector<int> deleted; ///< positions in the request whose group is gone
    QVector<int> refused; ///< positions whose group the server kept (in use)
};
/// Pairs the i-th answer entry with the i-th requested group; a group without an answer
/// entry counts as kept but is not named as in use.
DeleteOutcome deleteOutcome(int requested,
                            const protocol::DeleteAccessPointGroupResultData &answer);

/// Addresses of the devices that did not take the visitor rights, in answer order.
QStringList failedDeviceAddresses(const protocol::VisitorRightConfigResultData &answer);

/// The door-detail and group-list search: trimmed, case-insensitive, literal.
QRegExp searchExpression(const QString &text);

} // namespace AccessGroupRules
} // namespace visitorclient
