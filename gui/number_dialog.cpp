#include "gui/number_dialog.h"

#include "gui/colours.h"
#include "gui/conversion_field.h"
#include "gui/help.h"
#include "gui/twips.h"

#include <QFontMetrics>
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
    int width; // twips
    // The field is at least wide enough for `longest` of the widest of `digits`: the longest value it
    // holds, whatever the font.
    const char* digits;
    int longest;
};

constexpr NumberRow numberRows[] = {
    // Written from the hexadecimal text, four binary digits for each of up to eight hexadecimal ones.
    {NumberField::Binary, "ebxBin", "lblBinary", "Binary", "lblBase2", "Base 2", 2772, "01", 32},
    // A negative number's 32-bit pattern takes eleven octal digits.
    {NumberField::Octal, "ebxOct", "lblOctal", "Octal", "lblBase8", "Base 8", 1332, "01234567", 11},
    // Ten octal digits read back give up to ten decimal ones (1073741823).
    {NumberField::Decimal, "ebxDec", "lblDecimal", "Decimal", "lblBase10", "Base 10", 1212, "-0123456789",
        10},
    {NumberField::Hexadecimal, "ebxHex", "lblHexadecimal", "Hexadecimal", "lblBase16", "Base 16", 972,
        "0123456789ABCDEFabcdef", 8},
    // As many symbols as may be typed.
    {NumberField::Roman, "ebxRom", "lblRoman", "Roman", nullptr, nullptr, 3375, "MDCLXVI", 20},
};

struct AddressColumn
{
    AddressField field;
    const char* fieldName;
    const char* captionName;
    const char* caption;
    const char* accessibleName;
};

constexpr AddressColumn addressColumns[] = {
    {AddressField::Hexadecimal, "ebxHexAddr", "lblHexAddr", "Hexadecimal", "Hexadecimal network address"},
    {AddressField::Kanonical, "ebxKanAddr", "lblKanAddr", "Kanonical", "Kanonical network address"},
};
constexpr const char* addressDigits = "0123456789ABCDEFabcdef";
constexpr int addressLength = 12;

// Places in twips: frames relative to the client area, their contents relative to the frame. Where the
// desktop's font needs more room, a control grows and what follows it keeps the form's distance to it.
constexpr int frameLeft = 120;
constexpr int frameWidth = 4095;
constexpr int numberFrameTop = 60;
constexpr int numberFrameHeight = 3135;
constexpr int addressFrameTop = 3255;
constexpr int addressFrameHeight = 945;
constexpr int frameGap = addressFrameTop - numberFrameTop - numberFrameHeight;
constexpr int fieldLeft = 240;
constexpr int firstCaptionTop = 180;
constexpr int rowPitch = 570;
constexpr int captionHeight = 210;
constexpr int captionMinimumWidth = 1500;
constexpr int fieldHeight = 315;
constexpr int rowGap = rowPitch - captionHeight - fieldHeight;
constexpr int baseGap = 105;
constexpr int baseWidth = 735;
// From the widest row's base label, and from the last field, to the frame's edges.
constexpr int numberRightMargin = frameWidth - (fieldLeft + 2772 + baseGap + baseWidth);
constexpr int numberBottomMargin
    = numberFrameHeight - (firstCaptionTop + 4 * rowPitch + captionHeight + fieldHeight);
constexpr int addressCaptionTop = 270;
constexpr int addressFieldWidth = 1740;
constexpr int kanonicalLeft = 2115;
constexpr int addressGap = kanonicalLeft - fieldLeft - addressFieldWidth;
constexpr int addressRightMargin = frameWidth - (kanonicalLeft + addressFieldWidth);
constexpr int addressBottomMargin = addressFrameHeight - (addressCaptionTop + captionHeight + fieldHeight);
constexpr int buttonLeft = 4335;
constexpr int buttonGap = buttonLeft - frameLeft - frameWidth;
constexpr int doneTop = 120;
constexpr int helpTop = 600;
constexpr int buttonWidth = 1095;
constexpr int buttonHeight = 375;
constexpr int clientWidth = 5550;
constexpr int clientHeight = 4260;
constexpr int clientRightMargin = clientWidth - buttonLeft - buttonWidth;
constexpr int clientBottomMargin = clientHeight - addressFrameTop - addressFrameHeight;

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

// `count` of the widest of `digits` in the field's font.
QString widestText(const QWidget* field, const char* digits, int count)
{
    const QFontMetrics metrics = field->fontMetrics();
    QChar widest;
    for (const QChar digit : latin1(digits)) {
        if (widest.isNull() || metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest))
            widest = digit;
    }
    return QString(count, widest);
}

} // namespace

