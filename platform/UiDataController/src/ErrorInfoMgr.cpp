#include <UiDataController/ErrorInfoMgr.h>

#include <QCoreApplication>
#include <QHash>

#include <mutex>
#include <shared_mutex>

namespace UiDataController {

namespace {

struct ErrorTable
{
    // std::shared_mutex rather than QReadWriteLock: race checkers see its hand-over.
    std::shared_mutex lock;
    QHash<quint64, QString> texts;

    ErrorTable()
    {
        const struct
        {
            int module;
            int code;
            const char *text;
        } builtIn[] = {
            {CErrorInfoMgr::LpcModule, lpcstatus::NotConnected,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "Not connected to the client framework.")},
            {CErrorInfoMgr::LpcModule, lpcstatus::ConnectFailed,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "Not connected to the client framework.")},
            {CErrorInfoMgr::LpcModule, lpcstatus::Timeout,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "The request timed out.")},
            {CErrorInfoMgr::LpcModule, lpcstatus::ConnectionLost,
             QT_TRANSLATE_NOOP("CErrorInfoMgr",
                               "The connection to the client framework was lost.")},
            {CErrorInfoMgr::LpcModule, lpcstatus::FrameTooLarge,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "The message is too large to be sent.")},
            {CErrorInfoMgr::LpcModule, lpcstatus::ServerBusy,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "The server is busy. Please try again later.")},
            {CErrorInfoMgr::JsonModule, 1,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "The data is not valid JSON.")},
            {CErrorInfoMgr::JsonModule, 2,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "A required item is missing from the data.")},
            {CErrorInfoMgr::JsonModule, 3,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "An item of the data has the wrong type.")},
            {CErrorInfoMgr::JsonModule, 4,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "A value of the data is out of range.")},
            {CErrorInfoMgr::JsonModule, 5,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "A text of the data is too long.")},
            {CErrorInfoMgr::JsonModule, 6,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "The data names an unknown record type.")},
            {CErrorInfoMgr::JsonModule, 7,
             QT_TRANSLATE_NOOP("CErrorInfoMgr", "The answer of the server could not be read.")},
        };
        for (const auto &e : builtIn)
            texts.insert(key(e.module, e.code), QString::fromUtf8(e.text));
    }

    static quint64 key(int module, int code)
    {
        return (quint64(quint32(module)) << 32) | quint32(code);
    }
};

ErrorTable &table()
{
    static ErrorTable t;
    return t;
}

} // namespace

QString CErrorInfoMgr::GetErrorMessageByCode(int module, int code)
{
    if (module == 0 && code == 0)
        return QCoreApplication::translate("CErrorInfoMgr", "Succeeded.");
    QString source;
    {
        std::shared_lock<std::shared_mutex> lock(table().lock);
        source = table().texts.value(ErrorTable::key(module, code));
    }
    if (source.isEmpty())
        return QCoreApplication::translate("CErrorInfoMgr", "Unknown error (module %1, code %2).")
            .arg(module)
            .arg(code);
    return QCoreApplication::translate("CErrorInfoMgr", source.toUtf8().constData());
}

QString CErrorInfoMgr::GetErrorInfoByCode(int module, int code)
{
    if (!hasErrorText(module, code))
        return GetErrorMessageByCode(module, code);
    return QStringLiteral("%1 (%2-%3)")
        .arg(GetErrorMessageByCode(module, code))
        .arg(module)
        .arg(code);
}

void CErrorInfoMgr::registerErrorText(int module, int code, const QString &text)
{
    std::unique_lock<std::shared_mutex> lock(table().lock);
    table().texts.insert(ErrorTable::key(module, code), text);
}

bool CErrorInfoMgr::hasErrorText(int module, int code)
{
    std::shared_lock<std::shared_mutex> lock(table().lock);
    return table().texts.contains(ErrorTable::key(module, code));
}

} // namespace UiDataController
