#include "TemplateStore.h"

#include <Logical/Database/TemplateSession.h>

#include <Common/CommonMethod/InitDBLogical.h>

namespace visitorclient {

CTemplateStore::CTemplateStore(QObject *parent) : QObject(parent) {}

CTemplateStore::~CTemplateStore()
{
    // The jobs use this object: they must be done before it goes.
    m_worker.waitForIdle();
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
    const auto written = [this, onlyIntoEmptyTable](bool ok) {
        deliver([this, onlyIntoEmptyTable, ok] {
            if (onlyIntoEmptyTable)
                emit signalSeeded(ok);
            else
                emit signalInserted(ok);
        });
    };
    const bool queued = m_worker.post([utf8, onlyIntoEmptyTable, written] {
        TemplateSession session;
        if (onlyIntoEmptyTable)
            session.seed(TemplateStruct{utf8});
        else
            session.insert(TemplateStruct{utf8});
        written(session.ok());
    });
    // Without a worker thread (logged by the queue) the caller still gets its answer.
    if (!queued)
        written(false);
}

void CTemplateStore::loadNewest(const QString &current)
{
    const std::string utf8 = current.toStdString();
    const auto loaded = [this](bool ok, std::string name) {
        deliver([this, ok, name = std::move(name)] {
            emit signalLoaded(ok, QString::fromStdString(name));
        });
    };
    const bool queued = m_worker.post([utf8, loaded] {
        TemplateSession session;
        TemplateStruct data{utf8};
        session.query(data);
        loaded(session.ok(), std::move(data.Name));
    });
    if (!queued)
        loaded(false, utf8);
}

void CTemplateStore::deliver(std::function<void()> emitOutcome)
{
    // Emitting on the worker would run direct receivers there, and a receiver that began
    // waiting for the signal just after the request could miss it.
    if (m_outcomes.push(std::move(emitOutcome)))
        QMetaObject::invokeMethod(this, "deliverOutcomes", Qt::QueuedConnection);
}

void CTemplateStore::deliverOutcomes()
{
    for (const auto &emitOutcome : m_outcomes.takeAll())
        emitOutcome();
}

} // namespace visitorclient
