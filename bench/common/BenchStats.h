#pragma once
// What every benchmark prints beside its figures: medians of its runs and the machine's
// load (the machine is shared, so the load says how far to trust the figures).

#include <QFile>
#include <QString>

#include <algorithm>
#include <vector>

namespace benchstats {

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

/// The three load averages of /proc/loadavg, "?" when unreadable.
inline QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly)
               ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
               : QStringLiteral("?");
}

} // namespace benchstats
