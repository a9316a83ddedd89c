#pragma once

#include <QString>

// The quick-help texts as the program must show them, written out here on their own so that a test
// compares the program's texts with these and not with themselves.
namespace test_support::help_texts {

inline const QString caption = QStringLiteral(" Tallyo 97 - QuickHelp");

inline const QString measures = QStringLiteral(
    "Select a field and type in any according numeric value. Only use the valid decimal symbol and digit "
    "grouping symbol as specified in your regional number settings in the Windows Control Panel. Then "
    "press Return.");

inline const QString numbers = QStringLiteral(
    "Select a field and type in any according value. Don't use any decimal or grouping symbols here. Then "
    "press Return.\r\n\r\nDue to overflow prevention please restrict your inputs to: \r\n\r\nBinary: <= 26 "
    "digits\r\nOctal: <= 10 digits\r\nDecimal: <= 9 digits\r\nHexadecimal: <= 7 digits\r\nRoman: <= 20 "
    "digits\r\nNetwork Address: = 12 digits hexadecimal/kanonical");

inline const QString paper = QStringLiteral(
    "Select a paper size out of the list box. You can see the according height and width in the text "
    "boxes. The yellow rectangle shall give you an idea of the relative size.");

inline const QString clothing = QStringLiteral(
    "Use the drop down list boxes in any of the clothing groups to select a size that you would like to "
    "convert. You will see the according values in the other list boxes after your selection.");

} // namespace test_support::help_texts
