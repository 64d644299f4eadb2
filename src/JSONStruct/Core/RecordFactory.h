#pragma once
// Creates LPC payloads and notification bodies from their names.
//
// Keys are a name followed by a kind digit: 0 LPC request payload (ILPCData),
// 1 LPC response payload (ILPCData), 2 notification body (IWebsocketData). Every name
// of recordNames() is registered; names without a record of their own get a generic
// record (GenericRecord.h) that keeps any body and prints it again.
//
// Adding records of a family (a sub-folder of JSONStruct, e.g. "appointment"):
//   1. its CMakeLists.txt calls
//        qorva_protocol_family(appointment SOURCES AppointmentNotify.h AppointmentNotify.cpp ...)
//      which adds the sources to the protocol library and hooks the family in;
//   2. one of its sources defines the hook, named after the family:
//        namespace protocol { namespace families {
//        void register_appointment(RecordRegistrar &registrar)
//        {
//            registrar.notification<AppointmentDeleteNotifyData>("appointmentDeleted");
//            registrar.lpcRequest<SomePayload>("someMethod");
//        } } }
// Family hooks run (in folder name order) before the generic records are registered;
// the first registration of a key wins, so a family's record replaces the generic one.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/ILPCData.h>
#include <JSONStruct/Core/IWebsocketData.h>
#include <JSONStruct/Core/RecordPtr.h>

#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace protocol {

class RecordRegistrar;

class PROTOCOL_EXPORT RecordFactory
{
public:
    enum Kind
    {
        LPCRequest = 0,
        LPCResponse = 1,
        Notification = 2
    };

    /// Creates a record; registeredName is the name the creator was registered under.
    using Creator = RecordPtr (*)(const char *registeredName);

    /// The process-wide factory, built on first use (concurrent first calls build it
    /// once); read-only afterwards, so create may be called from any thread.
    static RecordFactory &instance();

    /// A new default-constructed record for (name, kind), owned by the caller; null
    /// when the key is not registered or kind is not a single digit.
    RecordPtr create(const std::string &name, int kind) const;

    /// As create, shared and seen as Interface; null when the record is of another
    /// interface (it is released then).
    template <class Interface>
    std::shared_ptr<Interface> createShared(const std::string &name, int kind) const
    {
        RecordPtr record = create(name, kind);
        if (!record)
            return nullptr;
        Interface *typed = dynamic_cast<Interface *>(record.get());
        if (typed == nullptr)
            return nullptr;
        RecordDeleter deleter = record.get_deleter();
        std::shared_ptr<IJSONStruct> owner(record.release(), deleter);
        return std::shared_ptr<Interface>(owner, typed);
    }

    bool contains(const std::string &name, int kind) const;
    /// Number of registered keys.
    std::size_t size() const { return m_creators.size(); }

    /// Every registered name, in registration order (LPC methods first, then
    /// notification types).
    static const std::vector<const char *> &recordNames();
    /// How many leading entries of recordNames() are LPC methods.
    static std::size_t lpcMethodCount();

    RecordFactory(const RecordFactory &) = delete;
    RecordFactory &operator=(const RecordFactory &) = delete;

private:
    friend class RecordRegistrar;
    RecordFactory();

    struct Entry
    {
        Creator creator;
        const char *name;
    };
    bool add(const char *name, int kind, Creator creator);

    std::unordered_map<std::string, Entry> m_creators;
};

/// Handed to the family hooks while the factory is being built; the only way to
/// register. Each call returns false when the key was already taken (first wins).
/// name must have static storage (a literal).
class PROTOCOL_EXPORT RecordRegistrar
{
public:
    template <class T>
    bool lpcRequest(const char *name)
    {
        static_assert(std::is_base_of_v<ILPCData, T>, "LPC payloads derive from ILPCData");
        return m_factory.add(name, RecordFactory::LPCRequest, &create<T, ILPCData>);
    }
    template <class T>
    bool lpcResponse(const char *name)
    {
        static_assert(std::is_base_of_v<ILPCData, T>, "LPC payloads derive from ILPCData");
        return m_factory.add(name, RecordFactory::LPCResponse, &create<T, ILPCData>);
    }
    template <class T>
    bool notification(const char *name)
    {
        static_assert(std::is_base_of_v<IWebsocketData, T>, "notification bodies derive from IWebsocketData");
        return m_factory.add(name, RecordFactory::Notification, &create<T, IWebsocketData>);
    }
    bool custom(const char *name, int kind, RecordFactory::Creator creator)
    {
        return m_factory.add(name, kind, creator);
    }

private:
    friend class RecordFactory;
    explicit RecordRegistrar(RecordFactory &factory) : m_factory(factory) {}

    template <class T, class Interface>
    static RecordPtr create(const char *)
    {
        return makeRecord<T, Interface>();
    }

    RecordFactory &m_factory;
};

} // namespace protocol
