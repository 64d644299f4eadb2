#include <clientcommonlogical/LocalLogDelegate.h>

#include <Base/Log.h>
#include <Base/WorkQueue.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <mutex>

namespace clientcommonlogical {

namespace {

const char kTimeFormat[] = "yyyy-MM-dd hh:mm:ss";

QString escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (ch == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (ch == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (ch == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += ch;
    }
    return out;
}

QString unescape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != QLatin1Char('\\') || i + 1 == text.size()) {
            out += ch;
            continue;
        }
        const QChar next = text.at(++i);
        if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            out += next;
    }
    return out;
}

} // namespace

struct CLocalLogDelegate::Impl
{
    mutable std::mutex mutex; // guards directory and reportedFailures
    QString directory = CLocalLogDelegate::defaultDirectory();
    QSet<QString> reportedFailures;
    // One thread keeps the records in call order. Declared last: it finishes the queued
    // writes before the fields above go.
    Base::CWorkQueue writer{1};

    static bool writeLine(const QString &path, const QString &line)
    {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return false;
        const QByteArray bytes = line.toUtf8() + '\n';
        return file.write(bytes) == bytes.size();
    }

    void reportFailure(const QString &path)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (reportedFailures.contains(path))
            return;
        reportedFailures.insert(path);
        LOG_ERROR("Failed to write the local operation log [%s].", qUtf8Printable(path));
    }
};

CLocalLogDelegate::CLocalLogDelegate() : d(new Impl) {}

CLocalLogDelegate::~CLocalLogDelegate() = default;

QString CLocalLogDelegate::defaultDirectory()
{
    const QString root = qEnvironmentVariable("QORVA_DATA_ROOT");
    if (!root.isEmpty())
        return QDir::cleanPath(root + QStringLiteral("/VisitorManagement.C"));
    const QString programDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir::cleanPath(programDir + QStringLiteral("/../VisitorManagement.C"));
}

void CLocalLogDelegate::setDirectory(const QString &directory)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->directory = directory;
}

QString CLocalLogDelegate::directory() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->directory;
}

QString CLocalLogDelegate::filePath() const
{
    return directory() + QStringLiteral("/OperationLog.log");
}

void CLocalLogDelegate::append(const LocalLogRecord &record)
{
    const QString path = filePath();
    const QString line = formatLine(record);
    Impl *impl = d.get();
    // The record travels through the queue's std::mutex, which race checkers can see,
    // unlike the futex locking of a QThreadPool.
    const bool queued = d->writer.post([impl, path, line] {
        if (!Impl::writeLine(path, line))
            impl->reportFailure(path);
    });
    // Without a writer thread the record is written here rather than lost.
    if (!queued && !Impl::writeLine(path, line))
        d->reportFailure(path);
}

void CLocalLogDelegate::flush()
{
    d->writer.waitForIdle();
}

QList<LocalLogRecord> CLocalLogDelegate::readAll() const
{
    QList<LocalLogRecord> records;
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return records;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        LocalLogRecord record;
        if (parseLine(line, &record))
            records.append(record);
    }
    return records;
}

QString CLocalLogDelegate::formatLine(const LocalLogRecord &record)
{
    return record.time.toString(QLatin1String(kTimeFormat)) + QLatin1Char('\t') + escape(record.user)
           + QLatin1Char('\t') + QString::number(record.category) + QLatin1Char('\t')
           + QString::number(record.type) + QLatin1Char('\t') + escape(record.text);
}

bool CLocalLogDelegate::parseLine(const QString &line, LocalLogRecord *record)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 5)
        return false;
    bool categoryOk = false;
    bool typeOk = false;
    LocalLogRecord parsed;
    parsed.time = QDateTime::fromString(fields.at(0), QLatin1String(kTimeFormat));
    parsed.user = unescape(fields.at(1));
    parsed.category = fields.at(2).toInt(&categoryOk);
    parsed.type = fields.at(3).toInt(&typeOk);
    parsed.text = unescape(fields.at(4));
    if (!parsed.time.isValid() || !categoryOk || !typeOk)
        return false;
    *record = parsed;
    return true;
}

} // namespace clientcommonlogical
