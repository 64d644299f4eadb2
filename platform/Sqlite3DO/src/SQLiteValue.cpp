#include <Sqlite3DO/SQLiteValue.h>

#include <cstdlib>
#include <sstream>
#include <utility>

namespace Sqlite3DO {

namespace {

bool sameNameIgnoringAsciiCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

CSQLiteValue CSQLiteValue::Blob(std::string bytes)
{
    CSQLiteValue value(std::move(bytes));
    value.m_type = Type::Blob;
    return value;
}

std::int64_t CSQLiteValue::toInt64() const
{
    switch (m_type) {
    case Type::Integer:
        return m_int;
    case Type::Real:
        return static_cast<std::int64_t>(m_real);
    case Type::Text:
        return std::strtoll(m_text.c_str(), nullptr, 10);
    default:
        return 0;
    }
}

double CSQLiteValue::toDouble() const
{
    switch (m_type) {
    case Type::Integer:
        return static_cast<double>(m_int);
    case Type::Real:
        return m_real;
    case Type::Text:
        return std::strtod(m_text.c_str(), nullptr);
    default:
        return 0.0;
    }
}

std::string CSQLiteValue::toText() const
{
    switch (m_type) {
    case Type::Integer:
        return std::to_string(m_int);
    case Type::Real: {
        std::ostringstream out;
        out.precision(17);
        out << m_real;
        return out.str();
    }
    case Type::Text:
    case Type::Blob:
        return m_text;
    default:
        return std::string();
    }
}

bool operator==(const CSQLiteValue &a, const CSQLiteValue &b)
{
    if (a.m_type != b.m_type)
        return false;
    switch (a.m_type) {
    case CSQLiteValue::Type::Integer:
        return a.m_int == b.m_int;
    case CSQLiteValue::Type::Real:
        return a.m_real == b.m_real;
    case CSQLiteValue::Type::Text:
    case CSQLiteValue::Type::Blob:
        return a.m_text == b.m_text;
    default:
        return true;
    }
}

CSQLiteRow::CSQLiteRow(std::shared_ptr<const std::vector<std::string>> columns,
                       std::vector<CSQLiteValue> values)
    : m_columns(std::move(columns)), m_values(std::move(values))
{}

const CSQLiteValue &CSQLiteRow::value(const std::string &column) const
{
    static const CSQLiteValue null;
    const std::vector<std::string> &names = *m_columns;
    for (std::size_t i = 0; i < names.size() && i < m_values.size(); ++i) {
        if (sameNameIgnoringAsciiCase(names[i], column))
            return m_values[i];
    }
    return null;
}

} // namespace Sqlite3DO
