#include "app/help_texts.h"

namespace app::help_texts {

QString measures()
{
    return QStringLiteral(
        "Select a field and type in any according numeric value. Only use the valid decimal symbol and digit "
        "grouping symbol as specified in your regional number settings in the Windows Control Panel. Then "
        "press Return.");
}

QString numbers()
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("Select a field and type in any according value. Don't use any decimal or grouping "
                          "symbols here. Then press Return.")
        + lineBreak + lineBreak
        + QStringLiteral("Due to overflow prevention please restrict your inputs to: ") + lineBreak
        + lineBreak + QStringLiteral("Binary: <= 26 digits") + lineBreak
        + QStringLiteral("Octal: <= 10 digits") + lineBreak + QStringLiteral("Decimal: <= 9 digits")
        + lineBreak + QStringLiteral("Hexadecimal: <= 7 digits") + lineBreak
        + QStringLiteral("Roman: <= 20 digits") + lineBreak
        + QStringLiteral("Network Address: = 12 digits hexadecimal/kanonical");
}

QString paper()
{
    return QStringLiteral(
        "Select a paper size out of the list box. You can see the according height and width in "
        "the text boxes. The yellow rectangle shall give you an idea of the relative size.");
}

QString clothing()
{
    return QStringLiteral(
        "Use the drop down list boxes in any of the clothing groups to select a size that you "
        "would like to convert. You will see the according values in the other list boxes after "
        "your selection.");
}

} // namespace app::help_texts
