#include "gui/number_dialog.h"

#include "gui/colours.h"
#include "gui/conversion_field.h"
#include "gui/help.h"
#include "gui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace gui {

using namespace numbers;

namespace {

struct NumberRow
{
    NumberField field;
    const char* fieldName;
    const char* captionName;
    const char* caption;
    const char* baseName; // nullptr: no base label
    const char* base;
    int width; // twips, wide enough for the longest value the field holds
};

constexpr NumberRow numberRows[] = {
    {NumberField::Binary, "ebxBin", "lblBinary", "Binary", "lblBase2", "Base 2", 2772},
    {NumberField::Octal, "ebxOct", "lblOctal", "Octal", "lblBase8", "Base 8", 1332},
    {NumberField::Decimal, "ebxDec", "lblDecimal", "Decimal", "lblBase10", "Base 10", 1212},
    {NumberField::Hexadecimal, "ebxHex", "lblHexadecimal", "Hexadecimal", "lblBase16", "Base 16", 972},
    {NumberField::Roman, "ebxRom", "lblRoman", "Roman", nullptr, nullptr, 3375},
};

struct AddressColumn
{
    AddressField field;
    const char* fieldName;
    const char* captionName;
    const char* caption;
    const char* accessibleName;
    int left; // twips inside the frame
};

constexpr AddressColumn addressColumns[] = {
    {AddressField::Hexadecimal, "ebxHexAddr", "lblHexAddr", "Hexadecimal", "Hexadecimal network address",
        240},
    {AddressField::Kanonical, "ebxKanAddr", "lblKanAddr", "Kanonical", "Kanonical network address", 2115},
};

// Places in twips: frames relative to the client area, their contents relative to the frame.
constexpr int frameLeft = 120;
constexpr int frameWidth = 4095;
constexpr int numberFrameTop = 60;
constexpr int numberFrameHeight = 3135;
constexpr int addressFrameTop = 3255;
constexpr int addressFrameHeight = 945;
constexpr int fieldLeft = 240;
constexpr int firstCaptionTop = 180;
constexpr int rowPitch = 570;
constexpr int addressCaptionTop = 270;
constexpr int captionHeight = 210;
constexpr int captionMinimumWidth = 1500;
constexpr int fieldHeight = 315;
constexpr int baseGap = 105;
constexpr int baseWidth = 735;
constexpr int addressFieldWidth = 1740;
constexpr int buttonLeft = 4335;
constexpr int doneTop = 120;
constexpr int helpTop = 600;
constexpr int buttonWidth = 1095;
constexpr int buttonHeight = 375;
constexpr int clientWidth = 5550;
constexpr int clientHeight = 4260;

QString latin1(const char* text)
{
    return QString::fromLatin1(text);
}

QLabel* captionLabel(QWidget* parent, const char* name, const char* text)
{
    QLabel* label = colours::colouredLabel(parent, latin1(text), colours::captionBlue);
    label->setObjectName(latin1(name));
    return label;
}

} // namespace

