#pragma once
// Owning pointer to a record known only as IJSONStruct. IJSONStruct has no virtual
// destructor, so the deleter remembers the concrete type the record was created as.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/IJSONStruct.h>

#include <memory>
#include <new>

namespace protocol {

struct PROTOCOL_EXPORT RecordDeleter
{
    void (*destroy)(IJSONStruct *record) = nullptr;
    void operator()(IJSONStruct *record) const
    {
        if (record != nullptr && destroy != nullptr)
            destroy(record);
    }
};

using RecordPtr = std::unique_ptr<IJSONStruct, RecordDeleter>;

namespace detail {
template <class T, class Interface>
void destroyRecord(IJSONStruct *record)
{
    delete static_cast<T *>(static_cast<Interface *>(record));
}
} // namespace detail

/// Creates a default-constructed T, seen through its Interface's IJSONStruct (records
/// with two interfaces have one IJSONStruct per interface). Null when memory runs out.
template <class T, class Interface, class... Args>
RecordPtr makeRecord(Args &&...args)
{
    T *record = new (std::nothrow) T(std::forward<Args>(args)...);
    if (record == nullptr)
        return RecordPtr();
    IJSONStruct *base = static_cast<Interface *>(record);
    return RecordPtr(base, RecordDeleter{&detail::destroyRecord<T, Interface>});
}

} // namespace protocol
