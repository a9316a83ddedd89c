#include "gui/measure_dialog.h"

#include "convert/measure.h"
#include "gui/colours.h"
#include "gui/conversion_field.h"
#include "gui/help.h"
#include "gui/measure_form.h"
#include "gui/text_label.h"
#include "gui/topics.h"
#include "gui/twips.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace gui {

namespace {

// Between a field and its abbreviation.
constexpr int abbreviationGap = 4;

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// What a screen reader announces for a unit field: its caption, and where two units share a caption
// ("Quintal", "US. Pint") also the heading of its column or else its abbreviation, so the two can be told
// apart by ear.
QString spokenName(const MeasureForm& form, const FieldPlace& place)
{
    const std::span<const convert::Unit> units = form.measure.units;
    const convert::Unit& unit = units[static_cast<std::size_t>(place.unit)];
    const QString caption = text(unit.caption);
    const auto sharing = std::count_if(units.begin(), units.end(),
        [&](const convert::Unit& other) { return qstrcmp(other.caption, unit.caption) == 0; });
    if (sharing < 2)
        return caption;
    for (const ColumnHeading& heading : form.headings) {
        if (heading.group == place.group && heading.column == place.column)
            return caption + QStringLiteral(", ") + text(heading.text);
    }
    return unit.abbreviation ? caption + QStringLiteral(", ") + text(unit.abbreviation) : caption;
}

} // namespace

MeasureDialog::MeasureDialog(const Topic& topic, QWidget* parent)
    : MeasureDialog(topic, parent, BelowFields{nullptr, {}})
{ }

MeasureDialog::MeasureDialog(const Topic& topic, QWidget* parent, const BelowFields& below)
    : TopicDialog(topic, parent)
    , m_form(*topic.form)
    , m_fields(static_cast<qsizetype>(m_form.fields.size()), nullptr)
{
    auto* groups = new QGridLayout;
    for (int group = 0; group < static_cast<int>(m_form.groups.size()); ++group) {
        const FieldGroup& description = m_form.groups[static_cast<std::size_t>(group)];
        groups->addWidget(buildGroup(group), description.gridRow, description.gridColumn);
    }

    auto* layout = new QGridLayout(this);
    const bool buttonsInColumn = m_form.buttons == ButtonPlacement::RightColumn;
    QBoxLayout* buttons = buttonsInColumn ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(helpButton());
    buttons->addWidget(doneButton());
    if (buttonsInColumn) {
        layout->addLayout(groups, 0, 0);
        layout->addLayout(buttons, 0, 1);
    } else {
        layout->addLayout(groups, 0, 0, 1, 2);
        layout->addLayout(buttons, 1, 1, Qt::AlignBottom);
        layout->setColumnStretch(1, 1);
    }
    if (below.widget)
        layout->addWidget(below.widget, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    applyFocusOrder(below.focusOrder);
}

MeasureDialog::~MeasureDialog() = default;

QWidget* MeasureDialog::buildGroup(int group)
{
    const FieldGroup& description = m_form.groups[static_cast<std::size_t>(group)];
    QWidget* frame = nullptr;
    if (description.title) {
        auto* box = new QGroupBox(text(description.title), this);
        QFont font = box->font();
        font.setBold(true);
        box->setFont(font);
        frame = box;
    } else {
        auto* plainFrame = new QFrame(this);
        plainFrame->setFrameShape(QFrame::StyledPanel);
        plainFrame->setFrameShadow(QFrame::Sunken);
        // A screen reader still names the frame that holds the unit fields.
        plainFrame->setAccessibleName(QStringLiteral("Units"));
        frame = plainFrame;
    }
    frame->setObjectName(QLatin1String(description.name));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);

    QList<Cell> cells;
    const int fieldWidth = this->fieldWidth();
    for (std::size_t i = 0; i < m_form.fields.size(); ++i) {
        const FieldPlace& place = m_form.fields[i];
        if (place.group != group)
            continue;
        const convert::Unit& unit = m_form.measure.units[static_cast<std::size_t>(place.unit)];
        auto* field = new ConversionField(frame);
        field->setObjectName(QLatin1String(place.fieldName));
        field->setAccessibleName(spokenName(m_form, place));
        field->setFixedWidth(fieldWidth);
        // Inside a bold frame the fields and labels keep the plain font. Every label is given its font,
        // alignment and margins before its size is asked, so its text is laid out once.
        const bool inBoldFrame = description.title != nullptr;
        QFont plain = field->font();
        plain.setBold(false);
        if (inBoldFrame)
            field->setFont(plain);
        m_fields[static_cast<qsizetype>(i)] = field;
        const int index = static_cast<int>(i);
        connect(field, &ConversionField::convertRequested, this, [this, index] { convertFrom(index); });

        QLabel* caption = colours::colouredLabel(frame, text(unit.caption), colours::captionBlue);
        if (place.captionName)
            caption->setObjectName(QLatin1String(place.captionName));
        if (inBoldFrame)
            caption->setFont(plain);
        if (m_form.labels == LabelPlacement::CaptionAbove)
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setBuddy(field);
        QLabel* abbreviation = nullptr;
        if (unit.abbreviation) {
            abbreviation = new TextLabel(text(unit.abbreviation), frame);
            if (place.abbreviationName)
                abbreviation->setObjectName(QLatin1String(place.abbreviationName));
            if (inBoldFrame)
                abbreviation->setFont(plain);
            abbreviation->setContentsMargins(abbreviationGap, 0, 0, 0);
        }
        cells.append({&place, field, caption, abbreviation});
    }

    if (m_form.labels == LabelPlacement::CaptionAbove)
        placeCaptionsAbove(grid, group, cells);
    else
        placeCaptionsRight(grid, cells);
    return frame;
}

