#include "ImportTestSupport.h"

#include "ImportRules.h"
#include "QExcel.h"

namespace importtest {

bool writeWorkbook(const QString &path, const QVector<QStringList> &rows,
                   const visitorclient::BasicSettingData &settings, WorkbookShape shape)
{
    using namespace visitorclient::ImportRules;
    visitorclient::QExcel excel(path);
    bool ok = excel.isOpened();
    const QStringList lines = rulesLines();
    for (int i = 0; ok && i < lines.size(); ++i)
        ok = excel.setCellValue(i + 1, 1, lines.at(i), true);
    const QStringList texts = headers(settings).mid(0, shape.columns);
    for (int c = 0; ok && c < texts.size(); ++c) {
        QString text = texts.at(c);
        if (!shape.marked)
            text.remove(QLatin1Char('*'));
        ok = excel.setCellValue(kHeaderRow, c + 1, text, true);
    }
    for (int r = 0; ok && r < rows.size(); ++r) {
        for (int c = 0; ok && c < rows.at(r).size() && c < shape.columns; ++c)
            ok = excel.setCellValue(kHeaderRow + 1 + r, c + 1, rows.at(r).at(c), c != 3 && c != 4);
    }
    return ok && excel.save();
}

} // namespace importtest
