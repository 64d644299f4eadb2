#include "ScriptRunner.h"

#include "ComponentHost.h"

#include <LPC_Server/LPCServerTypes.h>
#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/Routes/Routes.h>
#include <JSONStruct/Routes/WireNames.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>

#include <Base/Log.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <algorithm>
#include <csignal>
#include <set>
#include <sys/types.h>

namespace clientframework {

namespace {

// Splits at blanks; a JSON text or the rest of a line stays one argument.
QStringList splitArgs(const QString &line, QString *verb)
{
    const QString trimmed = line.trimmed();
    const int space = trimmed.indexOf(QLatin1Char(' '));
    *verb = space < 0 ? trimmed : trimmed.left(space);
    QString rest = space < 0 ? QString() : trimmed.mid(space + 1).trimmed();
    QStringList args;
    while (!rest.isEmpty()) {
        if (rest.startsWith(QLatin1Char('{')) || rest.startsWith(QLatin1Char('['))) {
            args << rest;
            break;
        }
        const int next = rest.indexOf(QLatin1Char(' '));
        args << (next < 0 ? rest : rest.left(next));
        rest = next < 0 ? QString() : rest.mid(next + 1).trimmed();
    }
    return args;
}

QString joinFrom(const QStringList &args, int from)
{
    return args.mid(from).join(QLatin1Char(' '));
}

} // namespace

ScriptRunner::ScriptRunner(ComponentHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this]() {
        if (m_index < m_steps.size())
            fail(QStringLiteral("timed out waiting: %1 %2").arg(m_steps[m_index].verb, m_steps[m_index].args.join(' ')));
    });
    connect(&m_host, &ComponentHost::initFinished, this, [this]() {
        m_initFinished = true;
        advance();
    });
    connect(&m_host, &ComponentHost::windowShown, this, [this](const QString &name) {
        m_windowsShown.insert(name);
        advance();
    });
    connect(&m_host, &ComponentHost::requestRouted, this, [this](const QString &url, int, const QString &) {
        m_urlsSeen << url;
        advance();
    });
    connect(&m_host, &ComponentHost::componentExited, this, [this](int code, bool crashed, const QString &) {
        m_exited = true;
        m_crashed = crashed;
        m_exitCode = code;
        advance();
    });
    connect(&m_host, &ComponentHost::componentStarted, this, [this]() {
        m_exited = false;
        m_crashed = false;
        m_initFinished = false;
        m_windowsShown.clear();
    });
    connect(&m_host, &ComponentHost::callFinished, this,
            [this](int ticket, const QString &, const QString &result, const QString &body) {
                if (ticket != m_pendingTicket)
                    return;
                m_pendingTicket = 0;
                m_replyResult = result;
                m_replyBody = body;
                advance();
            });
}

bool ScriptRunner::validate(const Step &step, QString *why)
{
    static const QMap<QString, int> minArgs{
        {"timeout", 1}, {"start", 0},   {"wait", 1},        {"call", 1},   {"http", 1},
        {"notify", 1},  {"control", 1}, {"switch-user", 1}, {"expect", 1}, {"stop", 0},
        {"kill", 0},    {"quit", 0},    {"ui", 1},          {"open", 1}};
    const auto it = minArgs.find(step.verb);
    if (it == minArgs.end()) {
        *why = QStringLiteral("line %1: unknown step \"%2\"").arg(step.line).arg(step.verb);
        return false;
    }
    if (step.args.size() < it.value()) {
        *why = QStringLiteral("line %1: \"%2\" needs %3 argument(s)").arg(step.line).arg(step.verb).arg(it.value());
        return false;
    }
    return true;
}

bool ScriptRunner::load(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.trimmed().startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        Step step;
        step.args = splitArgs(line, &step.verb);
        step.line = i + 1;
        step.text = line.trimmed().mid(step.verb.size()).trimmed();
        if (!validate(step, &m_error))
            return false;
        m_steps << step;
    }
    return true;
}

bool ScriptRunner::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read script %1").arg(path);
        return false;
    }
    return load(QString::fromUtf8(file.readAll()));
}

