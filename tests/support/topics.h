#pragma once

#include "gui/topics.h"

#include <QTest>

Q_DECLARE_METATYPE(const gui::Topic*)

namespace test_support {

// One data row per topic, named after the topic's dialog, in a column named "topic".
inline void addTopicRows()
{
    QTest::addColumn<const gui::Topic*>("topic");
    for (const gui::Topic& topic : gui::topics())
        QTest::newRow(topic.dialogName) << &topic;
}

// The topic with that toolbar key; where there is none, the test fails and goes on with the first topic.
inline const gui::Topic& topic(const char* key)
{
    const gui::Topic* found = gui::findTopic(QString::fromLatin1(key));
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no topic ") + QLatin1String(key)), __FILE__, __LINE__);
    return found ? *found : gui::topics().front();
}

} // namespace test_support
