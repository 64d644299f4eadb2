// Factory hook of the personnel records.

#include <JSONStruct/Core/RecordFactory.h>

namespace protocol {
namespace families {

void register_personnel(RecordRegistrar &registrar)
{
    // Requests and answers only: nothing is created by name.
    (void)registrar;
}

} // namespace families
} // namespace protocol
