// Factory hook of the framework-service records.

#include <JSONStruct/Core/RecordFactory.h>

namespace protocol {
namespace families {

void register_framework_services(RecordRegistrar &registrar)
{
    // Requests and answers of HTTP-shaped calls only: nothing is created by name.
    (void)registrar;
}

} // namespace families
} // namespace protocol
