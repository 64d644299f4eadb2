#pragma once
// Splits a byte stream into frames. Bytes are written straight into the decoder's own
// buffer (prepare/commit), so a read needs no extra copy. Not thread-safe: one reader.

#include <lpc_wire/Frame.h>

#include <cstddef>
#include <vector>

namespace lpcwire {

class FrameDecoder
{
public:
    enum class Status {
        Frame,     // out holds the next frame
        NeedMore,  // no complete frame buffered yet
        TooLarge,  // announced payload length exceeds the limit
        Malformed, // payload is not a well-formed frame
    };

    explicit FrameDecoder(std::size_t maxFrameSize = kDefaultMaxFrameSize);

    /// Returns a writable area of at least minSize bytes at the end of the buffer.
    char *prepare(std::size_t minSize);
    /// Bytes writable at the pointer returned by the last prepare.
    std::size_t capacity() const { return m_buffer.size() - m_end; }
    /// Marks n bytes of the prepared area as received.
    void commit(std::size_t n);
    /// Copies bytes in (prepare + memcpy + commit).
    void feed(const char *data, std::size_t n);

    /// Takes the next frame out of the buffer. After TooLarge or Malformed the stream is
    /// unusable and every later call returns the same status.
    Status next(Frame &out);

    /// Announced payload length of the frame being received (0 when unknown).
    std::size_t pendingPayloadSize() const;
    std::size_t bufferedBytes() const { return m_end - m_begin; }
    std::size_t maxFrameSize() const { return m_maxFrameSize; }

private:
    std::size_t m_maxFrameSize;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    Status m_failure = Status::NeedMore;
};

} // namespace lpcwire
