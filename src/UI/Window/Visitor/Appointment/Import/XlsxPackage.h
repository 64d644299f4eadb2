#pragma once
// The parts of a workbook file: the members of the .xlsx zip archive, or parts held in
// memory (tests and fuzzing feed the reader without zipping).

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <string>

namespace visitorclient {

/// One part being read from its start.
class IXlsxPart
{
public:
    virtual ~IXlsxPart() = default;
    /// Up to size bytes into buffer; 0 at the end, -1 on an error (errorText says which).
    virtual int read(char *buffer, int size) = 0;
    virtual QString errorText() const = 0;
};

class IXlsxPackage
{
public:
    virtual ~IXlsxPackage() = default;
    /// Part names are matched without regard to case, as the package format asks.
    virtual bool hasPart(const std::string &name) const = 0;
    /// Null with error set when the part is missing or cannot be read.
    virtual std::unique_ptr<IXlsxPart> openPart(const std::string &name, QString &error) = 0;
};

/// Opens the zip file at path; null with error set when it is no readable zip archive.
std::unique_ptr<IXlsxPackage> openZipPackage(const QString &path, QString &error);
/// The same for a zip archive in memory (the package keeps its own copy).
std::unique_ptr<IXlsxPackage> openZipPackage(const QByteArray &data, QString &error);
/// Parts held in memory, by name.
std::unique_ptr<IXlsxPackage> memoryPackage(std::map<std::string, QByteArray> parts);

} // namespace visitorclient
