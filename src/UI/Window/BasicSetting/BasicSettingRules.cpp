#include "BasicSettingRules.h"

#include <QSet>

namespace visitorclient {
namespace BasicSettingRules {

QString nextReasonName(const QString &prefix, const QStringList &names)
{
    QSet<int> used;
    for (const QString &name : names) {
        if (!name.startsWith(prefix))
            continue;
        const QStringRef digits = name.midRef(prefix.size());
        // Only the plain form counts: "Reason02" or "Reason 2" is a name of its own.
        if (digits.isEmpty() || digits.startsWith(QLatin1Char('0')))
            continue;
        bool ok = false;
        const int number = digits.toInt(&ok);
        if (ok && digits.size() == QString::number(number).size())
            used.insert(number);
    }
    const int candidates = names.size() + 1;
    for (int number = 1; number <= candidates; ++number) {
        if (!used.contains(number))
            return prefix + QString::number(number);
    }
    return prefix + QString::number(candidates); // unreachable: n names use at most n numbers
}

ReasonProblem findReasonProblem(const QVector<VisitReasonData> &reasons, int *row)
{
    QSet<QString> seen;
    for (int i = 0; i < reasons.size(); ++i) {
        const QString name = reasons.at(i).strReasonName.trimmed().toCaseFolded();
        ReasonProblem problem = ReasonProblem::None;
        if (name.isEmpty())
            problem = ReasonProblem::Empty;
        else if (seen.contains(name))
            problem = ReasonProblem::Repeated;
        if (problem != ReasonProblem::None) {
            if (row != nullptr)
                *row = i;
            return problem;
        }
        seen.insert(name);
    }
    if (row != nullptr)
        *row = -1;
    return ReasonProblem::None;
}

} // namespace BasicSettingRules
} // namespace visitorclient
