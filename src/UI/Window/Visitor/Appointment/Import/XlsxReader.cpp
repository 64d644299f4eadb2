#include "XlsxReader.h"

#include "XlsxValues.h"

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QUrl>

#include <libxml/parser.h>
#include <libxml/xmlreader.h>

#include <cmath>
#include <cstring>
#include <mutex>

namespace visitorclient {

namespace {

// Workbooks do not grow shared strings beyond what a sheet can address; a damaged count
// must not reserve gigabytes.
constexpr int MaxReservedStrings = 1 << 16;

void initialiseLibxml()
{
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

bool equals(const xmlChar *name, const char *expected)
{
    return name && std::strcmp(reinterpret_cast<const char *>(name), expected) == 0;
}

bool endsWith(const std::string &text, const char *suffix)
{
    const size_t length = std::strlen(suffix);
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

std::string folderOf(const std::string &part)
{
    const size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash);
}

// A relationship target relative to the folder of its source part, as a part name.
std::string resolveTarget(const std::string &folder, const std::string &target)
{
    QString path = QUrl::fromPercentEncoding(QByteArray::fromStdString(target));
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    else if (!folder.empty())
        path = QString::fromStdString(folder) + QLatin1Char('/') + path;
    return QDir::cleanPath(path).toStdString();
}

// One XML part read through libxml2's streaming reader; no DTDs, no network, errors
// kept with the part's name.
class XmlStream
{
public:
    /// Opens part of package; failed() with the reason when it is missing or unreadable.
    XmlStream(IXlsxPackage &package, const std::string &name)
        : m_name(QString::fromStdString(name))
    {
        initialiseLibxml();
        m_part = package.openPart(name, m_error);
        if (!m_part)
            return;
        m_reader = xmlReaderForIO(&XmlStream::readPart, nullptr, this, name.c_str(), nullptr,
                                  XML_PARSE_NONET | XML_PARSE_COMPACT);
        if (!m_reader) {
            m_error = QStringLiteral("[%1] cannot be parsed").arg(m_name);
            return;
        }
        xmlTextReaderSetStructuredErrorHandler(m_reader, &XmlStream::onError, this);
    }
    ~XmlStream()
    {
        if (m_reader)
            xmlFreeTextReader(m_reader);
    }
    XmlStream(const XmlStream &) = delete;
    XmlStream &operator=(const XmlStream &) = delete;

    /// The next node; false at the end of the document or on an error (see failed()).
    bool next()
    {
        if (!m_reader || !m_error.isEmpty())
            return false;
        const int result = xmlTextReaderRead(m_reader);
        if (result == 1 && xmlTextReaderNodeType(m_reader) == XML_READER_TYPE_DOCUMENT_TYPE) {
            // Parts never declare a DTD; refusing one rules out entity expansion attacks.
            m_error = QStringLiteral("[%1] declares a document type").arg(m_name);
            return false;
        }
        if (result == 1)
            return true;
        if (result < 0 && m_error.isEmpty())
            m_error = QStringLiteral("[%1] is not well-formed XML").arg(m_name);
        return false;
    }
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }

    int type() const { return xmlTextReaderNodeType(m_reader); }
    bool isElement(const char *name) const
    {
        return type() == XML_READER_TYPE_ELEMENT && equals(localName(), name);
    }
    bool isEnd(const char *name) const
    {
        return type() == XML_READER_TYPE_END_ELEMENT && equals(localName(), name);
    }
    bool isText() const
    {
        const int t = type();
        return t == XML_READER_TYPE_TEXT || t == XML_READER_TYPE_CDATA ||
               t == XML_READER_TYPE_WHITESPACE || t == XML_READER_TYPE_SIGNIFICANT_WHITESPACE;
    }
    bool isEmptyElement() const { return xmlTextReaderIsEmptyElement(m_reader) == 1; }
    int depth() const { return xmlTextReaderDepth(m_reader); }
    const xmlChar *localName() const { return xmlTextReaderConstLocalName(m_reader); }
    const char *value() const
    {
        return reinterpret_cast<const char *>(xmlTextReaderConstValue(m_reader));
    }

    /// Calls f(localName, value, namespaceUri) for each attribute of the current element.
    template <class F> void attributes(F f)
    {
        if (xmlTextReaderHasAttributes(m_reader) != 1)
            return;
        while (xmlTextReaderMoveToNextAttribute(m_reader) == 1) {
            f(reinterpret_cast<const char *>(xmlTextReaderConstLocalName(m_reader)),
              reinterpret_cast<const char *>(xmlTextReaderConstValue(m_reader)),
              reinterpret_cast<const char *>(xmlTextReaderConstNamespaceUri(m_reader)));
        }
        xmlTextReaderMoveToElement(m_reader);
    }

    /// Collects the text of a rich-text element (a shared string <si> or an inline
    /// <is>, the current element): plain <t> and the runs' <t>, without the phonetic
    /// guides (<rPh>) that East Asian spreadsheets add.
    bool readRichText(QByteArray &text)
    {
        text.clear();
        if (isEmptyElement())
            return true;
        const int start = depth();
        int phonetic = -1;
        bool inText = false;
        while (next()) {
            const int t = type();
            if (t == XML_READER_TYPE_ELEMENT) {
                if (equals(localName(), "rPh") && !isEmptyElement() && phonetic < 0)
                    phonetic = depth();
                else if (equals(localName(), "t") && !isEmptyElement())
                    inText = true;
            } else if (t == XML_READER_TYPE_END_ELEMENT) {
                if (depth() == start)
                    return true;
                if (depth() == phonetic)
                    phonetic = -1;
                else if (equals(localName(), "t"))
                    inText = false;
            } else if (inText && phonetic < 0 && isText()) {
                text += value();
            }
        }
        return false;
    }

private:
    static int readPart(void *context, char *buffer, int length)
    {
        auto *self = static_cast<XmlStream *>(context);
        const int count = self->m_part->read(buffer, length);
        if (count < 0 && self->m_error.isEmpty())
            self->m_error = QStringLiteral("[%1] cannot be read: %2")
                                .arg(self->m_name, self->m_part->errorText());
        return count;
    }
    static void onError(void *context, xmlErrorPtr error)
    {
        auto *self = static_cast<XmlStream *>(context);
        if (!error || error->level < XML_ERR_ERROR || !self->m_error.isEmpty())
            return;
        self->m_error = QStringLiteral("[%1] is not well-formed XML (line %2: %3)")
                            .arg(self->m_name)
                            .arg(error->line)
                            .arg(QString::fromUtf8(error->message).trimmed());
    }

    std::unique_ptr<IXlsxPart> m_part;
    QString m_name;
    xmlTextReaderPtr m_reader = nullptr;
    QString m_error;
};

// The state of one sheet being read.
class SheetParser
{
public:
    using Cell = CXlsxReader::Cell;
    using Kind = CXlsxReader::CellKind;

