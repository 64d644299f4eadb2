// Feeds arbitrary bytes to the four envelopes' Parse, with payloads created by the
// record factory and with a record of every field kind, then prints what was read and
// parses the printed text again: that second parse must succeed.

#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONRecord.h>
#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/LPC/LPCCommonJSONStruct.h>
#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>

#include <Base/Log.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace protocol;

class Element : public JSONRecord<Element, IReturnData>
{
public:
    explicit Element(const cJSON *node = nullptr) { fromJSON(node); }
    static const FieldList &fields()
    {
        static const FieldList list{
            field<&Self::guid>("guid"),
            field<&Self::no>("no"),
            field<&Self::flags>("flags"),
        };
        return list;
    }
    std::string guid;
    std::int32_t no = 0;
    std::vector<std::int32_t> flags;
};

class Answer : public JSONRecord<Answer, IReturnData>
{
public:
    explicit Answer(const cJSON *node = nullptr) { fromJSON(node); }
    static const FieldList &fields()
    {
        static const FieldList list{
            field<&Self::name>("name"),
            optionalString<&Self::remark>("remark"),
            field<&Self::count>("count"),
            field<&Self::big>("big"),
            field<&Self::ratio>("ratio"),
            field<&Self::enabled>("enabled"),
            numericText<&Self::serial>("serial"),
            field<&Self::element>("element"),
            field<&Self::list>("list"),
            field<&Self::names>("names"),
        };
        return list;
    }
    std::string name;
    std::string remark;
    std::int32_t count = 0;
    std::int64_t big = 0;
    double ratio = 0;
    bool enabled = false;
    std::string serial;
    Element element;
    std::vector<Element> list;
    std::vector<std::string> names;
};

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

template <class Envelope>
void roundTrip(Envelope &envelope, const std::string &text, const char *what)
{
    if (!envelope.Parse(text))
        return;
    const std::string printed = envelope.toString();
    require(!printed.empty(), what);
    Envelope again;
    require(again.Parse(printed), what);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Parse failures are logged; keep the fuzzer's output readable.
    const char *path = "/tmp/fuzz_json_envelopes.log4cxx.properties";
    std::ofstream(path) << "log4j.rootLogger=OFF, null\n"
                           "log4j.appender.null=org.apache.log4j.FileAppender\n"
                           "log4j.appender.null.File=/dev/null\n"
                           "log4j.appender.null.layout=org.apache.log4j.PatternLayout\n";
    Base::details::CLog::instance().InitLog(path);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);

    ReturnData plain;
    roundTrip(plain, text, "ReturnData without answer");
    ReturnData typed(std::make_shared<Answer>());
    roundTrip(typed, text, "ReturnData with answer");

    LPCRequestData request;
    roundTrip(request, text, "LPCRequestData");
    LPCResponseData response;
    roundTrip(response, text, "LPCResponseData");
    WebSocketNotifyData notify;
    roundTrip(notify, text, "WebSocketNotifyData");

    // Code texts of any shape.
    (void)Str2ErrorCode(text);
    return 0;
}
