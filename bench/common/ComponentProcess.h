#pragma once

// The page benchmarks stand for the component's process: they start the way its main()
// does (the heap setting), offscreen unless a platform is named.

#include <Base/HeapUtil.h>

#include <QtGlobal>

#include <cstdio>

namespace benchstats {

inline void prepareComponentProcess()
{
    if (!Base::HeapUtil::KeepFreedMemory())
        std::printf(
            "the component's heap setting was not applied (malloc tuned by the environment?)\n");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace benchstats