    struct Styles
    {
        const std::vector<char> &date;
        const std::vector<char> &text;
        bool date1904;
    };

    SheetParser(XmlStream &xml, const QString &sheetName, const QVector<QString> *sharedStrings,
                const Styles &styles)
        : m_xml(xml), m_sheetName(sheetName), m_sharedStrings(sharedStrings), m_styles(styles)
    {}

    QString error() const { return m_error.isEmpty() ? m_xml.error() : m_error; }

    bool run(const CXlsxReader::RowVisitor &visit)
    {
        while (m_xml.next()) {
            if (m_xml.isElement("sheetData")) {
                if (m_xml.isEmptyElement())
                    return true;
                return readData(visit);
            }
        }
        // A worksheet without sheetData has no cells; a damaged one fails in the parser.
        return !m_xml.failed();
    }

private:
    bool readData(const CXlsxReader::RowVisitor &visit)
    {
        QByteArray inlineText;
        while (m_xml.next()) {
            const int type = m_xml.type();
            if (type == XML_READER_TYPE_ELEMENT) {
                const xmlChar *name = m_xml.localName();
                if (equals(name, "row")) {
                    if (!startRow())
                        return false;
                    if (m_xml.isEmptyElement() && !finishRow(visit))
                        return true;
                } else if (equals(name, "c") && m_inRow) {
                    if (!startCell())
                        return false;
                    if (m_xml.isEmptyElement())
                        m_inCell = false;
                } else if (equals(name, "v") && m_inCell) {
                    m_inValue = !m_xml.isEmptyElement();
                    m_hasValue = true;
                } else if (equals(name, "is") && m_inCell) {
                    if (!m_xml.readRichText(inlineText))
                        break;
                    m_value = inlineText;
                    m_hasValue = true;
                    m_hasInline = true;
                }
            } else if (type == XML_READER_TYPE_END_ELEMENT) {
                const xmlChar *name = m_xml.localName();
                if (equals(name, "v")) {
                    m_inValue = false;
                } else if (equals(name, "c") && m_inCell) {
                    m_inCell = false;
                    if (!finishCell())
                        return false;
                } else if (equals(name, "row") && m_inRow) {
                    if (!finishRow(visit))
                        return true;
                } else if (equals(name, "sheetData")) {
                    return true;
                }
            } else if (m_inValue && m_xml.isText()) {
                m_value += m_xml.value();
            }
        }
        return !m_xml.failed() && fail(QStringLiteral("the sheet data end early"));
    }

