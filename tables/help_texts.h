#pragma once

// The quick-help texts, shown exactly as written here: the window's caption, and the text of each kind
// of dialog.
namespace tables {

inline constexpr char16_t helpCaption[] = u" Tallyo 97 - QuickHelp";

// Text A: the measure dialogs.
inline constexpr char16_t measuresHelp[]
    = u"Select a field and type in any according numeric value. Only use the valid decimal symbol and digit "
      u"grouping symbol as specified in your regional number settings in the Windows Control Panel. Then "
      u"press Return.";

// Text B: the number systems dialog, its limits one per line, lines broken by carriage return and line feed.
inline constexpr char16_t numbersHelp[]
    = u"Select a field and type in any according value. Don't use any decimal or grouping symbols here. "
      u"Then press Return.\r\n\r\n"
      u"Due to overflow prevention please restrict your inputs to: \r\n\r\n"
      u"Binary: <= 26 digits\r\n"
      u"Octal: <= 10 digits\r\n"
      u"Decimal: <= 9 digits\r\n"
      u"Hexadecimal: <= 7 digits\r\n"
      u"Roman: <= 20 digits\r\n"
      u"Network Address: = 12 digits hexadecimal/kanonical";

// Text C: paper sizes.
inline constexpr char16_t paperHelp[]
    = u"Select a paper size out of the list box. You can see the according height and width in the text "
      u"boxes. The yellow rectangle shall give you an idea of the relative size.";

// Text D: clothing sizes.
inline constexpr char16_t clothingHelp[]
    = u"Use the drop down list boxes in any of the clothing groups to select a size that you would like to "
      u"convert. You will see the according values in the other list boxes after your selection.";

} // namespace tables