NumberDialog::NumberDialog(const tables::Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    const auto x = [this](int twips) { return twipsToPixelsX(this, twips); };
    const auto y = [this](int twips) { return twipsToPixelsY(this, twips); };

    QGroupBox* numbers = buildNumberGroup();
    QGroupBox* addresses = buildAddressGroup();
    // Both frames span the same width.
    const int width = std::max({x(frameWidth), numbers->width(), addresses->width()});
    numbers->setGeometry(x(frameLeft), y(numberFrameTop), width, numbers->height());
    addresses->setGeometry(
        x(frameLeft), std::max(y(addressFrameTop), below(numbers) + y(frameGap)), width, addresses->height());

    const QSize buttonSize(x(buttonWidth), y(buttonHeight));
    const int left = std::max(x(buttonLeft), rightOf(numbers) + x(buttonGap));
    placeHelpAndDone(
        QRect(QPoint(left, y(helpTop)), buttonSize), QRect(QPoint(left, y(doneTop)), buttonSize));
    setFormSize(this, clientWidth, clientHeight,
        QSize(rightOf(helpButton()) + x(clientRightMargin), below(addresses) + y(clientBottomMargin)));

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

// The five number rows, each a caption above its field and a base label to the right. The frame comes
// back sized to hold them; its place is set by the caller.
QGroupBox* NumberDialog::buildNumberGroup()
{
    const auto x = [this](int twips) { return twipsToPixelsX(this, twips); };
    const auto y = [this](int twips) { return twipsToPixelsY(this, twips); };

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraNumbers"));
    frame->setAccessibleName(QStringLiteral("Number systems"));

    const int captionRoom = std::max(y(captionHeight), fontMetrics().height());
    int captionTop = y(firstCaptionTop);
    int right = 0;
    int bottom = 0;
    for (const NumberRow& row : numberRows) {
        auto* field = new ConversionField(frame);
        field->setObjectName(latin1(row.fieldName));
        field->setAccessibleName(latin1(row.caption));
        const QSize fieldSize
            = QSize(x(row.width), y(fieldHeight))
                  .expandedTo(lineEditSizeFor(field, widestText(field, row.digits, row.longest)));
        field->setGeometry(QRect(QPoint(x(fieldLeft), captionTop + captionRoom), fieldSize));
        connect(field, &ConversionField::convertRequested, this,
            [this, source = row.field] { convertFrom(source); });
        m_numberFields[static_cast<std::size_t>(row.field)] = field;

        QLabel* caption = captionLabel(frame, row.captionName, row.caption);
        caption->setGeometry(x(fieldLeft), captionTop,
            std::max({fieldSize.width(), x(captionMinimumWidth), caption->sizeHint().width()}), captionRoom);
        caption->setBuddy(field);
        right = std::max({right, field->geometry().right(), caption->geometry().right()});

        if (row.baseName) {
            auto* base = new QLabel(latin1(row.base), frame);
            base->setObjectName(latin1(row.baseName));
            base->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            base->setGeometry(rightOf(field) + x(baseGap), field->y(),
                std::max(x(baseWidth), base->sizeHint().width()), fieldSize.height());
            right = std::max(right, base->geometry().right());
        }
        bottom = field->geometry().bottom();
        captionTop = std::max(captionTop + y(rowPitch), bottom + 1 + y(rowGap));
    }
    frame->resize(
        right + 1 + x(numberRightMargin), std::max(y(numberFrameHeight), bottom + 1 + y(numberBottomMargin)));
    return frame;
}

// The two network address fields side by side, captions above them, below the frame's caption.
QGroupBox* NumberDialog::buildAddressGroup()
{
    const auto x = [this](int twips) { return twipsToPixelsX(this, twips); };
    const auto y = [this](int twips) { return twipsToPixelsY(this, twips); };

    auto* frame = new QGroupBox(QStringLiteral("Network Address"), this);
    frame->setObjectName(QStringLiteral("fraNetworkAddress"));

    const int captionRoom = std::max(y(captionHeight), fontMetrics().height());
    const int captionTop = std::max(y(addressCaptionTop), frame->contentsRect().top());
    int left = x(fieldLeft);
    int right = 0;
    int bottom = 0;
    for (const AddressColumn& column : addressColumns) {
        auto* field = new ConversionField(frame);
        field->setObjectName(latin1(column.fieldName));
        field->setAccessibleName(latin1(column.accessibleName));
        const QSize fieldSize
            = QSize(x(addressFieldWidth), y(fieldHeight))
                  .expandedTo(lineEditSizeFor(field, widestText(field, addressDigits, addressLength)));
        field->setGeometry(QRect(QPoint(left, captionTop + captionRoom), fieldSize));
        connect(field, &ConversionField::convertRequested, this,
            [this, source = column.field] { convertFrom(source); });
        m_addressFields[static_cast<std::size_t>(column.field)] = field;

        QLabel* caption = captionLabel(frame, column.captionName, column.caption);
        caption->setGeometry(
            left, captionTop, std::max(fieldSize.width(), caption->sizeHint().width()), captionRoom);
        caption->setBuddy(field);

        right = std::max(field->geometry().right(), caption->geometry().right());
        bottom = field->geometry().bottom();
        left = std::max(x(kanonicalLeft), right + 1 + x(addressGap));
    }
    frame->resize(right + 1 + x(addressRightMargin),
        std::max(y(addressFrameHeight), bottom + 1 + y(addressBottomMargin)));
    return frame;
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