    bool fail(const QString &reason)
    {
        m_error = QStringLiteral("sheet [%1]: %2").arg(m_sheetName, reason);
        return false;
    }

    QString here() const { return xlsx::columnName(m_column) + QString::number(m_row); }

    bool startRow()
    {
        int row = 0;
        m_xml.attributes([&](const char *name, const char *value, const char *) {
            if (std::strcmp(name, "r") == 0)
                row = QByteArray(value).toInt();
        });
        m_rowFromFile = row > 0;
        row = m_rowFromFile ? row : m_row + 1;
        if (row < 1 || row > xlsx::MaxRows)
            return fail(QStringLiteral("row [%1] lies outside a sheet").arg(row));
        m_row = row;
        m_column = 0;
        m_inRow = true;
        m_cells.clear();
        return true;
    }

    bool finishRow(const CXlsxReader::RowVisitor &visit)
    {
        m_inRow = false;
        return m_cells.empty() || visit(m_row, m_cells);
    }

    bool startCell()
    {
        // Copied: libxml2 may build an attribute's value in a buffer the next one reuses.
        char reference[16] = {};
        bool hasReference = false;
        m_type.clear();
        m_style = 0;
        m_xml.attributes([&](const char *name, const char *value, const char *) {
            if (std::strcmp(name, "r") == 0) {
                hasReference = true;
                std::strncpy(reference, value, sizeof(reference) - 1);
            } else if (std::strcmp(name, "t") == 0)
                m_type = value;
            else if (std::strcmp(name, "s") == 0)
                m_style = QByteArray(value).toInt();
        });
        if (hasReference) {
            const auto position = xlsx::parseCellReference(reference);
            if (!position)
                return fail(QStringLiteral("cell reference [%1] in row [%2] is not valid")
                                .arg(QString::fromUtf8(reference))
                                .arg(m_row));
            // Rows written without their number take it from their cells.
            if (!m_rowFromFile && m_cells.empty())
                m_row = position->row;
            m_column = position->column;
        } else if (++m_column > xlsx::MaxColumns) {
            return fail(QStringLiteral("row [%1] has more cells than a sheet").arg(m_row));
        }
        m_value.clear();
        m_hasValue = false;
        m_hasInline = false;
        m_inCell = true;
        return true;
    }

