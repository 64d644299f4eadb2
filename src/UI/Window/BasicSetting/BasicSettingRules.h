#pragma once
// Decisions of the settings page that need no window: naming a new visit reason and
// judging the reasons before they are saved.

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>

#include <QString>
#include <QStringList>
#include <QVector>

namespace visitorclient {
namespace BasicSettingRules {

/// Name of a reason added after the given ones: prefix followed directly by the smallest
/// number from 1 to names.size() + 1 that no name uses in that form ("Reason2" when
/// "Reason1" and "Reason3" exist). Names in another form do not count.
QString nextReasonName(const QString &prefix, const QStringList &names);

enum class ReasonProblem {
    None,
    Empty,    ///< a name is empty (or only blanks)
    Repeated, ///< a name is used by an earlier reason already
};

/// The first reason that cannot be saved, in row order (row -1 and None when all can).
/// Names are compared without surrounding blanks and regardless of case: reasons are
/// picked by name in the import, so two of the same name cannot be told apart there.
ReasonProblem findReasonProblem(const QVector<VisitReasonData> &reasons, int *row);

} // namespace BasicSettingRules
} // namespace visitorclient
