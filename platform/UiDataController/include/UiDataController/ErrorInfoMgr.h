#pragma once
// Readable texts of error-code pairs (module, code), as kept by Base::Error.
// Built in: module 67 (the LPC link's status numbers, lpc_status/LPCStatus.h: not
// connected, time-out, connection lost, frame too large, server busy, ...) and module 1
// (JSON, codes 1-7). Other libraries add theirs with registerErrorText. All functions
// are thread-safe.

#include <UiDataController/UiDataControllerExport.h>

#include <lpc_status/LPCStatus.h>

#include <QString>

namespace UiDataController {

class UIDATACONTROLLER_EXPORT CErrorInfoMgr
{
public:
    enum Module { JsonModule = 1, LpcModule = lpcstatus::kErrorModule };

    /// The text of the pair followed by the pair, e.g. "The server is busy. (67-1015)".
    /// Unknown pairs give the generic text of GetErrorMessageByCode.
    static QString GetErrorInfoByCode(int module, int code);
    /// The text of the pair alone, translated into the current language. Unknown pairs
    /// give "Unknown error (module <m>, code <c>)."; 0-0 gives "Succeeded.".
    static QString GetErrorMessageByCode(int module, int code);
    /// Adds or replaces the text of a pair. The text is an English source text; it is
    /// looked up in the translation context "CErrorInfoMgr" when shown.
    static void registerErrorText(int module, int code, const QString &text);
    /// Whether a text is known for the pair.
    static bool hasErrorText(int module, int code);
};

} // namespace UiDataController
