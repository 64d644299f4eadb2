#include "XlsxReadBack.h"

#include <QProcess>
#include <QStringList>

namespace testsupport {

QString xlsxFirstColumn(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import openpyxl,sys\n"
                                 "ws=openpyxl.load_workbook(sys.argv[1]).active\n"
                                 "print('|'.join(str(r[0].value) for r in ws.iter_rows()))\n"),
                  path});
    if (!python.waitForFinished(60000))
        return QStringLiteral("read failed: openpyxl did not finish");
    if (python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0)
        return QStringLiteral("read failed: ") + QString::fromUtf8(python.readAllStandardError());
    return QString::fromUtf8(python.readAllStandardOutput()).trimmed();
}

} // namespace testsupport
