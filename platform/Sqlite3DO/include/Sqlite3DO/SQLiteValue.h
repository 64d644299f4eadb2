#pragma once
// Values that travel into statements (bound parameters) and out of them (columns).

#include <Sqlite3DO/Sqlite3DOExport.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Sqlite3DO {

class SQLITE3DO_EXPORT CSQLiteValue
{
public:
    enum class Type { Null, Integer, Real, Text, Blob };

    CSQLiteValue() = default;
    CSQLiteValue(std::nullptr_t) {}
    CSQLiteValue(int value) : m_type(Type::Integer), m_int(value) {}
    CSQLiteValue(std::int64_t value) : m_type(Type::Integer), m_int(value) {}
    CSQLiteValue(double value) : m_type(Type::Real), m_real(value) {}
    /// Text is UTF-8, bound as text: it may hold any bytes, quotes included.
    CSQLiteValue(const char *text)
        : m_type(text ? Type::Text : Type::Null), m_text(text ? text : "")
    {}
    CSQLiteValue(std::string text) : m_type(Type::Text), m_text(std::move(text)) {}
    static CSQLiteValue Blob(std::string bytes);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    /// Integer of an integer or real value, of a text that starts with a number; else 0.
    std::int64_t toInt64() const;
    double toDouble() const;
    /// The text or blob bytes; a number in decimal; empty for null.
    std::string toText() const;

    friend bool operator==(const CSQLiteValue &a, const CSQLiteValue &b);
    friend bool operator!=(const CSQLiteValue &a, const CSQLiteValue &b) { return !(a == b); }

private:
    Type m_type = Type::Null;
    std::int64_t m_int = 0;
    double m_real = 0.0;
    std::string m_text;
};

using CSQLiteParams = std::vector<CSQLiteValue>;

/// One row of a query result, with the column names of its statement.
class SQLITE3DO_EXPORT CSQLiteRow
{
public:
    CSQLiteRow(std::shared_ptr<const std::vector<std::string>> columns,
               std::vector<CSQLiteValue> values);

    std::size_t size() const { return m_values.size(); }
    const CSQLiteValue &at(std::size_t index) const { return m_values.at(index); }
    /// The value of the named column (ASCII case-insensitive, as SQL names are); null
    /// when the statement had no such column.
    const CSQLiteValue &value(const std::string &column) const;
    const std::vector<std::string> &columns() const { return *m_columns; }

private:
    std::shared_ptr<const std::vector<std::string>> m_columns;
    std::vector<CSQLiteValue> m_values;
};

using CSQLiteRows = std::vector<CSQLiteRow>;

} // namespace Sqlite3DO