    bool styleIs(const std::vector<char> &flags) const
    {
        return m_style >= 0 && size_t(m_style) < flags.size() && flags[size_t(m_style)];
    }

    bool finishCell()
    {
        if (!m_hasValue)
            return true;
        Cell cell;
        cell.column = m_column;
        cell.textFormat = styleIs(m_styles.text);
        const QByteArray &type = m_type;
        if (type == "s") {
            if (!sharedString(cell.text))
                return false;
        } else if (type == "inlineStr" || type == "str") {
            cell.text = xlsx::decodeEscapes(QString::fromUtf8(m_value));
        } else if (type == "b") {
            cell.kind = Kind::Boolean;
            cell.number = m_value.trimmed() == "1" || m_value.trimmed() == "true";
            cell.text = cell.number ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        } else if (type == "d") {
            cell.text = QString::fromUtf8(m_value);
            if (const auto serial = xlsx::dateTimeTextToSerial(cell.text)) {
                cell.kind = Kind::DateTime;
                cell.number = *serial;
                cell.text = xlsx::serialToDateTimeText(*serial, false);
            }
        } else if (type.isEmpty() || type == "n") {
            number(cell);
        } else {
            // Errors ("e") and anything unknown keep their stored text.
            cell.text = QString::fromUtf8(m_value);
        }
        if (!cell.text.isEmpty())
            m_cells.push_back(std::move(cell));
        return true;
    }

    void number(Cell &cell)
    {
        bool ok = false;
        const double value = m_value.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            // Not a number after all: keep what is stored rather than lose it.
            cell.text = QString::fromUtf8(m_value.trimmed());
            return;
        }
        cell.number = value;
        if (styleIs(m_styles.date)) {
            cell.text = xlsx::serialToDateTimeText(value, m_styles.date1904);
            if (!cell.text.isEmpty()) {
                cell.kind = Kind::DateTime;
                // Kept in the 1900 system, the one the writer uses.
                if (m_styles.date1904)
                    cell.number = xlsx::dateTimeTextToSerial(cell.text).value_or(value);
                return;
            }
        }
        cell.kind = Kind::Number;
        cell.text = xlsx::numberText(value);
    }

    bool sharedString(QString &text)
    {
        bool ok = false;
        const int index = m_value.trimmed().toInt(&ok);
        if (!m_sharedStrings)
            return fail(QStringLiteral("cell [%1] refers to a shared string, but the workbook "
                                       "has no shared strings part")
                            .arg(here()));
        if (!ok || index < 0 || index >= m_sharedStrings->size())
            return fail(QStringLiteral("cell [%1] refers to shared string [%2] of [%3]")
                            .arg(here(), QString::fromUtf8(m_value))
                            .arg(m_sharedStrings->size()));
        text = m_sharedStrings->at(index);
        return true;
    }

    XmlStream &m_xml;
    QString m_sheetName;
    const QVector<QString> *m_sharedStrings;
    Styles m_styles;
    QString m_error;

    std::vector<Cell> m_cells;
    int m_row = 0;
    int m_column = 0;
    bool m_rowFromFile = false;
    bool m_inRow = false;
    bool m_inCell = false;
    bool m_inValue = false;
    bool m_hasValue = false;
    bool m_hasInline = false;
    QByteArray m_type;
    int m_style = 0;
    QByteArray m_value;
};

} // namespace

CXlsxReader::CXlsxReader(std::unique_ptr<IXlsxPackage> package) : m_package(std::move(package)) {}

CXlsxReader::~CXlsxReader() = default;

bool CXlsxReader::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

QString CXlsxReader::sheetName(int index) const
{
    return index >= 0 && index < sheetCount() ? m_sheets[size_t(index)].name : QString();
}

