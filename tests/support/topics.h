#pragma once

#include "tables/topics.h"

#include <QTest>

Q_DECLARE_METATYPE(const tables::Topic*)

namespace test_support {

// One data row per topic, named after the topic's dialog, in a column named "topic".
inline void addTopicRows()
{
    QTest::addColumn<const tables::Topic*>("topic");
    for (const tables::Topic& topic : tables::topics())
        QTest::newRow(topic.dialogName) << &topic;
}

// The topic with that toolbar key; stops the test where there is none.
inline const tables::Topic& topic(const char* key)
{
    const tables::Topic* found = tables::findTopic(QString::fromLatin1(key));
    if (!found)
        qFatal("no topic %s", key);
    return *found;
}

} // namespace test_support