void ScriptRunner::addStep(const QString &verb, const QStringList &args)
{
    Step step;
    step.verb = verb;
    step.args = args;
    step.line = m_steps.size() + 1;
    step.text = args.join(QLatin1Char(' '));
    m_steps << step;
}

bool ScriptRunner::usesUiSteps() const
{
    return std::any_of(m_steps.begin(), m_steps.end(),
                       [](const Step &step) { return step.verb == QLatin1String("ui"); });
}

void ScriptRunner::run()
{
    // Before any start: the component reads the variable when it starts.
    if (usesUiSteps())
        m_host.enableUiDriver();
    m_index = 0;
    m_running = true;
    m_waiting = false;
    QMetaObject::invokeMethod(this, &ScriptRunner::advance, Qt::QueuedConnection);
}

void ScriptRunner::fail(const QString &why)
{
    if (!m_running)
        return;
    m_running = false;
    m_timer.stop();
    m_error = why;
    LOG_ERROR("Script failed: %s", qUtf8Printable(why));
    emit finished(false, why);
}

void ScriptRunner::advance()
{
    // Host signals raised inside a step come back here; the outer loop re-checks.
    if (m_inAdvance)
        return;
    m_inAdvance = true;
    advanceSteps();
    m_inAdvance = false;
}

void ScriptRunner::advanceSteps()
{
    while (m_running) {
        if (m_index >= m_steps.size()) {
            m_running = false;
            m_timer.stop();
            emit finished(true, QStringLiteral("script passed"));
            return;
        }
        const Step &step = m_steps[m_index];
        int state = 0;
        if (m_waiting) {
            if (step.verb == QLatin1String("ui"))
                state = m_pendingTicket == 0 ? checkUiReply(step) : 0;
            else
                state = (step.verb == QLatin1String("call") || step.verb == QLatin1String("http") ||
                         step.verb == QLatin1String("switch-user"))
                            ? (m_pendingTicket == 0 ? 1 : 0)
                            : (waitSatisfied(step) ? 1 : 0);
        } else {
            emit stepStarted(m_index, step.verb + QLatin1Char(' ') + step.args.join(QLatin1Char(' ')));
            state = execute(step);
        }
        if (state < 0) {
            fail(m_error);
            return;
        }
        if (state == 0) {
            if (!m_waiting) {
                m_waiting = true;
                m_timer.start(m_timeoutMs);
            }
            return;
        }
        m_waiting = false;
        m_timer.stop();
        ++m_index;
        if (step.verb == QLatin1String("quit")) {
            m_index = m_steps.size();
        }
    }
}

bool ScriptRunner::waitSatisfied(const Step &step) const
{
    const QString what = step.args.value(0);
    if (what == QLatin1String("initFinish"))
        return m_initFinished;
    if (what == QLatin1String("window"))
        return m_windowsShown.contains(
            step.args.value(1, QString::fromLatin1(protocol::wire::kWindowVisitorApplication)));
    if (what == QLatin1String("request"))
        return m_urlsSeen.contains(step.args.value(1));
    if (what == QLatin1String("subscriptions"))
        return static_cast<int>(m_host.router().subscriptions().size()) >= step.args.value(1).toInt();
    if (what == QLatin1String("exit"))
        return m_exited && (step.args.size() < 2 || m_exitCode == step.args[1].toInt());
    if (what == QLatin1String("crash"))
        return m_exited && m_crashed;
    return false;
}