bool CXlsxReader::open()
{
    m_sheets.clear();
    m_sharedStrings.clear();
    m_hasSharedStrings = false;
    m_dateStyles.clear();
    m_textStyles.clear();
    m_date1904 = false;
    m_error.clear();
    if (!m_package)
        return fail(QStringLiteral("no workbook"));

    std::string workbookPart = "xl/workbook.xml";
    if (m_package->hasPart("_rels/.rels")) {
        std::vector<Relationship> documents;
        if (!readRelationships("_rels/.rels", std::string(), documents))
            return false;
        for (const Relationship &relationship : documents) {
            if (relationship.type == "officeDocument") {
                workbookPart = relationship.target;
                break;
            }
        }
    }
    if (!m_package->hasPart(workbookPart))
        return fail(QStringLiteral("not an .xlsx file: the workbook part [%1] is missing")
                        .arg(QString::fromStdString(workbookPart)));

    const std::string folder = folderOf(workbookPart);
    const std::string relationshipsPart =
        (folder.empty() ? std::string() : folder + "/") + "_rels/" +
        workbookPart.substr(folder.empty() ? 0 : folder.size() + 1) + ".rels";
    std::vector<Relationship> relationships;
    if (!m_package->hasPart(relationshipsPart))
        return fail(QStringLiteral("the workbook's relationships [%1] are missing")
                        .arg(QString::fromStdString(relationshipsPart)));
    if (!readRelationships(relationshipsPart, folder, relationships))
        return false;

    std::vector<std::pair<QString, std::string>> listed;
    if (!readWorkbook(workbookPart, listed))
        return false;
    for (const auto &entry : listed) {
        const Relationship *found = nullptr;
        for (const Relationship &relationship : relationships) {
            if (relationship.id == entry.second)
                found = &relationship;
        }
        // Chart and dialog sheets hold no cells.
        if (found && found->type != "worksheet")
            continue;
        m_sheets.push_back(Sheet{entry.first, found ? found->target : std::string()});
    }

    for (const Relationship &relationship : relationships) {
        if (relationship.type == "sharedStrings" && !readSharedStrings(relationship.target))
            return false;
        if (relationship.type == "styles" && !readStyles(relationship.target))
            return false;
    }
    return true;
}

bool CXlsxReader::readRelationships(const std::string &part, const std::string &baseFolder,
                                    std::vector<Relationship> &relationships)
{
    XmlStream xml(*m_package, part);
    if (xml.failed())
        return fail(xml.error());
    while (xml.next()) {
        if (!xml.isElement("Relationship"))
            continue;
        Relationship relationship;
        bool external = false;
        xml.attributes([&](const char *name, const char *value, const char *) {
            if (std::strcmp(name, "Id") == 0)
                relationship.id = value;
            else if (std::strcmp(name, "Type") == 0)
                relationship.type = value;
            else if (std::strcmp(name, "Target") == 0)
                relationship.target = value;
            else if (std::strcmp(name, "TargetMode") == 0)
                external = std::strcmp(value, "External") == 0;
        });
        if (external || relationship.target.empty())
            continue;
        const size_t slash = relationship.type.rfind('/');
        if (slash != std::string::npos)
            relationship.type.erase(0, slash + 1);
        relationship.target = resolveTarget(baseFolder, relationship.target);
        relationships.push_back(std::move(relationship));
    }
    return !xml.failed() || fail(xml.error());
}

bool CXlsxReader::readWorkbook(const std::string &part,
                               std::vector<std::pair<QString, std::string>> &sheets)
{
    XmlStream xml(*m_package, part);
    if (xml.failed())
        return fail(xml.error());
    while (xml.next()) {
        if (xml.isElement("workbookPr")) {
            xml.attributes([&](const char *name, const char *value, const char *) {
                if (std::strcmp(name, "date1904") == 0)
                    m_date1904 = std::strcmp(value, "1") == 0 || std::strcmp(value, "true") == 0;
            });
        } else if (xml.isElement("sheet")) {
            QString name;
            std::string id;
            xml.attributes([&](const char *attribute, const char *value, const char *uri) {
                if (std::strcmp(attribute, "name") == 0)
                    name = QString::fromUtf8(value);
                else if (std::strcmp(attribute, "id") == 0 && uri && endsWith(uri, "relationships"))
                    id = value;
            });
            sheets.emplace_back(name, id);
        }
    }
    return !xml.failed() || fail(xml.error());
}

