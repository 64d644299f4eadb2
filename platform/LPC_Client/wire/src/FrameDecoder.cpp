#include <lpc_wire/FrameDecoder.h>

#include <algorithm>
#include <cstring>

namespace lpcwire {
namespace {

constexpr std::size_t kKeepBufferSize = 1024 * 1024;

std::size_t readLength(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return std::size_t(u[0]) | (std::size_t(u[1]) << 8) | (std::size_t(u[2]) << 16) |
           (std::size_t(u[3]) << 24);
}

} // namespace

FrameDecoder::FrameDecoder(std::size_t maxFrameSize) : m_maxFrameSize(maxFrameSize) {}

char *FrameDecoder::prepare(std::size_t minSize)
{
    if (m_begin == m_end) {
        m_begin = m_end = 0;
        // Give back the memory of an exceptionally large frame once it is consumed.
        if (m_buffer.size() > kKeepBufferSize) {
            m_buffer.resize(kKeepBufferSize);
            m_buffer.shrink_to_fit();
        }
    } else if (m_buffer.size() - m_end < minSize && m_begin > 0) {
        // Move the unread tail to the front before growing.
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    // Make room for more of the announced frame so a large body arrives in big reads, but
    // grow at most by what has already arrived: a peer that announces a huge frame and
    // then sends nothing does not make us allocate it.
    std::size_t want = m_end + minSize;
    const std::size_t buffered = m_end - m_begin;
    const std::size_t frameTotal = kLengthPrefixSize + pendingPayloadSize();
    if (buffered < frameTotal)
        want = std::max(want, m_end + std::min(frameTotal - buffered, std::max(minSize, buffered)));
    if (m_buffer.size() < want)
        m_buffer.resize(want);
    return m_buffer.data() + m_end;
}

void FrameDecoder::commit(std::size_t n)
{
    m_end += n;
    if (m_end > m_buffer.size())
        m_end = m_buffer.size();
}

void FrameDecoder::feed(const char *data, std::size_t n)
{
    if (n == 0)
        return;
    std::memcpy(prepare(n), data, n);
    commit(n);
}

std::size_t FrameDecoder::pendingPayloadSize() const
{
    if (m_end - m_begin < kLengthPrefixSize)
        return 0;
    const std::size_t len = readLength(m_buffer.data() + m_begin);
    return len > m_maxFrameSize ? 0 : len;
}

FrameDecoder::Status FrameDecoder::next(Frame &out)
{
    if (m_failure != Status::NeedMore)
        return m_failure;
    const std::size_t available = m_end - m_begin;
    if (available < kLengthPrefixSize)
        return Status::NeedMore;
    const std::size_t len = readLength(m_buffer.data() + m_begin);
    if (len > m_maxFrameSize) {
        m_failure = Status::TooLarge;
        return m_failure;
    }
    if (available - kLengthPrefixSize < len)
        return Status::NeedMore;
    if (!decodePayload(m_buffer.data() + m_begin + kLengthPrefixSize, len, out)) {
        m_failure = Status::Malformed;
        return m_failure;
    }
    m_begin += kLengthPrefixSize + len;
    if (m_begin == m_end)
        m_begin = m_end = 0;
    return Status::Frame;
}

} // namespace lpcwire
