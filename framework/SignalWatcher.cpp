#include "SignalWatcher.h"

#include <Base/Log.h>

#include <QPointer>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

namespace clientframework {

namespace {

// Read by the handler: set before any handler is installed, cleared after they are removed.
std::atomic<int> g_writeFd{-1};
int g_readFd = -1;

} // namespace

void SignalWatcher::handle(int signalNumber)
{
    const int savedErrno = errno;
    const int fd = g_writeFd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signalNumber);
        // Non-blocking: when the pair is full the event loop already has work to wake for.
        const ssize_t written = ::write(fd, &byte, 1);
        static_cast<void>(written);
    }
    errno = savedErrno;
}

SignalWatcher::SignalWatcher(std::vector<int> signalNumbers, QObject *parent)
    : QObject(parent), m_signals(std::move(signalNumbers))
{
    if (g_writeFd.load() >= 0) {
        LOG_ERROR("A second signal watcher was created; it stays inactive.");
        return;
    }
    int fds[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) {
        LOG_ERROR("No socket pair for the signal watcher: %s.", std::strerror(errno));
        return;
    }
    g_readFd = fds[0];
    g_writeFd.store(fds[1]);
    m_notifier = new QSocketNotifier(g_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readPending);

    m_active = true;
    for (const int number : m_signals) {
        struct sigaction action
        {
        };
        action.sa_handler = &SignalWatcher::handle;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        struct sigaction previous
        {
        };
        if (::sigaction(number, &action, &previous) != 0) {
            LOG_ERROR("Cannot handle signal %d: %s.", number, std::strerror(errno));
            m_active = false;
            previous.sa_handler = SIG_DFL;
        }
        m_previous.push_back(previous);
    }
}

SignalWatcher::~SignalWatcher()
{
    if (m_notifier == nullptr)
        return;
    for (std::size_t i = 0; i < m_signals.size(); ++i)
        ::sigaction(m_signals[i], &m_previous[i], nullptr);
    const int writeFd = g_writeFd.exchange(-1);
    delete m_notifier;
    ::close(writeFd);
    ::close(g_readFd);
    g_readFd = -1;
}

void SignalWatcher::readPending()
{
    std::vector<int> numbers;
    unsigned char bytes[64];
    for (;;) {
        const ssize_t count = ::read(g_readFd, bytes, sizeof bytes);
        if (count <= 0)
            break;
        numbers.insert(numbers.end(), bytes, bytes + count);
    }
    // A receiver may delete the watcher.
    const QPointer<SignalWatcher> self(this);
    for (const int number : numbers) {
        if (self.isNull())
            return;
        emit received(number);
    }
}

} // namespace clientframework
