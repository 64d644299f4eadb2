#pragma once
// The process's inner-task pool (notifications), created on first use. The application
// starts it with init(8) and stops it at exit.

#include <Common/CommonMethod/ThreadPoolStealModel.h>

#include <Base/Singleton.h>

namespace comm_method {

class CThreadPoolForInnerTask : public CThreadPoolStealModel,
                                public Base::CSingleton<CThreadPoolForInnerTask>
{
    friend class Base::CSingleton<CThreadPoolForInnerTask>;

public:
    ~CThreadPoolForInnerTask() override;

    /// The pool; concurrent first calls create exactly one.
    using Base::CSingleton<CThreadPoolForInnerTask>::instance;

private:
    CThreadPoolForInnerTask();
};

} // namespace comm_method