namespace {

// Sends a request record to the server as the component's backend library would; the
// whole answer ("code", "data").
template <class Record>
QJsonObject askServer(qorvaserver::CManagementServer &server, protocol::routes::RouteId id,
                      const Record &record)
{
    const protocol::routes::Route &route = protocol::routes::findRoute(id);
    const protocol::JSONNodePtr node(record.toJSON());
    const std::string body =
        std::string("{\"") + route.requestKey + "\":" + protocol::printJSON(node.get()) + "}";
    const auto answer = server.handle(static_cast<std::int32_t>(route.method), route.url, {}, body);
    return QJsonDocument::fromJson(QByteArray::fromStdString(answer.body)).object();
}

// The answer's "code" ("0-0" on success).
template <class Record>
QString sendToServer(qorvaserver::CManagementServer &server, protocol::routes::RouteId id,
                     const Record &record)
{
    return askServer(server, id, record).value(QStringLiteral("code")).toString();
}

const char kVisitorDoors[] = "Visitor doors";

std::string groupGuid(qorvaserver::CManagementServer &server, const std::string &name)
{
    for (const auto &row : server.list("groups")) {
        if (row.size() > 1 && row[1] == name)
            return row[0];
    }
    return std::string();
}

// Creates an access-point group over the doors of the devices online now, as an operator
// would on the access-group page; its GUID, empty when the server refused.
std::string addGroup(qorvaserver::CManagementServer &server, const std::string &name,
                     bool defaultGroup)
{
    protocol::VisitAaccessGroupAddParam param;
    param.name_ = name;
    param.defaultGroup = defaultGroup ? 1 : 0;
    param.QRCodeVersion = 1;
    std::set<std::string> online; // devices: guid, name, type, ip, port, online, failing
    for (const auto &row : server.list("devices")) {
        if (row.size() > 5 && row[5] == "1")
            online.insert(row[0]);
    }
    const auto doors = server.list("doors"); // guid, name, device_guid, door_no, group_guid
    for (std::size_t i = 1; i < doors.size(); ++i) {
        if (online.count(doors[i][2]) == 0)
            continue;
        protocol::VisitObjectAdd door;
        door.objectGuid = doors[i][0];
        door.objectName = doors[i][1];
        door.deviceGuid = doors[i][2];
        door.objectNo = std::stoi(doors[i][3]);
        door.objGroupGuid = doors[i][4];
        param.visitObjectAddList.push_back(door);
    }
    if (sendToServer(server, protocol::routes::RouteId::CreateAccessGroup, param) !=
        QLatin1String("0-0"))
        return std::string();
    return groupGuid(server, name);
}

// The stored appointment with that id as the server's page query answers it (empty when
// no page holds it).
QJsonObject storedAppointment(qorvaserver::CManagementServer &server, const QString &guid)
{
    const protocol::routes::Route &route =
        protocol::routes::findRoute(protocol::routes::RouteId::GetAppointmentByCondition);
    protocol::QueryAppointmentResultCondition condition;
    condition.pageSize = 500;
    for (condition.pageNo = 1;; ++condition.pageNo) {
        const QJsonObject page = askServer(server, route.id, condition)
                                     .value(QStringLiteral("data"))
                                     .toObject()
                                     .value(QLatin1String(route.answerKey))
                                     .toObject();
        const QJsonArray rows = page.value(QStringLiteral("appointmentResultList")).toArray();
        for (const QJsonValue &row : rows) {
            if (row.toObject().value(QStringLiteral("appointmentID")).toString() == guid)
                return row.toObject();
        }
        if (rows.isEmpty() ||
            condition.pageNo * condition.pageSize >= page.value(QStringLiteral("total")).toInt())
            return QJsonObject();
    }
}

// Books a visitor with the access-point group "Visitor doors" (the doors of the devices
// online when it is created), as an operator would through the appointment form.
std::uint32_t bookVisitor(qorvaserver::CManagementServer &server, const std::string &name)
{
    std::string group = groupGuid(server, kVisitorDoors);
    if (group.empty())
        group = addGroup(server, kVisitorDoors, false);
    if (group.empty())
        return protocol::routes::ErrInternal;
    protocol::Appointment appointment;
    appointment.name_ = name;
    appointment.gender = 1;
    appointment.phone = "013800001111";
    appointment.identityCode = "110101199001010012";
    appointment.accessPointGroup = group;
    protocol::AddAppointment request;
    request.appointmentList.push_back(appointment);
    return sendToServer(server, protocol::routes::RouteId::AddAppointment, request) ==
                   QLatin1String("0-0")
               ? 0u
               : static_cast<std::uint32_t>(protocol::routes::ErrInternal);
}

} // namespace

QString ScriptRunner::resolveGuid(const QString &what, const QString &arg) const
{
    if (arg != QLatin1String("first"))
        return arg;
    const auto rows = m_host.server()->list(what.toStdString());
    return rows.size() > 1 && !rows[1].empty() ? QString::fromStdString(rows[1][0]) : QString();
}

