#include "convert/measure_dialog.h"

#include "app/help.h"
#include "app/help_texts.h"
#include "app/twips.h"
#include "convert/conversion_field_widget.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace convert {

namespace {

const QColor captionColour(0, 0, 128);
const QColor headingColour(128, 0, 0);

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* content, const QColor* colour)
{
    auto* label = new QLabel(text(content), parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    if (colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *colour);
        label->setPalette(palette);
    }
    return label;
}

// What a screen reader announces for a unit field: its caption, and where two units share a caption
// ("Quintal", "US. Pint") also the heading of its column or else its abbreviation, so the two can be told
// apart by ear.
QString spokenName(const MeasureTable& table, const UnitField& unit)
{
    const QString caption = text(unit.caption);
    const auto sharing = std::count_if(table.fields.begin(), table.fields.end(),
        [&](const UnitField& other) { return qstrcmp(other.caption, unit.caption) == 0; });
    if (sharing < 2)
        return caption;
    for (const ColumnHeading& heading : table.headings) {
        if (heading.group == unit.group && heading.column == unit.column)
            return caption + QStringLiteral(", ") + text(heading.text);
    }
    return unit.abbreviation ? caption + QStringLiteral(", ") + text(unit.abbreviation) : caption;
}

} // namespace

MeasureDialog::MeasureDialog(const MeasureTable& table, QWidget* parent)
    : QDialog(parent)
    , m_table(table)
    , m_layout(new QGridLayout(this))
{
    setObjectName(QLatin1String(table.name));
    setWindowTitle(text(table.title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    for (std::size_t i = 0; i < table.fields.size(); ++i)
        m_fields.append(nullptr);

    auto* groups = new QGridLayout;
    for (int group = 0; group < static_cast<int>(table.groups.size()); ++group) {
        const FieldGroup& description = table.groups[static_cast<std::size_t>(group)];
        groups->addWidget(buildGroup(group), description.gridRow, description.gridColumn);
    }

    m_help = new QPushButton(text(table.helpText), this);
    m_help->setObjectName(QLatin1String(table.helpName));
    m_done = new QPushButton(text(table.doneText), this);
    m_done->setObjectName(QLatin1String(table.doneName));
    // Return belongs to the fields. Only a Done button that has the focus when the dialog opens takes
    // it, so that Return right after opening closes such a dialog.
    m_help->setAutoDefault(false);
    m_done->setAutoDefault(
        !table.focusOrder.empty() && qstrcmp(table.focusOrder.front(), table.doneName) == 0);
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_help, &QPushButton::clicked, this,
        [this] { app::showHelp(this, text(m_table.helpTopic), app::help_texts::measures()); });

    if (table.buttonsBesideGroups) {
        auto* buttons = new QVBoxLayout;
        buttons->addStretch();
        buttons->addWidget(m_help);
        buttons->addWidget(m_done);
        m_layout->addLayout(groups, 0, 0);
        m_layout->addLayout(buttons, 0, 1);
    } else {
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(m_help);
        buttons->addWidget(m_done);
        m_layout->addLayout(groups, 0, 0, 1, 2);
        m_layout->addLayout(buttons, 1, 1, Qt::AlignBottom);
        m_layout->setColumnStretch(1, 1);
    }
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    applyFocusOrder();
}

MeasureDialog::~MeasureDialog() = default;

QWidget* MeasureDialog::buildGroup(int group)
{
    const FieldGroup& description = m_table.groups[static_cast<std::size_t>(group)];
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
        frame = plainFrame;
    }
    frame->setObjectName(QLatin1String(description.name));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);

    QList<Cell> cells;
    const int fieldWidth = this->fieldWidth();
    for (std::size_t i = 0; i < m_table.fields.size(); ++i) {
        const UnitField& unit = m_table.fields[i];
        if (unit.group != group)
            continue;
        auto* field = new ConversionField(frame);
        field->setObjectName(QLatin1String(unit.name));
        field->setAccessibleName(spokenName(m_table, unit));
        field->setFixedWidth(fieldWidth);
        QFont plain = field->font();
        plain.setBold(false);
        field->setFont(plain);
        m_fields[static_cast<qsizetype>(i)] = field;
        const int index = static_cast<int>(i);
        connect(field, &ConversionField::convertRequested, this, [this, index] { convertFrom(index); });

        QLabel* caption = makeLabel(frame, unit.captionLabel, unit.caption, &captionColour);
        caption->setFont(plain);
        caption->setBuddy(field);
        QLabel* abbreviation = nullptr;
        if (unit.abbreviation) {
            abbreviation = makeLabel(frame, unit.abbreviationLabel, unit.abbreviation, nullptr);
            abbreviation->setFont(plain);
        }
        cells.append({&unit, field, caption, abbreviation});
    }

    if (m_table.labels == LabelPlacement::CaptionAbove)
        placeCaptionsAbove(grid, group, cells);
    else
        placeCaptionsRight(grid, cells);
    return frame;
}

