#pragma once
// Appointment workbooks for the import's tests and benchmark: the template's rules lines
// and headers, then data rows from row 11.

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>

#include <QString>
#include <QStringList>
#include <QVector>

namespace importtest {

struct WorkbookShape
{
    int columns = 15;   // header and data cells beyond this are left out
    bool marked = true; // false: the headers lose their "*" (no header row is found)
};

/// Writes the workbook; dates (columns D and E) as date cells, everything else as text.
/// False when it could not be saved.
bool writeWorkbook(const QString &path, const QVector<QStringList> &rows,
                   const visitorclient::BasicSettingData &settings, WorkbookShape shape = {});

} // namespace importtest