QString ScriptRunner::resolveAuthCode(const QString &arg) const
{
    if (arg != QLatin1String("last"))
        return arg;
    // Column 1 of the appointment listing is the reservation code.
    const auto rows = m_host.server()->list("appointments");
    return rows.size() > 1 && rows.back().size() > 1 ? QString::fromStdString(rows.back()[1])
                                                     : QString();
}

int ScriptRunner::execute(const Step &step)
{
    const QString &verb = step.verb;
    const QStringList &a = step.args;
    if (verb == QLatin1String("timeout")) {
        m_timeoutMs = qMax(1, a[0].toInt()) * 1000;
        return 1;
    }
    if (verb == QLatin1String("start")) {
        // The process starts later: forget the last run's state now, or a following
        // "wait initFinish" would be satisfied by the run that has just ended.
        if (!m_host.isComponentRunning()) {
            m_initFinished = false;
            m_windowsShown.clear();
        }
        return m_host.startComponent() ? 1 : (m_error = QStringLiteral("component did not start"), -1);
    }
    if (verb == QLatin1String("wait")) {
        static const QStringList kinds{"initFinish", "window", "request", "subscriptions", "exit", "crash"};
        if (!kinds.contains(a[0])) {
            m_error = QStringLiteral("line %1: unknown wait \"%2\"").arg(step.line).arg(a[0]);
            return -1;
        }
        return waitSatisfied(step) ? 1 : 0;
    }
    if (verb == QLatin1String("open")) {
        m_windowsShown.remove(a[0]);
        m_host.openWindow(a[0], a.value(1, QStringLiteral("0")).toInt());
        return 1;
    }
    if (verb == QLatin1String("call")) {
        m_replyResult.clear();
        m_replyBody.clear();
        m_pendingTicket = m_host.callComponent(a[0], joinFrom(a, 1));
        return 0;
    }
    if (verb == QLatin1String("http")) {
        m_replyResult.clear();
        m_replyBody.clear();
        m_pendingTicket = m_host.sendHttp(a[0], a.value(1, QStringLiteral("1")).toInt(), joinFrom(a, 2));
        return 0;
    }
    if (verb == QLatin1String("notify")) {
        m_lastForwarded = m_host.forwardNotification(a[0], a.value(1, QStringLiteral("{}")));
        return 1;
    }
    if (verb == QLatin1String("switch-user")) {
        // Waits for the component's answer so that later steps see the switch done.
        m_pendingTicket = m_host.switchOperator(a[0].toInt());
        return m_pendingTicket == 0 ? 1 : 0;
    }
    if (verb == QLatin1String("stop")) {
        m_host.stopComponent(
            a.value(0, QString::fromLatin1(protocol::wire::kMethodComponentUninit)));
        return 1;
    }
    if (verb == QLatin1String("kill")) {
        const qint64 pid = m_host.componentPid();
        if (pid <= 0) {
            m_error = QStringLiteral("no component to kill");
            return -1;
        }
        ::kill(static_cast<pid_t>(pid), SIGKILL);
        return 1;
    }
    if (verb == QLatin1String("quit"))
        return 1;
    if (verb == QLatin1String("control")) {
        qorvaserver::CManagementServer *server = m_host.server();
        const QString op = a[0];
        const std::string arg1 = a.value(1).toStdString();
        if (op == QLatin1String("checkin"))
            m_lastControl = server->checkIn(resolveAuthCode(a.value(1)).toStdString());
        else if (op == QLatin1String("book-visitor"))
            m_lastControl = bookVisitor(*server, joinFrom(a, 1).toStdString());
        else if (op == QLatin1String("repair-device"))
            m_lastControl =
                server->setDeviceFailing(resolveGuid("devices", a.value(1)).toStdString(), false);
        else if (op == QLatin1String("add-group"))
            m_lastControl = addGroup(*server, arg1, a.value(2) == QLatin1String("default")).empty()
                                ? static_cast<std::uint32_t>(protocol::routes::ErrInternal)
                                : 0u;
        else if (op == QLatin1String("checkout"))
            m_lastControl = server->checkOut(arg1);
        else if (op == QLatin1String("delete-appointment"))
            m_lastControl =
                server->deleteAppointment(resolveGuid("appointments", a.value(1)).toStdString());
        else if (op == QLatin1String("remove-device"))
            m_lastControl = server->removeDevice(resolveGuid("devices", a.value(1)).toStdString());
        else if (op == QLatin1String("rename-group"))
            m_lastControl = server->renameResourceGroup(resolveGuid("areas", a.value(1)).toStdString(),
                                                        joinFrom(a, 2).toStdString());
        else if (op == QLatin1String("rename-door"))
            m_lastControl =
                server->renameDoor(resolveGuid("doors", a.value(1)).toStdString(), joinFrom(a, 2).toStdString());
        else if (op == QLatin1String("fail-device"))
            m_lastControl = server->setDeviceFailing(resolveGuid("devices", a.value(1)).toStdString(), true);
        else if (op == QLatin1String("offline-device"))
            m_lastControl = server->setDeviceOnline(resolveGuid("devices", a.value(1)).toStdString(), false);
        else if (op == QLatin1String("online-device"))
            m_lastControl =
                server->setDeviceOnline(resolveGuid("devices", a.value(1)).toStdString(), true);
        else if (op == QLatin1String("settings-fault")) {
            using Fault = qorvaserver::CManagementServer::SettingsFault;
            static const QMap<QString, Fault> faults{
                {QStringLiteral("none"), Fault::None},
                {QStringLiteral("refuse-saves"), Fault::RefuseSaves},
                {QStringLiteral("drop-reasons"), Fault::DropReasons}};
            if (!faults.contains(a.value(1))) {
                m_error = QStringLiteral(
                              "line %1: settings-fault takes none, refuse-saves or drop-reasons")
                              .arg(step.line);
                return -1;
            }
            server->setSettingsFault(faults.value(a.value(1)));
            m_lastControl = 0;
        } else {
            m_error = QStringLiteral("line %1: unknown control operation \"%2\"").arg(step.line).arg(op);
            return -1;
        }
        return 1;
    }
    if (verb == QLatin1String("expect"))
        return check(step);
    if (verb == QLatin1String("ui")) {
        // Waits inside the component end before the script's own time-out does.
        const QJsonObject data{{QStringLiteral("step"), step.text},
                               {QStringLiteral("boundMs"), m_timeoutMs * 3 / 4}};
        const QString dataJson =
            QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact));
        m_replyResult.clear();
        m_replyBody.clear();
        m_pendingTicket =
            m_host.callComponent(QStringLiteral("uiDriverStep"), dataJson, m_timeoutMs + 5000);
        return 0;
    }
    m_error = QStringLiteral("line %1: unknown step \"%2\"").arg(step.line).arg(verb);
    return -1;
}

