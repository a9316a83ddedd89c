#pragma once

#include "app/topic.h"

#include <QTest>

Q_DECLARE_METATYPE(app::Topic)

namespace test_support {

// One data row per topic dialog, in a column named "topic".
inline void addTopicRows()
{
    QTest::addColumn<app::Topic>("topic");
    QTest::newRow("linear dialog") << app::Topic::Linear;
    QTest::newRow("surface dialog") << app::Topic::Surface;
    QTest::newRow("volume dialog") << app::Topic::Volume;
    QTest::newRow("weight dialog") << app::Topic::Weight;
    QTest::newRow("paper sizes dialog") << app::Topic::Paper;
    QTest::newRow("number systems dialog") << app::Topic::Number;
    QTest::newRow("clothing sizes dialog") << app::Topic::Cloth;
    QTest::newRow("miscellaneous dialog") << app::Topic::Misc;
}

} // namespace test_support