void MeasureDialog::placeCaptionsRight(QGridLayout* grid, const QList<Cell>& cells)
{
    grid->setHorizontalSpacing(4);
    for (const Cell& cell : cells) {
        grid->addWidget(cell.field, cell.place->row, 2 * cell.place->column);
        grid->addWidget(cell.caption, cell.place->row, 2 * cell.place->column + 1);
    }
}

// Every unit column has four grid columns: a left margin, the field, a right margin as wide as the left
// one, and the rest of the abbreviation. The caption spans the field and both margins, so it stands
// centred over the field however wide it is, and the abbreviation starts right after the field.
void MeasureDialog::placeCaptionsAbove(QGridLayout* grid, int group, const QList<Cell>& cells)
{
    constexpr int columnGap = 8;
    grid->setHorizontalSpacing(0);

    int columns = 0;
    for (const Cell& cell : cells)
        columns = std::max(columns, cell.place->column + 1);
    QList<QLabel*> headings(columns, nullptr);
    int headingRows = 0;
    for (const ColumnHeading& heading : m_form.headings) {
        if (heading.group != group || heading.column < 0 || heading.column >= columns)
            continue;
        QLabel* label
            = colours::colouredLabel(grid->parentWidget(), text(heading.text), colours::headingRed, true);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, 4 * heading.column, 1, 4);
        headings[heading.column] = label;
        headingRows = 1;
    }

    const int fieldWidth = this->fieldWidth();
    for (int column = 0; column < columns; ++column) {
        int captionWidth = 0;
        int abbreviationWidth = 0;
        for (const Cell& cell : cells) {
            if (cell.place->column != column)
                continue;
            captionWidth = std::max(captionWidth, cell.caption->sizeHint().width());
            if (cell.abbreviation)
                abbreviationWidth = std::max(abbreviationWidth, cell.abbreviation->sizeHint().width());
        }
        int margin = std::max(0, (captionWidth - fieldWidth + 1) / 2);
        int rest = std::max(0, abbreviationWidth - margin) + columnGap;
        if (headings[column]) {
            const int missing
                = headings[column]->sizeHint().width() + columnGap - (2 * margin + fieldWidth + rest);
            if (missing > 0) {
                margin += (missing + 1) / 2;
                rest = std::max(0, abbreviationWidth - margin) + columnGap;
            }
        }
        grid->setColumnMinimumWidth(4 * column, margin);
        grid->setColumnMinimumWidth(4 * column + 1, fieldWidth);
        grid->setColumnMinimumWidth(4 * column + 2, margin);
        grid->setColumnMinimumWidth(4 * column + 3, rest);
    }

    for (const Cell& cell : cells) {
        const int row = headingRows + 2 * cell.place->row;
        const int column = 4 * cell.place->column;
        if (m_form.rowPitchTwips > 0) {
            // The caption row takes what the field and the spacing leave of the pitch.
            const int pitch = twipsToPixelsY(this, m_form.rowPitchTwips);
            const int captionHeight = pitch - cell.field->sizeHint().height() - 2 * grid->verticalSpacing();
            grid->setRowMinimumHeight(row, std::max(captionHeight, cell.caption->sizeHint().height()));
        }
        grid->addWidget(cell.caption, row, column, 1, 3);
        grid->addWidget(cell.field, row + 1, column + 1);
        if (cell.abbreviation) {
            grid->addWidget(cell.abbreviation, row + 1, column + 2, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

int MeasureDialog::fieldWidth() const
{
    // The designed width, or wider where the desktop's font needs it for a six-figure result with four
    // decimals, so that a result is never cut off.
    constexpr int textMargins = 12;
    const int designed = twipsToPixelsX(this, m_form.fieldWidthTwips);
    return std::max(designed, fontMetrics().horizontalAdvance(QStringLiteral("-000,000.0000")) + textMargins);
}

void MeasureDialog::applyFocusOrder(const QList<QWidget*>& below)
{
    QList<QWidget*> order;
    const auto add = [&](const FocusStop& stop) {
        switch (stop.kind) {
        case FocusStop::Field:
            order.append(m_fields[stop.unit]);
            break;
        case FocusStop::Below:
            order.append(below);
            break;
        case FocusStop::Help:
            order.append(helpButton());
            break;
        case FocusStop::Done:
            order.append(doneButton());
            break;
        }
    };
    if (m_form.focusOrder.empty()) {
        for (int unit = 0; unit < static_cast<int>(m_fields.size()); ++unit)
            add(fieldStop(unit));
        add(doneStop);
        add(helpStop);
    }
    for (const FocusStop& stop : m_form.focusOrder)
        add(stop);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    order.front()->setFocus();
}

QStringList MeasureDialog::fieldTexts() const
{
    QStringList texts;
    texts.reserve(m_fields.size());
    for (const ConversionField* field : m_fields)
        texts.append(field->text());
    return texts;
}

void MeasureDialog::showOutcome(const convert::Outcome<QStringList>& outcome)
{
    if (outcome.problem)
        showMessage(this, convert::messageFor(*outcome.problem));
    if (!outcome.value)
        return;
    const QStringList& texts = *outcome.value;
    for (qsizetype i = 0; i < m_fields.size() && i < texts.size(); ++i) {
        if (m_fields[i]->text() != texts[i]) {
            m_fields[i]->setText(texts[i]);
            // Show a result from its first digit; a long one would otherwise show only its end. The field
            // being typed in keeps its cursor at the end.
            if (!m_fields[i]->hasFocus())
                m_fields[i]->setCursorPosition(0);
        }
    }
}

void MeasureDialog::convertFrom(int field)
{
    showOutcome(convert::runConversion(m_form.measure, fieldTexts(), field));
}

} // namespace gui
