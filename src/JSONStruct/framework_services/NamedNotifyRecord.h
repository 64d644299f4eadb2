#pragma once
// Base of a notification body whose record class serves several notification types of
// the same shape: name() answers the type the body was created for.

#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/JSONRecord.h>

namespace protocol {

template <class Derived> class NamedNotifyRecord : public JSONRecord<Derived, IWebsocketData>
{
public:
    const char *name() const override { return m_type; }

protected:
    /// type: the notification type (static storage).
    explicit NamedNotifyRecord(const char *type) : m_type(type) {}

private:
    const char *m_type;
};

} // namespace protocol
