// Factory hook of the settings records.

#include <JSONStruct/Core/RecordFactory.h>

namespace protocol {
namespace families {

void register_settings(RecordRegistrar &registrar)
{
    // Requests and answers only: nothing is created by name.
    (void)registrar;
}

} // namespace families
} // namespace protocol
