#include "TemplateStore.h"

#include <Logical/Database/TemplateSession.h>

#include <Common/CommonMethod/InitDBLogical.h>

namespace visitorclient {

CTemplateStore::CTemplateStore(QObject *parent) : QObject(parent)
{
    // One thread: requests run in the order they were made.
    m_worker.setMaxThreadCount(1);
    m_worker.setExpiryTimeout(-1);
}

CTemplateStore::~CTemplateStore()
{
    // The jobs emit this object's signals: they must be done before it goes.
    m_worker.waitForDone();
}

bool CTemplateStore::isAvailable()
{
    return comm_method::isComponentDBReady();
}

void CTemplateStore::insert(const QString &name)
{
    write(name, false);
}

void CTemplateStore::seed(const QString &name)
{
    write(name, true);
}

void CTemplateStore::write(const QString &name, bool onlyIntoEmptyTable)
{
    const std::string utf8 = name.toStdString();
    m_worker.start([this, utf8, onlyIntoEmptyTable] {
        TemplateSession session;
        if (onlyIntoEmptyTable) {
            session.seed(TemplateStruct{utf8});
            emit signalSeeded(session.ok());
        } else {
            session.insert(TemplateStruct{utf8});
            emit signalInserted(session.ok());
        }
    });
}

void CTemplateStore::loadNewest(const QString &current)
{
    const std::string utf8 = current.toStdString();
    m_worker.start([this, utf8] {
        TemplateSession session;
        TemplateStruct data{utf8};
        session.query(data);
        emit signalLoaded(session.ok(), QString::fromStdString(data.Name));
    });
}

} // namespace visitorclient
