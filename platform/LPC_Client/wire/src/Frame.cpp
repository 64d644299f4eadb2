#include <lpc_wire/Frame.h>

#include <cstring>

namespace lpcwire {
namespace {

// Fixed part: type, id, two flags, status.
constexpr std::size_t kFixedSize = 1 + 8 + 1 + 1 + 4;

void putU32(std::string &out, std::uint32_t v)
{
    const char b[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff),
                       char((v >> 24) & 0xff)};
    out.append(b, 4);
}

void putU64(std::string &out, std::uint64_t v)
{
    putU32(out, std::uint32_t(v & 0xffffffffu));
    putU32(out, std::uint32_t(v >> 32));
}

void putBytes(std::string &out, const std::string &s)
{
    putU32(out, std::uint32_t(s.size()));
    out.append(s);
}

class Reader
{
public:
    Reader(const char *data, std::size_t size)
        : m_p(reinterpret_cast<const unsigned char *>(data)), m_left(size)
    {}

    bool u8(std::uint8_t &v)
    {
        if (m_left < 1)
            return false;
        v = *m_p++;
        --m_left;
        return true;
    }
    bool u32(std::uint32_t &v)
    {
        if (m_left < 4)
            return false;
        v = std::uint32_t(m_p[0]) | (std::uint32_t(m_p[1]) << 8) | (std::uint32_t(m_p[2]) << 16) |
            (std::uint32_t(m_p[3]) << 24);
        m_p += 4;
        m_left -= 4;
        return true;
    }
    bool u64(std::uint64_t &v)
    {
        std::uint32_t lo = 0, hi = 0;
        if (!u32(lo) || !u32(hi))
            return false;
        v = (std::uint64_t(hi) << 32) | lo;
        return true;
    }
    bool bytes(std::string &s)
    {
        std::uint32_t len = 0;
        if (!u32(len) || len > m_left)
            return false;
        s.assign(reinterpret_cast<const char *>(m_p), len);
        m_p += len;
        m_left -= len;
        return true;
    }
    std::size_t left() const { return m_left; }

private:
    const unsigned char *m_p;
    std::size_t m_left;
};

} // namespace

bool isKnownFrameType(std::uint8_t type)
{
    return type >= std::uint8_t(FrameType::Hello) && type <= std::uint8_t(FrameType::Notify);
}

bool Frame::operator==(const Frame &o) const
{
    return type == o.type && id == o.id && flag1 == o.flag1 && flag2 == o.flag2 &&
           status == o.status && text1 == o.text1 && text2 == o.text2 && headers == o.headers &&
           body == o.body;
}

std::size_t encodedPayloadSize(const Frame &frame)
{
    std::size_t size =
        kFixedSize + 4 + frame.text1.size() + 4 + frame.text2.size() + 4 + 4 + frame.body.size();
    for (const auto &h : frame.headers)
        size += 8 + h.first.size() + h.second.size();
    return size;
}

void encodeFrame(const Frame &frame, std::string &out)
{
    const std::size_t payload = encodedPayloadSize(frame);
    out.reserve(out.size() + kLengthPrefixSize + payload);
    putU32(out, std::uint32_t(payload));
    out.push_back(char(frame.type));
    putU64(out, frame.id);
    out.push_back(char(frame.flag1));
    out.push_back(char(frame.flag2));
    putU32(out, frame.status);
    putBytes(out, frame.text1);
    putBytes(out, frame.text2);
    putU32(out, std::uint32_t(frame.headers.size()));
    for (const auto &h : frame.headers) {
        putBytes(out, h.first);
        putBytes(out, h.second);
    }
    putBytes(out, frame.body);
}

bool decodePayload(const char *data, std::size_t size, Frame &out)
{
    Reader r(data, size);
    std::uint8_t type = 0;
    if (!r.u8(type) || !isKnownFrameType(type))
        return false;
    out.type = FrameType(type);
    std::uint32_t count = 0;
    if (!r.u64(out.id) || !r.u8(out.flag1) || !r.u8(out.flag2) || !r.u32(out.status) ||
        !r.bytes(out.text1) || !r.bytes(out.text2) || !r.u32(count))
        return false;
    // Each header needs at least its two length fields: rejects absurd counts up front.
    if (count > r.left() / 8)
        return false;
    out.headers.clear();
    std::string key, value;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!r.bytes(key) || !r.bytes(value))
            return false;
        // Duplicate keys cannot come from a well-behaved encoder.
        if (!out.headers.emplace(key, value).second)
            return false;
    }
    if (!r.bytes(out.body))
        return false;
    return r.left() == 0;
}

} // namespace lpcwire
