#pragma once
// Stores the local operation log: an append-only text file in the component's data
// directory, one entry per line, kept across restarts.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <clientcommonlogical/LocalLogRecord.h>

#include <QList>
#include <QString>

#include <memory>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT CLocalLogDelegate
{
public:
    /// Writes into defaultDirectory() until setDirectory() is called.
    CLocalLogDelegate();
    ~CLocalLogDelegate();
    CLocalLogDelegate(const CLocalLogDelegate &) = delete;
    CLocalLogDelegate &operator=(const CLocalLogDelegate &) = delete;

    /// "$QORVA_DATA_ROOT/VisitorManagement.C" when the variable is set, else
    /// "<program dir>/../VisitorManagement.C".
    static QString defaultDirectory();
    /// Directory of the log file; created on the first write.
    void setDirectory(const QString &directory);
    QString directory() const;
    /// Full path of the log file ("<directory>/OperationLog.log").
    QString filePath() const;

    /// Queues the record for appending and returns at once (the write runs on a
    /// worker thread, in call order). A directory or file that cannot be written is
    /// logged once per path; the record is dropped. Any thread.
    void append(const LocalLogRecord &record);
    /// Waits until every queued record is written (or dropped).
    void flush();

    /// Reads back every record of the file (blocking; for tools and tests). A missing
    /// file gives an empty list; lines that do not parse are skipped.
    QList<LocalLogRecord> readAll() const;

    /// Line form of a record: time, user, category, type and text separated by tabs;
    /// tabs, newlines and backslashes in user and text are escaped.
    static QString formatLine(const LocalLogRecord &record);
    static bool parseLine(const QString &line, LocalLogRecord *record);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace clientcommonlogical
