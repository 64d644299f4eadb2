#include "pagebench/BenchTestCase.h"

#include <QtTest>

namespace pagebench {

void BenchTestCase::initTestCase()
{
    QVERIFY2(m_bench.start(), qPrintable(m_bench.error()));
    prepareTestCase();
}

void BenchTestCase::init()
{
    QVERIFY2(m_bench.beginTest(site()), qPrintable(m_bench.error()));
    prepareTest();
}

void BenchTestCase::cleanup()
{
    releaseTestObjects();
    QVERIFY2(m_bench.endTest(), qPrintable(m_bench.error()));
}

void BenchTestCase::cleanupTestCase()
{
    m_bench.stop();
}

} // namespace pagebench
