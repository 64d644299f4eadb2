#pragma once
// A QObject singleton owned by a parent: created on first Instance() with the parent
// given then, gone when the parent deletes it (the next Instance() creates a new one).
// GUI thread only. A shared library instantiates it for its own classes (extern
// template in the header, explicit instantiation in a source), as Base::CSingleton.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QObject>
#include <QPointer>

namespace QorvaGUIToolkit {

template <typename T> class QORVAGUITOOLKIT_EXPORT CObjectSingleton
{
public:
    /// The instance; created with `new T(parent)` the first time (parent may be null).
    static T *Instance(QObject *parent = nullptr)
    {
        QPointer<T> &p = pointer();
        if (!p)
            p = new T(parent);
        return p.data();
    }
    /// The instance or nullptr when none exists; never creates one.
    static T *existing() { return pointer().data(); }
    /// Deletes the instance (when it exists).
    static void Destroy()
    {
        QPointer<T> &p = pointer();
        delete p.data();
        p = nullptr;
    }

private:
    static QPointer<T> &pointer()
    {
        static QPointer<T> instance;
        return instance;
    }
};

} // namespace QorvaGUIToolkit
