#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <Base/Log.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstdio>

namespace QorvaGUIToolkit {

namespace {

constexpr int MaxCellCharacters = 32767;
constexpr qint64 MaxRows = 1048576;
constexpr qint64 MaxColumns = 16384;

// Writes into fileName, which the caller removes on failure.
bool writeWorkbook(const QByteArray &fileName, const QList<QStringList> &rows)
{
    lxw_workbook_options options = {};
    // Rows are written strictly in order, so the low-memory mode applies (inline strings).
    options.constant_memory = LXW_TRUE;
    lxw_workbook *workbook = workbook_new_opt(fileName.constData(), &options);
    if (!workbook) {
        LOG_ERROR("Failed to create workbook [%s].", fileName.constData());
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    if (!sheet) {
        LOG_ERROR("Failed to add worksheet to [%s].", fileName.constData());
        workbook_close(workbook);
        return false;
    }
    int columns = 0;
    for (const QStringList &row : rows)
        columns = qMax(columns, row.size());
    if (columns > 0)
        worksheet_set_column(sheet, 0, static_cast<lxw_col_t>(columns - 1), 20, nullptr);

    bool ok = true;
    for (int r = 0; r < rows.size() && ok; ++r) {
        const QStringList &row = rows.at(r);
        for (int c = 0; c < row.size(); ++c) {
            QString text = row.at(c);
            if (text.isEmpty())
                continue;
            if (text.size() > MaxCellCharacters) {
                LOG_WARN("Cell text cut to [%d] characters at row [%d] column [%d].",
                         MaxCellCharacters, r, c);
                text.truncate(MaxCellCharacters);
            }
            const QByteArray utf8 = text.toUtf8();
            const lxw_error error =
                worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                       utf8.constData(), nullptr);
            if (error != LXW_NO_ERROR) {
                LOG_ERROR("Failed to write cell [%d,%d]: [%s].", r, c, lxw_strerror(error));
                ok = false;
                break;
            }
        }
    }
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        LOG_ERROR("Failed to save workbook [%s]: [%s].", fileName.constData(),
                  lxw_strerror(closed));
        return false;
    }
    return ok;
}

} // namespace

bool QXlsxMgr::WriteExcel(const QString &path, const QVector<QStringList> &rows)
{
    return WriteExcel(path, rows.toList());
}

bool QXlsxMgr::WriteExcel(const QString &path, const QList<QStringList> &rows)
{
    if (path.trimmed().isEmpty()) {
        LOG_ERROR("WriteExcel: empty path.");
        return false;
    }
    if (rows.size() > MaxRows) {
        LOG_ERROR("WriteExcel: [%d] rows exceed the worksheet limit.", int(rows.size()));
        return false;
    }
    for (const QStringList &row : rows) {
        if (row.size() > MaxColumns) {
            LOG_ERROR("WriteExcel: [%d] columns exceed the worksheet limit.", int(row.size()));
            return false;
        }
    }
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    if (!folder.exists()) {
        LOG_ERROR("WriteExcel: folder of [%s] does not exist.", qUtf8Printable(path));
        return false;
    }
    if (target.isDir()) {
        LOG_ERROR("WriteExcel: [%s] is a folder.", qUtf8Printable(path));
        return false;
    }

    // A temporary name in the same folder: the finished file replaces the target in one
    // rename, so a failure never leaves a half-written spreadsheet under the real name.
    QTemporaryFile temporary(folder.filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        LOG_ERROR("WriteExcel: cannot write in the folder of [%s]: [%s].", qUtf8Printable(path),
                  qUtf8Printable(temporary.errorString()));
        return false;
    }
    const QString temporaryName = temporary.fileName();
    temporary.close();
    const QByteArray encodedTemporary = QFile::encodeName(temporaryName);

    if (!writeWorkbook(encodedTemporary, rows)) {
        QFile::remove(temporaryName);
        return false;
    }
    if (std::rename(encodedTemporary.constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        LOG_ERROR("WriteExcel: cannot replace [%s].", qUtf8Printable(path));
        QFile::remove(temporaryName);
        return false;
    }
    // QTemporaryFile creates files readable by the owner only; exports are ordinary files.
    QFile::setPermissions(target.absoluteFilePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

} // namespace QorvaGUIToolkit