int ScriptRunner::checkUiReply(const Step &step)
{
    if (m_replyResult != QLatin1String(lpcserver::toString(lpcserver::CallResult::Ok))) {
        m_error = QStringLiteral("line %1: ui %2: no answer from the component (%3)")
                      .arg(step.line)
                      .arg(step.text, m_replyResult);
        return -1;
    }
    const QJsonObject root = QJsonDocument::fromJson(m_replyBody.toUtf8()).object();
    const QJsonObject data = root.value(QLatin1String(protocol::wire::key::kData)).toObject();
    const QString text = data.contains(QStringLiteral("message"))
                             ? data.value(QStringLiteral("message")).toString()
                             : m_replyBody.left(300);
    if (root.value(QLatin1String(protocol::wire::key::kErrorCode)).toInt(-1) != 0 ||
        !data.value(QStringLiteral("ok")).toBool()) {
        m_error = QStringLiteral("line %1: ui %2: %3").arg(step.line).arg(step.text, text);
        return -1;
    }
    LOG_INFO("Script ui step passed: %s%s%s", qUtf8Printable(step.text), text.isEmpty() ? "" : ": ",
             qUtf8Printable(text));
    return 1;
}

int ScriptRunner::check(const Step &step)
{
    const QString what = step.args[0];
    const QString arg = joinFrom(step.args, 1);
    bool ok = false;
    QString seen;
    if (what == QLatin1String("reply-ok")) {
        ok = m_replyResult == QLatin1String(lpcserver::toString(lpcserver::CallResult::Ok));
        seen = m_replyResult;
    } else if (what == QLatin1String("reply-contains")) {
        ok = m_replyBody.contains(arg);
        seen = m_replyBody.left(300);
    } else if (what == QLatin1String("forwarded")) {
        ok = m_lastForwarded == (arg == QLatin1String("yes"));
        seen = m_lastForwarded ? QStringLiteral("yes") : QStringLiteral("no");
    } else if (what == QLatin1String("control-ok")) {
        ok = m_lastControl == 0;
        seen = QString::number(m_lastControl);
    } else if (what == QLatin1String("subscriptions")) {
        const int count = static_cast<int>(m_host.router().subscriptions().size());
        ok = count == arg.toInt();
        seen = QString::number(count);
    } else if (what == QLatin1String("registered-url") || what == QLatin1String("registered-method")) {
        const auto list = what == QLatin1String("registered-url") ? m_host.router().registeredUrls()
                                                                   : m_host.router().registeredMethods();
        ok = std::find(list.begin(), list.end(), arg.toStdString()) != list.end();
        seen = QString::number(list.size()) + QStringLiteral(" entries");
    } else if (what == QLatin1String("listed") || what == QLatin1String("unlisted")) {
        // Row ROW (from 1) of the server's listing, its columns joined by blanks.
        const auto rows = m_host.server()->list(step.args.value(1).toStdString());
        const int row = step.args.value(2).toInt();
        const QString text = joinFrom(step.args, 3);
        QStringList cells;
        if (row >= 1 && static_cast<std::size_t>(row) < rows.size()) {
            for (const std::string &cell : rows[static_cast<std::size_t>(row)])
                cells << QString::fromStdString(cell);
        }
        seen = cells.isEmpty() ? QStringLiteral("no such row") : cells.join(QLatin1Char(' '));
        ok = !cells.isEmpty() && !text.isEmpty() &&
             seen.contains(text) == (what == QLatin1String("listed"));
    } else if (what == QLatin1String("appointment")) {
        // A key of the stored appointment of row ROW (from 1) of the server's listing, as
        // the server answers its page query; "groups" names the groups whose GUIDs it holds.
        const auto rows = m_host.server()->list("appointments");
        const int row = step.args.value(1).toInt();
        const QString key = step.args.value(2);
        const QString text = joinFrom(step.args, 3);
        const QJsonObject stored =
            row >= 1 && static_cast<std::size_t>(row) < rows.size()
                ? storedAppointment(*m_host.server(),
                                    QString::fromStdString(rows[static_cast<std::size_t>(row)][0]))
                : QJsonObject();
        if (key == QLatin1String("groups")) {
            QStringList expected;
            for (const QString &name : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
                expected << QString::fromStdString(groupGuid(*m_host.server(), name.toStdString()));
            QStringList got = stored.value(QStringLiteral("visitGroupGuid"))
                                  .toString()
                                  .split(QLatin1Char(','), Qt::SkipEmptyParts);
            seen = got.join(QLatin1Char(','));
            expected.sort();
            got.sort();
            ok = !stored.isEmpty() && !expected.contains(QString()) && got == expected;
        } else {
            seen = stored.isEmpty() ? QStringLiteral("no such appointment")
                                    : stored.value(key).toVariant().toString();
            ok = !stored.isEmpty() && stored.contains(key) && seen == text;
        }
    } else {
        m_error = QStringLiteral("line %1: unknown check \"%2\"").arg(step.line).arg(what);
        return -1;
    }
    if (!ok) {
        m_error = QStringLiteral("line %1: check failed: expect %2 %3 (got %4)")
                      .arg(step.line)
                      .arg(what, arg, seen);
        return -1;
    }
    LOG_INFO("Script check passed: %s %s", qUtf8Printable(what), qUtf8Printable(arg));
    return 1;
}

} // namespace clientframework
