#pragma once
// The component's local operation log: successful changes by the operator (detail
// entries, types 9000..9008) and other events, with time, operator and type, kept in
// the component's data directory across restarts.

#include <UiDataController/UiDataControllerExport.h>

#include <clientcommonlogical/LocalLogRecord.h>

#include <Base/Singleton.h>

#include <QList>
#include <QString>

#include <memory>
#include <mutex>

namespace clientcommonlogical {
class CLocalLogDelegate;
class CUserConfigDelegate;
}

namespace UiDataController {

class UIDATACONTROLLER_EXPORT CLocalLogManager : public Base::CSingleton<CLocalLogManager>
{
    friend class Base::CSingleton<CLocalLogManager>;

public:
    /// Takes the delegate that stores the entries. Until init() runs, entries are only
    /// written to the product log. Any thread.
    void init(const std::shared_ptr<clientcommonlogical::CLocalLogDelegate> &delegate);
    /// Where the operator's name comes from; without one the name is empty.
    void setUserConfig(const std::shared_ptr<clientcommonlogical::CUserConfigDelegate> &userConfig);
    std::shared_ptr<clientcommonlogical::CLocalLogDelegate> delegate() const;

    /// Appends a detail entry; returns at once (the file is written on a worker).
    void writeDetailOperationLog(int type, const QString &text);
    /// Appends an entry of the "other" category.
    void writeOtherLog(int type, const QString &text);

    /// Waits until the entries written so far are stored; then reads them back.
    QList<clientcommonlogical::LocalLogRecord> readAll() const;

private:
    CLocalLogManager() = default;
    void write(int category, int type, const QString &text);

    mutable std::mutex m_mutex;
    std::shared_ptr<clientcommonlogical::CLocalLogDelegate> m_pDelegate;
    std::shared_ptr<clientcommonlogical::CUserConfigDelegate> m_pUserConfig;
};

} // namespace UiDataController

// Instantiated in its own library only: one instance per process.
extern template class Base::CSingleton<UiDataController::CLocalLogManager>;
