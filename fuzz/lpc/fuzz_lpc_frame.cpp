// Feeds arbitrary bytes to the LPC frame decoder, split into chunks chosen by the input,
// and checks that every frame it accepts encodes and decodes back to itself.

#include <lpc_wire/Frame.h>
#include <lpc_wire/FrameDecoder.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void checkRoundTrip(const lpcwire::Frame &frame)
{
    std::string bytes;
    lpcwire::encodeFrame(frame, bytes);
    lpcwire::Frame again;
    if (!lpcwire::decodePayload(bytes.data() + lpcwire::kLengthPrefixSize,
                                bytes.size() - lpcwire::kLengthPrefixSize, again) ||
        !(again == frame))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // A small limit keeps the fuzzer's memory in check; the logic is the same at 64 MiB.
    constexpr std::size_t kLimit = 1 << 20;
    const std::size_t chunk = 1 + data[0] % 64;
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const std::size_t length = size - 1;

    lpcwire::Frame frame;
    if (lpcwire::decodePayload(bytes, length, frame))
        checkRoundTrip(frame);

    lpcwire::FrameDecoder decoder(kLimit);
    for (std::size_t pos = 0; pos < length; pos += chunk) {
        const std::size_t n = length - pos < chunk ? length - pos : chunk;
        if (data[0] & 0x80) {
            decoder.feed(bytes + pos, n);
        } else {
            char *area = decoder.prepare(n);
            if (decoder.capacity() < n)
                std::abort();
            for (std::size_t i = 0; i < n; ++i)
                area[i] = bytes[pos + i];
            decoder.commit(n);
        }
        for (;;) {
            const auto status = decoder.next(frame);
            if (status == lpcwire::FrameDecoder::Status::Frame) {
                if (lpcwire::encodedPayloadSize(frame) > kLimit)
                    std::abort();
                checkRoundTrip(frame);
                continue;
            }
            if (status != lpcwire::FrameDecoder::Status::NeedMore)
                return 0;
            break;
        }
    }
    return 0;
}
