#pragma once
// Conversion of GUI text to the product's local code page.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QString>

#include <string>

namespace QorvaGUIToolkit {

/// The text as bytes of the local code page (GBK unless QORVA_LOCAL_CODEPAGE names
/// another); characters the code page lacks become '?'. Any thread.
QORVAGUITOOLKIT_EXPORT std::string ConvertFromUnicode(const QString &text);

} // namespace QorvaGUIToolkit
