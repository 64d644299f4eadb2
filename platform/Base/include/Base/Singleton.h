#pragma once
// Process singletons created on first use. The instance is a function-local static:
// construction is thread-safe, and it is built after whatever it uses first (the
// logger), so it is destroyed before it.

namespace Base {

template <typename T>
class CSingleton
{
public:
    static T &Instance()
    {
        static T instance;
        return instance;
    }
    static T &instance() { return Instance(); }

protected:
    CSingleton() = default;
    ~CSingleton() = default;

public:
    CSingleton(const CSingleton &) = delete;
    CSingleton &operator=(const CSingleton &) = delete;
};

} // namespace Base