void MeasureDialog::placeCaptionsRight(QGridLayout* grid, const QList<Cell>& cells)
{
    grid->setHorizontalSpacing(4);
    for (const Cell& cell : cells) {
        grid->addWidget(cell.field, cell.unit->row, 2 * cell.unit->column);
        grid->addWidget(cell.caption, cell.unit->row, 2 * cell.unit->column + 1);
    }
}

// Every unit column has four grid columns: a left margin, the field, a right margin as wide as the left
// one, and the rest of the abbreviation. The caption spans the field and both margins, so it stands
// centred over the field however wide it is, and the abbreviation starts right after the field.
void MeasureDialog::placeCaptionsAbove(QGridLayout* grid, int group, const QList<Cell>& cells)
{
    constexpr int abbreviationGap = 4;
    constexpr int columnGap = 8;
    grid->setHorizontalSpacing(0);

    int columns = 0;
    for (const Cell& cell : cells)
        columns = std::max(columns, cell.unit->column + 1);
    QList<QLabel*> headings(columns, nullptr);
    int headingRows = 0;
    for (const ColumnHeading& heading : m_table.headings) {
        if (heading.group != group || heading.column < 0 || heading.column >= columns)
            continue;
        QLabel* label = makeLabel(grid->parentWidget(), nullptr, heading.text, &headingColour);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
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
            if (cell.unit->column != column)
                continue;
            captionWidth = std::max(captionWidth, cell.caption->sizeHint().width());
            if (cell.abbreviation)
                abbreviationWidth
                    = std::max(abbreviationWidth, cell.abbreviation->sizeHint().width() + abbreviationGap);
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
        const int row = headingRows + 2 * cell.unit->row;
        const int column = 4 * cell.unit->column;
        cell.caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        if (m_table.rowPitchTwips > 0) {
            // The caption row takes what the field and the spacing leave of the pitch.
            const int pitch = app::twipsToPixelsY(this, m_table.rowPitchTwips);
            const int captionHeight = pitch - cell.field->sizeHint().height() - 2 * grid->verticalSpacing();
            grid->setRowMinimumHeight(row, std::max(captionHeight, cell.caption->sizeHint().height()));
        }
        grid->addWidget(cell.caption, row, column, 1, 3);
        grid->addWidget(cell.field, row + 1, column + 1);
        if (cell.abbreviation) {
            cell.abbreviation->setContentsMargins(abbreviationGap, 0, 0, 0);
            grid->addWidget(cell.abbreviation, row + 1, column + 2, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

int MeasureDialog::fieldWidth() const
{
    // The designed width, or wider where the desktop's font needs it for a six-figure result with four
    // decimals, so that a result is never cut off.
    constexpr int textMargins = 12;
    const int designed = app::twipsToPixelsX(this, m_table.fieldWidthTwips);
    return std::max(designed, fontMetrics().horizontalAdvance(QStringLiteral("-000,000.0000")) + textMargins);
}

void MeasureDialog::addBelowFields(QWidget* widget)
{
    m_layout->addWidget(widget, 1, 0, Qt::AlignLeft | Qt::AlignTop);
}

void MeasureDialog::applyFocusOrder()
{
    QWidget* previous = nullptr;
    for (const char* name : m_table.focusOrder) {
        auto* widget = findChild<QWidget*>(QLatin1String(name));
        if (!widget)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        else
            widget->setFocus();
        previous = widget;
    }
}

QStringList MeasureDialog::fieldTexts() const
{
    QStringList texts;
    texts.reserve(m_fields.size());
    for (const ConversionField* field : m_fields)
        texts.append(field->text());
    return texts;
}

void MeasureDialog::showTexts(const QStringList& texts)
{
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

void MeasureDialog::showResult(const std::optional<QStringList>& texts)
{
    if (texts)
        showTexts(*texts);
    else
        app::showMessage(this, QStringLiteral("Sorry, this value gives a result out of range."),
            QStringLiteral("Input restriction"));
}

void MeasureDialog::convertFrom(int field)
{
    if (m_table.convert)
        showResult(m_table.convert(fieldTexts(), field));
}

} // namespace convert
