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
    m_done->setAutoDefault(!table.focusOrder.empty() && qstrcmp(table.focusOrder.front(), table.doneName) == 0);
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
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    int headingRows = 0;
    for (const ColumnHeading& heading : m_table.headings) {
        if (heading.group != group)
            continue;
        QLabel* label = makeLabel(frame, nullptr, heading.text, &headingColour);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, 2 * heading.column, 1, 2);
        headingRows = 1;
    }

    const int fieldWidth = app::twipsToPixelsX(this, m_table.fieldWidthTwips);
    for (std::size_t i = 0; i < m_table.fields.size(); ++i) {
        const UnitField& unit = m_table.fields[i];
        if (unit.group != group)
            continue;
        auto* field = new ConversionField(frame);
        field->setObjectName(QLatin1String(unit.name));
        field->setAccessibleName(text(unit.caption));
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
        if (m_table.labels == LabelPlacement::CaptionAbove) {
            const int row = headingRows + 2 * unit.row;
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            grid->addWidget(caption, row, 2 * unit.column);
            grid->addWidget(field, row + 1, 2 * unit.column);
            if (unit.abbreviation) {
                QLabel* abbreviation = makeLabel(frame, unit.abbreviationLabel, unit.abbreviation, nullptr);
                abbreviation->setFont(plain);
                grid->addWidget(abbreviation, row + 1, 2 * unit.column + 1);
            }
        } else {
            grid->addWidget(field, headingRows + unit.row, 2 * unit.column);
            grid->addWidget(caption, headingRows + unit.row, 2 * unit.column + 1);
        }
    }
    return frame;
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
        if (m_fields[i]->text() != texts[i])
            m_fields[i]->setText(texts[i]);
    }
}

void MeasureDialog::showResult(const std::optional<QStringList>& texts)
{
    if (texts)
        showTexts(*texts);
    else
        app::showMessage(this, QStringLiteral("Sorry, this value is too large to convert."),
            QStringLiteral("Input restriction"));
}

void MeasureDialog::convertFrom(int field)
{
    if (m_table.convert)
        showResult(m_table.convert(fieldTexts(), field));
}

} // namespace convert
