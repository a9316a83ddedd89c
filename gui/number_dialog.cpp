#include "gui/number_dialog.h"

#include "gui/colours.h"
#include "gui/conversion_field.h"
#include "gui/form_placer.h"
#include "gui/help.h"
#include "gui/text_label.h"

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
    double width; // twips
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

// Places in twips: frames relative to the client area, their contents relative to the frame.
constexpr Designed numberFrame{120, 60, 4095, 3135};
constexpr Designed addressFrame{120, 3255, 4095, 945};
constexpr Designed doneDesigned{4335, 120, 1095, 375};
constexpr Designed helpDesigned{4335, 600, 1095, 375};
constexpr Designed client{0, 0, 5550, 4260};
constexpr double fieldLeft = 240;
constexpr double firstCaptionTop = 180;
constexpr double rowPitch = 570;
constexpr double captionRoomHeight = 210;
constexpr double captionMinimumWidth = 1500;
constexpr double fieldHeight = 315;
constexpr double baseGap = 105;
constexpr double baseWidth = 735;
constexpr double addressCaptionTop = 270;
constexpr double addressFieldWidth = 1740;
constexpr double kanonicalLeft = 2115;

QString latin1(const char* text)
{
    return QString::fromLatin1(text);
}

QLabel* captionLabel(QWidget* parent, const char* name, const char* text, QWidget* field)
{
    QLabel* label = colours::colouredLabel(parent, latin1(text), colours::captionBlue);
    label->setObjectName(latin1(name));
    label->setBuddy(field);
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

NumberDialog::NumberDialog(const Topic& topic, QWidget* parent)
    : TopicDialog(topic, parent)
{
    // Build: the number frame without a caption, five rows of a caption above a field and a base label
    // right of it; the address frame with its two columns of a caption above a field.
    auto* numbers = new QGroupBox(this);
    numbers->setObjectName(QStringLiteral("fraNumbers"));
    numbers->setAccessibleName(QStringLiteral("Number systems"));
    auto* addresses = new QGroupBox(QStringLiteral("Network Address"), this);
    addresses->setObjectName(QStringLiteral("fraNetworkAddress"));
    std::array<QLabel*, std::size(numberRows)> rowCaptions{};
    std::array<QLabel*, std::size(numberRows)> bases{};
    for (std::size_t i = 0; i < std::size(numberRows); ++i) {
        const NumberRow& row = numberRows[i];
        auto* field = new ConversionField(numbers);
        field->setObjectName(latin1(row.fieldName));
        field->setAccessibleName(latin1(row.caption));
        m_numberFields[static_cast<std::size_t>(row.field)] = field;
        rowCaptions[i] = captionLabel(numbers, row.captionName, row.caption, field);
        if (row.baseName) {
            bases[i] = new TextLabel(latin1(row.base), numbers);
            bases[i]->setObjectName(latin1(row.baseName));
            bases[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    std::array<QLabel*, std::size(addressColumns)> columnCaptions{};
    for (std::size_t i = 0; i < std::size(addressColumns); ++i) {
        const AddressColumn& column = addressColumns[i];
        auto* field = new ConversionField(addresses);
        field->setObjectName(latin1(column.fieldName));
        field->setAccessibleName(latin1(column.accessibleName));
        m_addressFields[static_cast<std::size_t>(column.field)] = field;
        columnCaptions[i] = captionLabel(addresses, column.captionName, column.caption, field);
    }

    // Place: every field as wide as its longest value, each row below the one before it, the kanonical
    // column right of the hexadecimal one, both frames one width, the buttons right of them.
    FormPlacer place(this);
    const int captionHeight = std::max(place.y(captionRoomHeight), fontMetrics().height());
    place.put(numbers, numberFrame);
    const QWidget* rowAbove = nullptr;
    for (std::size_t i = 0; i < std::size(numberRows); ++i) {
        const NumberRow& row = numberRows[i];
        QLineEdit* field = m_numberFields[static_cast<std::size_t>(row.field)];
        const QSize fieldSize = lineEditSizeFor(field, widestText(field, row.digits, row.longest));
        const double top = firstCaptionTop + static_cast<double>(i) * rowPitch;
        place.put(rowCaptions[i],
            {fieldLeft, top, std::max(captionMinimumWidth, row.width), captionRoomHeight},
            QSize(std::max(fieldSize.width(), rowCaptions[i]->sizeHint().width()), captionHeight));
        if (rowAbove)
            place.below(rowAbove);
        place.put(field, {fieldLeft, top + captionRoomHeight, row.width, fieldHeight}, fieldSize)
            .below(rowCaptions[i]);
        if (bases[i]) {
            place
                .put(bases[i],
                    {fieldLeft + row.width + baseGap, top + captionRoomHeight, baseWidth, fieldHeight},
                    QSize(bases[i]->sizeHint().width(), field->height()))
                .rightOf(field)
                .below(rowCaptions[i]);
        }
        rowAbove = field;
    }
    place.fit(numbers, numberFrame);

    place.put(addresses, addressFrame).below(numbers);
    const int titleBottom = addresses->contentsRect().top();
    for (std::size_t i = 0; i < std::size(addressColumns); ++i) {
        QLineEdit* field = m_addressFields[static_cast<std::size_t>(addressColumns[i].field)];
        const QSize fieldSize = lineEditSizeFor(field, widestText(field, addressDigits, addressLength));
        const double left = i == 0 ? fieldLeft : kanonicalLeft;
        const auto rightOfTheColumnBefore = [&] {
            if (i > 0)
                place.rightOf(columnCaptions[i - 1]).rightOf(m_addressFields[i - 1]);
        };
        place
            .put(columnCaptions[i], {left, addressCaptionTop, addressFieldWidth, captionRoomHeight},
                QSize(std::max(fieldSize.width(), columnCaptions[i]->sizeHint().width()), captionHeight))
            .below(titleBottom);
        rightOfTheColumnBefore();
        place
            .put(field, {left, addressCaptionTop + captionRoomHeight, addressFieldWidth, fieldHeight},
                fieldSize)
            .below(columnCaptions[i]);
        rightOfTheColumnBefore();
    }
    place.fit(addresses, addressFrame);
    const int framesWidth = std::max(numbers->width(), addresses->width());
    numbers->resize(framesWidth, numbers->height());
    addresses->resize(framesWidth, addresses->height());

    QPushButton* done = doneButton();
    QPushButton* help = helpButton();
    place.put(done, doneDesigned, pushButtonSizeFor(done)).rightOf(numbers);
    place.put(help, helpDesigned, pushButtonSizeFor(help)).rightOf(numbers).below(done);
    place.fit(this, client);

    // Connect: Return in a field converts from it; the keyboard visits the number fields from the decimal
    // one, then the buttons, then the addresses.
    for (const NumberRow& row : numberRows) {
        connect(m_numberFields[static_cast<std::size_t>(row.field)], &ConversionField::convertRequested, this,
            [this, source = row.field] { convertFrom(source); });
    }
    for (const AddressColumn& column : addressColumns) {
        connect(m_addressFields[static_cast<std::size_t>(column.field)], &ConversionField::convertRequested,
            this, [this, source = column.field] { convertFrom(source); });
    }
    const auto number = [this](NumberField field) { return m_numberFields[static_cast<std::size_t>(field)]; };
    const auto address
        = [this](AddressField field) { return m_addressFields[static_cast<std::size_t>(field)]; };
    QWidget* const focusOrder[] = {
        number(NumberField::Decimal),
        number(NumberField::Binary),
        number(NumberField::Octal),
        number(NumberField::Hexadecimal),
        number(NumberField::Roman),
        help,
        done,
        address(AddressField::Hexadecimal),
        address(AddressField::Kanonical),
    };
    for (std::size_t i = 1; i < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    number(NumberField::Decimal)->setFocus();
}

void NumberDialog::convertFrom(NumberField field)
{
    const convert::Outcome<NumberTexts> outcome = returnInNumberField(field, numberTexts());
    if (outcome.problem && outcome.value) {
        // The numeral shows upper-cased while the user reads why it was not accepted.
        NumberTexts upperCased = numberTexts();
        upperCased.roman = outcome.value->roman;
        setNumberTexts(upperCased);
    }
    if (outcome.problem)
        tell(*outcome.problem);
    if (outcome.value)
        setNumberTexts(*outcome.value);
}

void NumberDialog::convertFrom(AddressField field)
{
    const std::size_t source = static_cast<std::size_t>(field);
    const convert::Outcome<QString> outcome = returnInAddressField(field, m_addressFields[source]->text());
    if (outcome.problem)
        tell(*outcome.problem);
    if (outcome.value)
        m_addressFields[1 - source]->setText(*outcome.value);
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

void NumberDialog::tell(convert::Problem problem)
{
    showMessageViaHelpCaption(this, convert::messageFor(problem));
}

} // namespace gui