NumberDialog::NumberDialog(const tables::Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    buildNumberGroup();
    buildAddressGroup();
    doneButton()->setGeometry(twipsRect(this, buttonLeft, doneTop, buttonWidth, buttonHeight));
    helpButton()->setGeometry(twipsRect(this, buttonLeft, helpTop, buttonWidth, buttonHeight));
    setFormSize(this, clientWidth, clientHeight, false);

    const auto number = [this](NumberField field) { return m_numberFields[static_cast<std::size_t>(field)]; };
    const auto address
        = [this](AddressField field) { return m_addressFields[static_cast<std::size_t>(field)]; };
    QWidget* const focusOrder[] = {
        number(NumberField::Decimal),
        number(NumberField::Binary),
        number(NumberField::Octal),
        number(NumberField::Hexadecimal),
        number(NumberField::Roman),
        helpButton(),
        doneButton(),
        address(AddressField::Hexadecimal),
        address(AddressField::Kanonical),
    };
    for (std::size_t i = 1; i < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    number(NumberField::Decimal)->setFocus();
}

void NumberDialog::buildNumberGroup()
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraNumbers"));
    frame->setGeometry(twipsRect(this, frameLeft, numberFrameTop, frameWidth, numberFrameHeight));

    int captionTop = firstCaptionTop;
    for (const NumberRow& row : numberRows) {
        const int fieldTop = captionTop + captionHeight;
        QLabel* caption = captionLabel(frame, row.captionName, row.caption);
        caption->setGeometry(
            twipsRect(this, fieldLeft, captionTop, std::max(row.width, captionMinimumWidth), captionHeight));

        auto* field = new ConversionField(frame);
        field->setObjectName(latin1(row.fieldName));
        field->setAccessibleName(latin1(row.caption));
        field->setGeometry(twipsRect(this, fieldLeft, fieldTop, row.width, fieldHeight));
        connect(field, &ConversionField::convertRequested, this,
            [this, source = row.field] { convertFrom(source); });
        caption->setBuddy(field);
        m_numberFields[static_cast<std::size_t>(row.field)] = field;

        if (row.baseName) {
            auto* base = new QLabel(latin1(row.base), frame);
            base->setObjectName(latin1(row.baseName));
            base->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            base->setGeometry(
                twipsRect(this, fieldLeft + row.width + baseGap, fieldTop, baseWidth, fieldHeight));
        }
        captionTop += rowPitch;
    }
}

void NumberDialog::buildAddressGroup()
{
    auto* frame = new QGroupBox(QStringLiteral("Network Address"), this);
    frame->setObjectName(QStringLiteral("fraNetworkAddress"));
    frame->setGeometry(twipsRect(this, frameLeft, addressFrameTop, frameWidth, addressFrameHeight));

    for (const AddressColumn& column : addressColumns) {
        QLabel* caption = captionLabel(frame, column.captionName, column.caption);
        caption->setGeometry(
            twipsRect(this, column.left, addressCaptionTop, addressFieldWidth, captionHeight));

        auto* field = new ConversionField(frame);
        field->setObjectName(latin1(column.fieldName));
        field->setAccessibleName(latin1(column.accessibleName));
        field->setGeometry(
            twipsRect(this, column.left, addressCaptionTop + captionHeight, addressFieldWidth, fieldHeight));
        connect(field, &ConversionField::convertRequested, this,
            [this, source = column.field] { convertFrom(source); });
        caption->setBuddy(field);
        m_addressFields[static_cast<std::size_t>(column.field)] = field;
    }
}

void NumberDialog::convertFrom(NumberField field)
{
    const NumberOutcome outcome = returnInNumberField(field, numberTexts());
    if (outcome.refused()) {
        if (outcome.message)
            showMessage(*outcome.message);
        return;
    }
    if (outcome.message) {
        // The numeral shows upper-cased while the user reads why it was not accepted.
        NumberTexts upperCased = numberTexts();
        upperCased.roman = outcome.texts->roman;
        setNumberTexts(upperCased);
        showMessage(*outcome.message);
    }
    setNumberTexts(*outcome.texts);
}

void NumberDialog::convertFrom(AddressField field)
{
    const std::size_t source = static_cast<std::size_t>(field);
    const AddressOutcome outcome = returnInAddressField(field, m_addressFields[source]->text());
    if (outcome.message)
        showMessage(*outcome.message);
    if (outcome.otherText)
        m_addressFields[1 - source]->setText(*outcome.otherText);
}

NumberTexts NumberDialog::numberTexts() const
{
    NumberTexts texts;
    for (std::size_t i = 0; i < m_numberFields.size(); ++i)
        texts[static_cast<NumberField>(i)] = m_numberFields[i]->text();
    return texts;
}

void NumberDialog::setNumberTexts(const NumberTexts& texts)
{
    // A field whose text stays the same is left alone, so the typed field keeps its cursor and undo.
    for (std::size_t i = 0; i < m_numberFields.size(); ++i) {
        const QString& text = texts[static_cast<NumberField>(i)];
        if (m_numberFields[i]->text() != text)
            m_numberFields[i]->setText(text);
    }
}

void NumberDialog::showMessage(const Message& message)
{
    showMessageViaHelpCaption(this, message.text, message.title);
}

} // namespace gui
