#include <QorvaGUIToolkit/ConvertFromUnicode.h>

#include <Base/Encoding.h>

namespace QorvaGUIToolkit {

std::string ConvertFromUnicode(const QString &text)
{
    return Base::UTF8ToLocal(text.toStdString());
}

} // namespace QorvaGUIToolkit
