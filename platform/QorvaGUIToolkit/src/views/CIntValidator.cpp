#include <QorvaGUIToolkit/CIntValidator.h>

namespace QorvaGUIToolkit {

CIntValidator::CIntValidator(QObject *parent) : QIntValidator(parent) {}

CIntValidator::CIntValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{}

QValidator::State CIntValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Intermediate;
    int start = 0;
    if (input.at(0) == QLatin1Char('-')) {
        if (bottom() >= 0)
            return Invalid;
        start = 1;
    }
    if (start == input.size())
        return Intermediate;
    // More digits than any int has: refuse before converting.
    if (input.size() - start > 10)
        return Invalid;
    for (int i = start; i < input.size(); ++i) {
        const ushort c = input.at(i).unicode();
        if (c < '0' || c > '9')
            return Invalid;
    }
    const qlonglong value = input.toLongLong();
    if (value > top())
        return Invalid;
    if (value < bottom())
        return value < 0 ? Invalid : Intermediate;
    return Acceptable;
}

void CIntValidator::fixup(QString &input) const
{
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    if (ok)
        input = QString::number(qBound<qlonglong>(bottom(), value, top()));
}

} // namespace QorvaGUIToolkit
