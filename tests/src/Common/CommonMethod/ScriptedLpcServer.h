#pragma once
// A one-connection LPC server that speaks the wire format directly, so that a test can
// decide the status of each response (for example busy twice, then an answer).

#include <lpc_wire/FrameDecoder.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace lpctest {

class ScriptedLpcServer
{
public:
    /// statuses[i] is the status of the response to request i; requests beyond the list
    /// get status 0 with the answer below.
    ScriptedLpcServer(const std::string &socketPath, std::vector<std::uint32_t> statuses,
                      lpcwire::Frame answer)
        : m_statuses(std::move(statuses)), m_answer(std::move(answer))
    {
        m_listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socketPath.c_str(), sizeof(address.sun_path) - 1);
        m_ready =
            m_listener >= 0 &&
            ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
            ::listen(m_listener, 1) == 0;
        if (m_ready)
            m_thread = std::thread([this] { serve(); });
    }
    ~ScriptedLpcServer()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_listener >= 0)
            ::close(m_listener);
    }

    bool ready() const { return m_ready; }
    int requests() const { return m_requests; }

private:
    // Waits for input in short slices so that the destructor never waits long.
    bool waitReadable(int fd)
    {
        while (!m_stop) {
            pollfd pfd{fd, POLLIN, 0};
            const int n = ::poll(&pfd, 1, 50);
            if (n > 0)
                return true;
            if (n < 0)
                return false;
        }
        return false;
    }

    void send(int fd, const lpcwire::Frame &frame)
    {
        std::string bytes;
        lpcwire::encodeFrame(frame, bytes);
        [[maybe_unused]] ssize_t n = ::write(fd, bytes.data(), bytes.size());
    }

    void serve()
    {
        if (!waitReadable(m_listener))
            return;
        const int fd = ::accept(m_listener, nullptr, nullptr);
        if (fd < 0)
            return;
        lpcwire::FrameDecoder decoder;
        while (waitReadable(fd)) {
            char *area = decoder.prepare(4096);
            const ssize_t n = ::read(fd, area, decoder.capacity());
            if (n <= 0)
                break;
            decoder.commit(static_cast<std::size_t>(n));
            lpcwire::Frame frame;
            while (decoder.next(frame) == lpcwire::FrameDecoder::Status::Frame) {
                if (frame.type == lpcwire::FrameType::Hello) {
                    lpcwire::Frame welcome;
                    welcome.type = lpcwire::FrameType::Welcome;
                    welcome.text1 = "scripted";
                    send(fd, welcome);
                } else if (frame.type == lpcwire::FrameType::Request) {
                    const std::size_t index = static_cast<std::size_t>(m_requests++);
                    lpcwire::Frame response = m_answer;
                    response.type = lpcwire::FrameType::Response;
                    response.id = frame.id;
                    if (index < m_statuses.size() && m_statuses[index] != 0) {
                        response = lpcwire::Frame();
                        response.type = lpcwire::FrameType::Response;
                        response.id = frame.id;
                        response.status = m_statuses[index];
                    }
                    send(fd, response);
                }
            }
        }
        ::close(fd);
    }

    std::vector<std::uint32_t> m_statuses;
    lpcwire::Frame m_answer;
    int m_listener = -1;
    bool m_ready = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

} // namespace lpctest
