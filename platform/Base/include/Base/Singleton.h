#pragma once
// Process singletons created on first use. The instance is a function-local static:
// construction is thread-safe, and it is built after whatever it uses first (the
// logger), so it is destroyed before it.
//
// A shared library's singleton is instantiated in that library alone, so that every
// module of the process reaches the same instance:
//   header, after the class:  extern template class Base::CSingleton<ns::CFoo>;
//   source:                    template class Base::CSingleton<ns::CFoo>;

#include <Base/BaseExport.h>

namespace Base {

template <typename T> class BASE_EXPORT CSingleton
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
