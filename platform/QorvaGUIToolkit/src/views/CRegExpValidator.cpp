#include <QorvaGUIToolkit/CRegExpValidator.h>

namespace QorvaGUIToolkit {

namespace {
const QString &invalidCharacters()
{
    static const QString characters = QStringLiteral("/\\:*?\"<>|");
    return characters;
}

bool hasInvalidCharacter(const QString &input)
{
    for (const QChar ch : input) {
        if (invalidCharacters().contains(ch))
            return true;
    }
    return false;
}
} // namespace

CRegExpValidator::CRegExpValidator(int maxLength, QObject *parent)
    : QRegExpValidator(parent), m_maxLength(qMax(0, maxLength))
{}

CRegExpValidator::CRegExpValidator(const QRegExp &pattern, int maxLength, QObject *parent)
    : QRegExpValidator(pattern, parent), m_maxLength(qMax(0, maxLength))
{}

CRegExpValidator::CRegExpValidator(const QString &pattern, int maxLength, QObject *parent)
    : QRegExpValidator(QRegExp(pattern), parent), m_maxLength(qMax(0, maxLength))
{}

QString CRegExpValidator::InvalidCharacters()
{
    return invalidCharacters();
}

QValidator::State CRegExpValidator::validate(QString &input, int &pos) const
{
    if (input.size() > m_maxLength || hasInvalidCharacter(input))
        return Invalid;
    if (regExp().pattern().isEmpty())
        return Acceptable;
    return QRegExpValidator::validate(input, pos);
}

void CRegExpValidator::fixup(QString &input) const
{
    QString cleaned;
    cleaned.reserve(qMin(input.size(), m_maxLength));
    for (const QChar ch : qAsConst(input)) {
        if (cleaned.size() >= m_maxLength)
            break;
        if (!invalidCharacters().contains(ch))
            cleaned.append(ch);
    }
    input = cleaned;
}

} // namespace QorvaGUIToolkit
