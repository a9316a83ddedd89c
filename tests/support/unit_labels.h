#pragma once

#include "support/dialog_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <span>

namespace test_support {

// A unit's field with the names and texts of its caption above it and its abbreviation right of it.
struct UnitLabels
{
    const char* field;
    const char* captionName;
    const char* caption;
    const char* abbreviationName; // nullptr where the unit has no abbreviation
    const char* abbreviation;
};

// Every field is named by its caption, in dark blue, and followed on its row by its abbreviation.
inline void compareUnitLabels(QWidget* dialog, std::span<const UnitLabels> units)
{
    const QString format = QStringLiteral("%1: %2 \"%3\" in %4, then \"%5\", %6 \"%7\"");
    QStringList seen;
    QStringList expected;
    for (const UnitLabels& unit : units) {
        QLineEdit* field = requiredField(dialog, unit.field);
        const QLabel* caption = labelFor(dialog, field);
        QVERIFY2(caption, unit.field);
        const QLabel* abbreviation = unit.abbreviationName
            ? dialog->findChild<QLabel*>(QLatin1String(unit.abbreviationName))
            : nullptr;
        seen << format.arg(QLatin1String(unit.field), caption->objectName(), caption->text(),
            caption->palette().color(QPalette::WindowText).name(), labelRightOf(dialog, field),
            abbreviation ? abbreviation->objectName() : QString(),
            abbreviation ? abbreviation->text() : QString());
        expected << format.arg(QLatin1String(unit.field), QLatin1String(unit.captionName),
            QLatin1String(unit.caption), QStringLiteral("#000080"), QLatin1String(unit.abbreviation),
            QLatin1String(unit.abbreviationName), QLatin1String(unit.abbreviation));
    }
    QCOMPARE(seen, expected);
}

} // namespace test_support
