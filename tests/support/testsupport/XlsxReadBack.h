#pragma once
// Reading a written workbook back with another program than the one that wrote it.

#include <QString>

namespace testsupport {

/// Column A of the active sheet of the .xlsx file at path as openpyxl reads it, the rows
/// joined by "|" (an empty cell reads "None"); "read failed: <why>" when it cannot be read.
QString xlsxFirstColumn(const QString &path);

} // namespace testsupport
