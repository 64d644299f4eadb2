#include "XlsxPackage.h"

#include <QFile>

#include <zip.h>

#include <algorithm>
#include <cstring>

namespace visitorclient {

namespace {

// A workbook part larger than this is no spreadsheet anyone could have saved; a zip
// bomb stops here instead of running for hours.
constexpr qint64 MaxPartBytes = qint64(1) << 30;

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c | 0x20 : c); });
    return text;
}

QString zipErrorText(zip_error_t *error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

class ZipPart : public IXlsxPart
{
public:
    explicit ZipPart(zip_file_t *file) : m_file(file) {}
    ~ZipPart() override { zip_fclose(m_file); }

    int read(char *buffer, int size) override
    {
        const zip_int64_t count = zip_fread(m_file, buffer, zip_uint64_t(size));
        if (count < 0) {
            m_error = QString::fromUtf8(zip_file_strerror(m_file));
            return -1;
        }
        m_total += count;
        if (m_total > MaxPartBytes) {
            m_error = QStringLiteral("the part is larger than 1 GiB");
            return -1;
        }
        return int(count);
    }
    QString errorText() const override { return m_error; }

private:
    zip_file_t *m_file;
    qint64 m_total = 0;
    QString m_error;
};

class ZipPackage : public IXlsxPackage
{
public:
    ZipPackage(zip_t *archive, QByteArray data) : m_archive(archive), m_data(std::move(data)) {}
    ~ZipPackage() override { zip_discard(m_archive); }

    bool hasPart(const std::string &name) const override
    {
        return zip_name_locate(m_archive, name.c_str(), ZIP_FL_NOCASE) >= 0;
    }

    std::unique_ptr<IXlsxPart> openPart(const std::string &name, QString &error) override
    {
        const zip_int64_t index = zip_name_locate(m_archive, name.c_str(), ZIP_FL_NOCASE);
        if (index < 0) {
            error = QStringLiteral("part [%1] is missing").arg(QString::fromStdString(name));
            return nullptr;
        }
        zip_file_t *file = zip_fopen_index(m_archive, zip_uint64_t(index), 0);
        if (!file) {
            error = QStringLiteral("part [%1] cannot be read: %2")
                        .arg(QString::fromStdString(name), zipErrorText(zip_get_error(m_archive)));
            return nullptr;
        }
        return std::make_unique<ZipPart>(file);
    }

private:
    zip_t *m_archive;
    QByteArray m_data; // the archive's bytes when it was opened from memory
};

class MemoryPart : public IXlsxPart
{
public:
    explicit MemoryPart(QByteArray data) : m_data(std::move(data)) {}
    int read(char *buffer, int size) override
    {
        const int count = qMin(size, m_data.size() - m_position);
        std::memcpy(buffer, m_data.constData() + m_position, size_t(count));
        m_position += count;
        return count;
    }
    QString errorText() const override { return {}; }

private:
    QByteArray m_data;
    int m_position = 0;
};

class MemoryPackage : public IXlsxPackage
{
public:
    explicit MemoryPackage(std::map<std::string, QByteArray> parts)
    {
        for (auto &part : parts)
            m_parts[lowerCase(part.first)] = std::move(part.second);
    }
    bool hasPart(const std::string &name) const override
    {
        return m_parts.count(lowerCase(name)) > 0;
    }
    std::unique_ptr<IXlsxPart> openPart(const std::string &name, QString &error) override
    {
        const auto found = m_parts.find(lowerCase(name));
        if (found == m_parts.end()) {
            error = QStringLiteral("part [%1] is missing").arg(QString::fromStdString(name));
            return nullptr;
        }
        return std::make_unique<MemoryPart>(found->second);
    }

private:
    std::map<std::string, QByteArray> m_parts;
};

std::unique_ptr<IXlsxPackage> openSource(zip_source_t *source, QByteArray data, QString &error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    // The consistency check finds truncated archives at open instead of mid-read.
    zip_t *archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError);
    if (!archive) {
        error = QStringLiteral("not an .xlsx file (%1)").arg(zipErrorText(&zipError));
        zip_error_fini(&zipError);
        zip_source_free(source);
        return nullptr;
    }
    zip_error_fini(&zipError);
    return std::make_unique<ZipPackage>(archive, std::move(data));
}

} // namespace

std::unique_ptr<IXlsxPackage> openZipPackage(const QString &path, QString &error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *source =
        zip_source_file_create(QFile::encodeName(path).constData(), 0, -1, &zipError);
    if (!source) {
        error = QStringLiteral("cannot read the file (%1)").arg(zipErrorText(&zipError));
        zip_error_fini(&zipError);
        return nullptr;
    }
    zip_error_fini(&zipError);
    return openSource(source, QByteArray(), error);
}

std::unique_ptr<IXlsxPackage> openZipPackage(const QByteArray &data, QString &error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    QByteArray copy = data;
    copy.detach();
    zip_source_t *source =
        zip_source_buffer_create(copy.constData(), zip_uint64_t(copy.size()), 0, &zipError);
    if (!source) {
        error = QStringLiteral("cannot read the data (%1)").arg(zipErrorText(&zipError));
        zip_error_fini(&zipError);
        return nullptr;
    }
    zip_error_fini(&zipError);
    return openSource(source, std::move(copy), error);
}

std::unique_ptr<IXlsxPackage> memoryPackage(std::map<std::string, QByteArray> parts)
{
    return std::make_unique<MemoryPackage>(std::move(parts));
}

} // namespace visitorclient