bool CXlsxReader::checkSheets()
{
    if (m_sheets.empty())
        return fail(QStringLiteral("the workbook has no worksheet"));
    for (const Sheet &sheet : m_sheets) {
        if (sheet.part.empty())
            return fail(QStringLiteral("sheet [%1] has no part").arg(sheet.name));
        if (!m_package->hasPart(sheet.part))
            return fail(QStringLiteral("the part [%1] of sheet [%2] is missing")
                            .arg(QString::fromStdString(sheet.part), sheet.name));
    }
    return true;
}

bool CXlsxReader::readSharedStrings(const std::string &part)
{
    XmlStream xml(*m_package, part);
    if (xml.failed())
        return fail(QStringLiteral("the shared strings are missing: %1").arg(xml.error()));
    QByteArray text;
    while (xml.next()) {
        if (xml.isElement("sst")) {
            xml.attributes([&](const char *name, const char *value, const char *) {
                if (std::strcmp(name, "uniqueCount") == 0)
                    m_sharedStrings.reserve(
                        qBound(0, QByteArray(value).toInt(), MaxReservedStrings));
            });
        } else if (xml.isElement("si")) {
            if (!xml.readRichText(text))
                break;
            m_sharedStrings.append(xlsx::decodeEscapes(QString::fromUtf8(text)));
        }
    }
    if (xml.failed())
        return fail(xml.error());
    m_hasSharedStrings = true;
    return true;
}

bool CXlsxReader::readStyles(const std::string &part)
{
    XmlStream xml(*m_package, part);
    if (xml.failed())
        return fail(QStringLiteral("the styles are missing: %1").arg(xml.error()));
    QHash<int, QString> codes;
    bool inCellFormats = false;
    while (xml.next()) {
        if (xml.isElement("numFmt")) {
            int id = -1;
            QString code;
            xml.attributes([&](const char *name, const char *value, const char *) {
                if (std::strcmp(name, "numFmtId") == 0)
                    id = QByteArray(value).toInt();
                else if (std::strcmp(name, "formatCode") == 0)
                    code = QString::fromUtf8(value);
            });
            codes.insert(id, code);
        } else if (xml.isElement("cellXfs")) {
            inCellFormats = !xml.isEmptyElement();
        } else if (xml.isEnd("cellXfs")) {
            inCellFormats = false;
        } else if (inCellFormats && xml.isElement("xf")) {
            int id = 0;
            xml.attributes([&](const char *name, const char *value, const char *) {
                if (std::strcmp(name, "numFmtId") == 0)
                    id = QByteArray(value).toInt();
            });
            const QString code = codes.value(id);
            m_dateStyles.push_back(xlsx::isDateFormat(id, code));
            m_textStyles.push_back(xlsx::isTextFormat(id, code));
        }
    }
    return !xml.failed() || fail(xml.error());
}

bool CXlsxReader::readSheet(int index, const RowVisitor &visit)
{
    m_error.clear();
    if (index < 0 || index >= sheetCount())
        return fail(QStringLiteral("there is no sheet [%1]").arg(index + 1));
    const Sheet &sheet = m_sheets[size_t(index)];
    XmlStream xml(*m_package, sheet.part);
    if (xml.failed())
        return fail(xml.error());
    SheetParser parser(xml, sheet.name, m_hasSharedStrings ? &m_sharedStrings : nullptr,
                       SheetParser::Styles{m_dateStyles, m_textStyles, m_date1904});
    return parser.run(visit) || fail(parser.error());
}

} // namespace visitorclient
