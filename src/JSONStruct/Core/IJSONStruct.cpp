#include <JSONStruct/Core/IJSONStruct.h>

namespace protocol {

// Records are small: eight buckets hold a typical record's keys without a rehash
// before the first few inserts, and the load factor stays at one.
IJSONStruct::IJSONStruct() : presentKeys(8)
{
    presentKeys.max_load_factor(1.0f);
}

} // namespace protocol
