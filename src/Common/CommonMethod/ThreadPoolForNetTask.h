#pragma once
// The process's net-task pool (requests and method calls from the framework), created
// on first use. The application starts it with init(8, 0, 0) and stops it at exit.

#include <Common/CommonMethod/ThreadPoolDelegateModel.h>

#include <Base/Singleton.h>

namespace comm_method {

class CThreadPoolForNetTask : public CThreadPoolDelegateModel,
                              public Base::CSingleton<CThreadPoolForNetTask>
{
    friend class Base::CSingleton<CThreadPoolForNetTask>;

public:
    ~CThreadPoolForNetTask() override;

    /// The pool; concurrent first calls create exactly one.
    using Base::CSingleton<CThreadPoolForNetTask>::instance;

private:
    CThreadPoolForNetTask();
};

} // namespace comm_method
