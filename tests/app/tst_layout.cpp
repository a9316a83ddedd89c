#include "app/main_window.h"
#include "gui/quick_tip_window.h"
#include "gui/topic_dialog.h"
#include "support/topics.h"
#include "tables/help_texts.h"
#include "tables/paper_sizes.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <memory>
#include <span>

// Every window of the program, with the texts it shows at their longest, at the desktop's default font and
// at a font 20 % larger; CTest runs the same test again at scale factor 2. Whatever the font, no text may be
// cut off and no control may run under or over another, and the arrangement stays the one the user knows.
// Where a control draws its text itself, what is seen is measured from the drawn control's pixels.
namespace {

QString nameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

QRect placeIn(const QWidget* window, const QWidget* widget)
{
    return QRect(widget->mapTo(window, QPoint()), widget->size());
}

// Controls whose inside is the toolkit's own business: checked as a whole, never taken apart.
bool isWholeControl(const QWidget* widget)
{
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QToolBar*>(widget)
        || qobject_cast<const QMenuBar*>(widget);
}

// The visible controls and frames of a window, outermost first.
void collectControls(QWidget* parent, QList<QWidget*>& controls)
{
    for (QObject* object : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isWindow() || !widget->isVisible() || widget->size().isEmpty())
            continue;
        controls.append(widget);
        if (!isWholeControl(widget))
            collectControls(widget, controls);
    }
}

// Where a parent lets its children stand: inside its frame's line, and below a frame's caption.
QRect roomInside(const QWidget* parent)
{
    // A group box's contents margins are the room the style leaves inside its line and below its caption.
    if (qobject_cast<const QFrame*>(parent) || qobject_cast<const QGroupBox*>(parent))
        return parent->contentsRect();
    return parent->rect();
}

QString sizeText(const QSize& size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Collects what does not fit, naming the window, the setting and the state it was seen in.
class Faults
{
public:
    void setContext(const QString& context) { m_context = context; }
    void add(const QString& fault) { m_faults.append(m_context + QStringLiteral(": ") + fault); }
    void check(bool holds, const QString& fault)
    {
        if (!holds)
            add(fault);
    }
    bool isEmpty() const { return m_faults.isEmpty(); }
    // Every fault on a line of its own in the test's output (a failure message would be cut short), and
    // a summary for the failure.
    QString report() const
    {
        for (const QString& fault : m_faults)
            qInfo().noquote() << fault;
        return QStringLiteral("%1 faults, the first: %2").arg(m_faults.size()).arg(m_faults.value(0));
    }

private:
    QString m_context;
    QStringList m_faults;
};

// Text ink, as the user sees it. A control that draws its own text (a line edit, a push button, a frame's
// caption) is drawn alone, without its children, with its text roles in pure magenta. Over any grey, such
// a pixel's red and blue exceed its green by 255 times the share of the pixel the glyph covers; a pixel
// counts as ink from a third covered, so the faint fringe of antialiasing does not blur the measure, and
// the style's greys (backgrounds, frames, bevels) and the blue of a focus frame never count.
bool isMagentaInk(QRgb pixel)
{
    return qRed(pixel) - qGreen(pixel) > 85 && qBlue(pixel) - qGreen(pixel) > 85;
}

// The smallest rectangle holding every pixel of the picture that `isInk`, in device pixels.
template <typename IsInk> QRect inkIn(const QImage& picture, IsInk isInk)
{
    QRect ink;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (isInk(line[x]))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Draws a widget's text in magenta for as long as it lives.
class MagentaText
{
public:
    explicit MagentaText(QWidget* widget)
        : m_widget(widget)
        , m_saved(widget->palette())
        , m_own(widget->testAttribute(Qt::WA_SetPalette))
    {
        QPalette magenta = m_saved;
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            magenta.setColor(role, QColor(255, 0, 255));
        widget->setPalette(magenta);
    }
    ~MagentaText() { m_widget->setPalette(m_own ? m_saved : QPalette()); }
    Q_DISABLE_COPY_MOVE(MagentaText)

    // The widget as it draws itself, without its children, in device pixels.
    QImage picture() const
    {
        const qreal ratio = m_widget->devicePixelRatioF();
        QImage picture(m_widget->size() * ratio, QImage::Format_RGB32);
        picture.setDevicePixelRatio(ratio);
        m_widget->render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return picture;
    }

private:
    QWidget* m_widget;
    QPalette m_saved;
    bool m_own;
};

// How large the ink of `text` is when nothing cuts it: the text drawn freely in the control's font, with
// room to spare, at the screen's pixel ratio; a caption's access key underlined where the style shows it.
QSize wholeInk(const QWidget* control, const QString& text, bool caption)
{
    const QFontMetrics metrics(control->font());
    const qreal ratio = control->devicePixelRatioF();
    const QSize room(metrics.horizontalAdvance(text) + 4 * metrics.height(), 3 * metrics.height());
    QImage picture(room * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(control->font());
    painter.setPen(QColor(255, 0, 255));
    const bool underline = control->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, control);
    painter.drawText(QRect(QPoint(2 * metrics.height(), metrics.height()), room),
        !caption        ? 0
            : underline ? Qt::TextShowMnemonic
                        : Qt::TextHideMnemonic,
        text);
    painter.end();
    return inkIn(picture, isMagentaInk).size();
}

// The ink seen is the whole text: a glyph cut at an edge leaves less. One device pixel less is where a
// glyph falls on the pixel grid; more is no cut (where an access key's underline starts is rounded).
void checkInkWhole(
    Faults& faults, const QWidget* control, const QString& text, const QRect& ink, bool caption)
{
    const QSize whole = wholeInk(control, text, caption);
    if (ink.width() < whole.width() - 1 || ink.height() < whole.height() - 1) {
        faults.add(QStringLiteral("\"%1\" in %2 shows ink of %3 device pixels, whole it has %4")
                       .arg(text, nameOf(control), sizeText(ink.size()), sizeText(whole)));
    }
}

// A text that runs onto the outline drawn along a control's edges, or up to an edge without one, reads as
// cut: between the ink and each edge named, the outline (`outline` pixels wide) and one more pixel stay
// clear.
void checkInkClear(Faults& faults, const QWidget* control, const QString& text, const QRect& ink,
    Qt::Edges edges, int outline = 1)
{
    const int ratio = qCeil(control->devicePixelRatioF());
    const QRect inside = QRect(QPoint(), control->size() * ratio)
                             .adjusted(edges & Qt::LeftEdge ? (outline + 1) * ratio : 0,
                                 edges & Qt::TopEdge ? (outline + 1) * ratio : 0,
                                 edges & Qt::RightEdge ? -(outline + 1) * ratio : 0,
                                 edges & Qt::BottomEdge ? -(outline + 1) * ratio : 0);
    if (!inside.contains(ink)) {
        faults.add(QStringLiteral("\"%1\" in %2 runs onto its edge (ink at %3,%4 %5 of %6 device pixels)")
                       .arg(text, nameOf(control))
                       .arg(ink.x())
                       .arg(ink.y())
                       .arg(sizeText(ink.size()), sizeText(control->size() * ratio)));
    }
}

void checkTextFits(
    Faults& faults, const QString& who, const QString& text, const QSize& needed, const QRect& room)
{
    if (needed.width() > room.width() || needed.height() > room.height()) {
        faults.add(QStringLiteral("\"%1\" in %2 needs %3 but has %4")
                       .arg(text, who, sizeText(needed), sizeText(room.size())));
    }
}

void checkLabel(Faults& faults, QLabel* label)
{
    if (label->text().isEmpty())
        return;
    const QFontMetrics metrics = label->fontMetrics();
    const QRect room = label->contentsRect().adjusted(
        label->margin(), label->margin(), -label->margin(), -label->margin());
    QSize needed = metrics.size(label->buddy() ? Qt::TextShowMnemonic : 0, label->text());
    // A single line needs the font's height; the leading only parts one line from the next.
    if (!label->text().contains(u'\n'))
        needed.setHeight(metrics.height());
    if (label->wordWrap())
        needed = QSize(0, label->heightForWidth(label->width()));
    checkTextFits(faults, nameOf(label), label->text(), needed, room);

    // A text in an outlined box keeps clear of the outline. The box is filled in one colour; ink is what
    // differs from it by more than a third of the way to black or white.
    if (label->frameWidth() > 0 && label->autoFillBackground()) {
        const QImage picture = label->grab().toImage();
        const QRgb fill = label->palette().color(label->backgroundRole()).rgb();
        const int outline = qCeil(label->frameWidth() * label->devicePixelRatioF());
        const QImage inside = picture.copy(picture.rect().adjusted(outline, outline, -outline, -outline));
        const QRect ink = inkIn(inside, [fill](QRgb pixel) {
            return std::max({qAbs(qRed(pixel) - qRed(fill)), qAbs(qGreen(pixel) - qGreen(fill)),
                       qAbs(qBlue(pixel) - qBlue(fill))})
                > 85;
        }).translated(outline, outline);
        checkInkClear(faults, label, label->text(), ink, Qt::LeftEdge | Qt::RightEdge, label->frameWidth());
    }
}

// A text that fits is shown from its first character to its last: with the cursor at its end the field
// shows just what it shows with the cursor at its start, where a longer text scrolls. The field clips its
// text inside its frame, so a glyph cut there leaves less than the whole text's ink.
void checkLineEdit(Faults& faults, QLineEdit* edit)
{
    if (edit->text().isEmpty())
        return;
    const int cursor = edit->cursorPosition();
    const bool readOnly = edit->isReadOnly();
    // A read-only field draws no cursor, which would tell the two pictures apart by itself.
    edit->setReadOnly(true);
    QImage atStart;
    QImage atEnd;
    {
        const MagentaText magenta(edit);
        edit->setCursorPosition(0);
        atStart = magenta.picture();
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
        atEnd = magenta.picture();
    }
    edit->setReadOnly(readOnly);
    edit->setCursorPosition(cursor);
    faults.check(atStart == atEnd,
        QStringLiteral("\"%1\" in %2 scrolls to show its end: %3 is too narrow")
            .arg(edit->text(), nameOf(edit), sizeText(edit->size())));
    checkInkWhole(faults, edit, edit->text(), inkIn(atStart, isMagentaInk), false);
}

void checkButton(Faults& faults, QAbstractButton* button)
{
    if (button->text().isEmpty())
        return;
    if (qobject_cast<QPushButton*>(button)) {
        const QRect ink = inkIn(MagentaText(button).picture(), isMagentaInk);
        checkInkWhole(faults, button, button->text(), ink, true);
        checkInkClear(
            faults, button, button->text(), ink, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
        return;
    }
    if (qobject_cast<QRadioButton*>(button) || button->inherits("QCheckBox"))
        checkTextFits(faults, nameOf(button), button->text(), button->minimumSizeHint(), button->rect());
}

void checkComboBox(Faults& faults, QComboBox* combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect room
        = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const QFontMetrics metrics = combo->fontMetrics();
    // Every entry, as it shows once chosen.
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        checkTextFits(
            faults, nameOf(combo), text, QSize(metrics.horizontalAdvance(text), metrics.height()), room);
    }
}

void checkItemView(Faults& faults, QAbstractItemView* view)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    // The rows scroll up and down, but each must be whole across.
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        checkTextFits(faults, nameOf(view), index.data().toString(),
            QSize(view->sizeHintForIndex(index).width(), 0), view->viewport()->rect());
    }
}

// A frame's caption is whole, ends before the frame's right edge, and stands clear of what the frame holds.
// (The style may draw it from the frame's very left edge, above the frame's line or breaking it.)
void checkGroupBoxTitle(Faults& faults, QGroupBox* box)
{
    if (box->title().isEmpty())
        return;
    const QRect ink = inkIn(MagentaText(box).picture(), isMagentaInk);
    if (ink.isEmpty()) {
        faults.add(QStringLiteral("the caption \"%1\" of %2 is not seen").arg(box->title(), nameOf(box)));
        return;
    }
    checkInkWhole(faults, box, box->title(), ink, true);
    checkInkClear(faults, box, box->title(), ink, Qt::RightEdge, 0);
    const qreal ratio = box->devicePixelRatioF();
    for (const QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place(child->geometry().topLeft() * ratio, child->size() * ratio);
        faults.check(!child->isVisible() || !place.intersects(ink),
            QStringLiteral("the caption \"%1\" of %2 runs into %3")
                .arg(box->title(), nameOf(box), nameOf(child)));
    }
}

// Every text fits its control, and every control stands inside its parent and clear of every other.
void checkFitAndOverlap(Faults& faults, QWidget* window)
{
    QList<QWidget*> controls;
    collectControls(window, controls);
    for (QWidget* control : controls) {
        if (auto* label = qobject_cast<QLabel*>(control))
            checkLabel(faults, label);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            checkLineEdit(faults, edit);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            checkButton(faults, button);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            checkComboBox(faults, combo);
        else if (auto* view = qobject_cast<QAbstractItemView*>(control))
            checkItemView(faults, view);
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            checkGroupBoxTitle(faults, box);

        QWidget* parent = control->parentWidget();
        faults.check(roomInside(parent).contains(control->geometry()),
            QStringLiteral("%1 at %2,%3 %4 leaves the room inside %5")
                .arg(nameOf(control))
                .arg(control->x())
                .arg(control->y())
                .arg(sizeText(control->size()), nameOf(parent)));
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            faults.check(!placeIn(window, a).intersects(placeIn(window, b)),
                QStringLiteral("%1 and %2 overlap").arg(nameOf(a), nameOf(b)));
        }
    }
}

// The arrangement, as the program's forms prescribe it.

class Places
{
public:
    Places(QWidget* window, Faults& faults)
        : m_window(window)
        , m_faults(faults)
    { }

    QWidget* widget(const QByteArray& name) const
    {
        auto* found = m_window->findChild<QWidget*>(QString::fromLatin1(name));
        if (!found)
            m_faults.add(QStringLiteral("no control %1").arg(QString::fromLatin1(name)));
        return found;
    }
    QRect operator()(const QByteArray& name) const { return (*this)(widget(name)); }
    QRect operator()(const QWidget* found) const { return found ? placeIn(m_window, found) : QRect(); }

    // The framed group box whose caption is `title`.
    QGroupBox* frameTitled(const char* title) const
    {
        for (QGroupBox* box : m_window->findChildren<QGroupBox*>()) {
            if (box->title() == QString::fromUtf8(title))
                return box;
        }
        m_faults.add(QStringLiteral("no frame \"%1\"").arg(QString::fromUtf8(title)));
        return nullptr;
    }

    // The label that names the field (its buddy), or null.
    QLabel* captionOf(const QWidget* field) const
    {
        for (QLabel* label : m_window->findChildren<QLabel*>()) {
            if (field && label->buddy() == field)
                return label;
        }
        m_faults.add(QStringLiteral("no caption for %1").arg(field ? nameOf(field) : QString()));
        return nullptr;
    }

    QWidget* window() const { return m_window; }
    void check(bool holds, const QString& what) const { m_faults.check(holds, what); }

    void leftOf(const QByteArray& a, const QByteArray& b) const
    {
        check((*this)(a).right() < (*this)(b).left(),
            QStringLiteral("%1 is not left of %2").arg(QString::fromLatin1(a), QString::fromLatin1(b)));
    }
    void above(const QByteArray& a, const QByteArray& b) const
    {
        check((*this)(a).bottom() < (*this)(b).top(),
            QStringLiteral("%1 is not above %2").arg(QString::fromLatin1(a), QString::fromLatin1(b)));
    }
    void sameTop(const QByteArray& a, const QByteArray& b) const
    {
        check((*this)(a).top() == (*this)(b).top(),
            QStringLiteral("%1 and %2 are not level").arg(QString::fromLatin1(a), QString::fromLatin1(b)));
    }
    void sameLeft(const QByteArray& a, const QByteArray& b) const
    {
        check((*this)(a).left() == (*this)(b).left(),
            QStringLiteral("%1 and %2 are not aligned").arg(QString::fromLatin1(a), QString::fromLatin1(b)));
    }
    // On one text line: the vertical centres meet.
    void sameLine(const QByteArray& a, const QByteArray& b) const
    {
        check(qAbs((*this)(a).center().y() - (*this)(b).center().y()) <= 1,
            QStringLiteral("%1 and %2 are not on one line")
                .arg(QString::fromLatin1(a), QString::fromLatin1(b)));
    }

private:
    QWidget* m_window;
    Faults& m_faults;
};

struct GridField
{
    const char* name;
    int column; // from 1, left to right
    int row; // from 1, top to bottom
};

// Fields of one column share their left edge and run downwards by row; fields of one row share their top
// edge; a later column stands wholly right of an earlier one, a later row wholly below.
void checkGrid(const Places& place, std::span<const GridField> fields)
{
    for (const GridField& a : fields) {
        for (const GridField& b : fields) {
            const QString pair = QStringLiteral("%1 (column %2, row %3) and %4 (column %5, row %6)")
                                     .arg(QLatin1String(a.name))
                                     .arg(a.column)
                                     .arg(a.row)
                                     .arg(QLatin1String(b.name))
                                     .arg(b.column)
                                     .arg(b.row);
            if (a.column == b.column)
                place.check(place(a.name).left() == place(b.name).left(), pair + QStringLiteral(": columns"));
            if (a.row == b.row)
                place.check(place(a.name).top() == place(b.name).top(), pair + QStringLiteral(": rows"));
            if (a.column < b.column)
                place.check(place(a.name).right() < place(b.name).left(), pair + QStringLiteral(": columns"));
            if (a.row < b.row)
                place.check(place(a.name).bottom() < place(b.name).top(), pair + QStringLiteral(": rows"));
        }
    }
}

// Captions centred above their fields, as the linear, surface, volume and weight dialogs show them.
void checkCaptionsAbove(const Places& place, std::span<const GridField> fields)
{
    for (const GridField& field : fields) {
        const QRect edit = place(field.name);
        const QRect caption = place(place.captionOf(place.widget(field.name)));
        place.check(caption.bottom() < edit.top() && qAbs(caption.center().x() - edit.center().x()) <= 1,
            QStringLiteral("the caption of %1 is not centred above it").arg(QLatin1String(field.name)));
    }
}

// Help left of Done, level with it, below the unit fields at the right.
void checkButtonsBelowRight(const Places& place, std::span<const GridField> fields)
{
    place.leftOf("Command2", "Command1");
    place.sameTop("Command2", "Command1");
    for (const GridField& field : fields) {
        place.check(place("Command2").top() > place(field.name).bottom(),
            QStringLiteral("Help is not below %1").arg(QLatin1String(field.name)));
        place.check(place("Command1").right() >= place(field.name).right(),
            QStringLiteral("Done is not at the right of %1").arg(QLatin1String(field.name)));
    }
}

constexpr GridField linearFields[] = {{"EBxCM", 1, 1}, {"EBxM", 1, 2}, {"EBxKM", 1, 3}, {"EBxIN", 2, 1},
    {"EBxFT", 2, 2}, {"EBxYD", 2, 3}, {"EBxMI", 3, 1}, {"EBxNMI", 3, 2}};

constexpr GridField surfaceFields[] = {{"EbxQM", 1, 1}, {"EbxARE", 1, 2}, {"EbxQKM", 1, 3}, {"EbxHA", 2, 1},
    {"EbxSQFT", 2, 2}, {"EbxSQYD", 2, 3}, {"EbxACRE", 3, 1}, {"EbxSQMI", 3, 2}, {"EbxCL", 3, 3}};

// The rows line up across the columns: the dry pint and quart level with the liquid ones, the dry peck and
// bushel level with the imperial ones.
constexpr GridField volumeFields[] = {{"EBxCM3", 1, 1}, {"EBxML", 1, 2}, {"EBxDM3", 1, 3}, {"EBxL", 1, 4},
    {"EBxHL", 1, 5}, {"EBxM3", 1, 6}, {"EBxCUIN", 2, 1}, {"EBxCUFT", 2, 2}, {"EBxCUYD", 2, 3},
    {"EBxRT", 2, 4}, {"EBxOZFL", 3, 1}, {"EBxIMPGI", 3, 2}, {"EBxIMPPT", 3, 3}, {"EBxIMPQT", 3, 4},
    {"EBxIMPGAL", 3, 5}, {"EBxIMPPK", 3, 6}, {"EBxIMPBUSH", 3, 7}, {"EBxOZFLUS", 4, 1}, {"EBxUSGILL", 4, 2},
    {"EBxUSPTLI", 4, 3}, {"EBxUSQT", 4, 4}, {"EBxUSGAL", 4, 5}, {"EBxUSPTDR", 5, 3}, {"EBxUSQTDR", 5, 4},
    {"EBxUSPK", 5, 6}, {"EBxUSBUSH", 5, 7}};

constexpr GridField weightFields[] = {{"EBxG", 1, 1}, {"EBxKG", 1, 2}, {"EBxQ", 1, 3}, {"EBxT", 1, 4},
    {"EBxGR", 2, 1}, {"EBxDWT", 2, 2}, {"EBxOZ", 2, 3}, {"EBxTROZ", 2, 4}, {"EBxTRLB", 3, 1}, {"EBxLB", 3, 2},
    {"EBxST", 3, 3}, {"EBxUSQR", 3, 4}, {"EBxQR", 3, 5}, {"EBxUSCWT", 4, 1}, {"EBxCWT", 4, 2},
    {"EBxSHTN", 4, 3}, {"EBxLTN", 4, 4}};

constexpr GridField temperatureFields[]
    = {{"ebxCelsius", 1, 1}, {"ebxFahrenheit", 1, 2}, {"ebxKelvin", 1, 3}, {"ebxReaumur", 1, 4}};
constexpr GridField energyFields[]
    = {{"ebxBtu", 1, 1}, {"ebxMegajoule", 1, 2}, {"ebxKWh", 1, 3}, {"ebxTherm", 1, 4}};
constexpr GridField powerFields[] = {{"ebxPS", 1, 1}, {"ebxKW", 1, 2}};
constexpr GridField fuelFields[] = {{"ebxMilesGallon", 1, 1}, {"ebxLtr100km", 1, 2}};

void checkMeasureGrid(const Places& place, std::span<const GridField> fields)
{
    checkGrid(place, fields);
    checkCaptionsAbove(place, fields);
    checkButtonsBelowRight(place, fields);
}

void checkVolume(const Places& place)
{
    checkMeasureGrid(place, volumeFields);
    // Each column under its heading; the box calculator below the fields at the left, the buttons right of
    // it.
    const char* headings[][2]
        = {{"Metric", "EBxCM3"}, {"British/US", "EBxCUIN"}, {"British Imperial", "EBxOZFL"},
            {"US Custom (liquid)", "EBxOZFLUS"}, {"US Custom (dry)", "EBxUSPTDR"}};
    const QList<QLabel*> labels = place.window()->findChildren<QLabel*>();
    for (const auto& [text, first] : headings) {
        const auto found = std::find_if(labels.begin(), labels.end(),
            [text](const QLabel* label) { return label->text() == QLatin1String(text); });
        place.check(found != labels.end(), QStringLiteral("no heading %1").arg(QLatin1String(text)));
        if (found == labels.end())
            continue;
        const QRect heading = place(*found);
        const QRect field = place(first);
        place.check(heading.bottom() < place(place.captionOf(place.widget(first))).top()
                && heading.left() <= field.center().x() && heading.right() >= field.center().x(),
            QStringLiteral("the heading %1 is not above its column").arg(QLatin1String(text)));
    }
    place.above("Frame4", "Frame1");
    place.sameLeft("Frame4", "Frame1");
    place.leftOf("Frame1", "Command2");
}

void checkMisc(const Places& place)
{
    const std::span<const GridField> groups[] = {temperatureFields, energyFields, powerFields, fuelFields};
    QGroupBox* frames[] = {place.frameTitled("Temperature"), place.frameTitled("Energy"),
        place.frameTitled("Power"), place.frameTitled("Fuel Consumption")};
    for (std::size_t i = 0; i < std::size(groups); ++i) {
        checkGrid(place, groups[i]);
        for (const GridField& field : groups[i]) {
            // The unit label stands right of its field, on its line.
            const QRect edit = place(field.name);
            const QRect label = place(place.captionOf(place.widget(field.name)));
            place.check(label.left() > edit.right() && qAbs(label.center().y() - edit.center().y()) <= 1,
                QStringLiteral("the label of %1 is not right of it").arg(QLatin1String(field.name)));
            place.check(place(frames[i]).contains(edit),
                QStringLiteral("%1 is not in its frame").arg(QLatin1String(field.name)));
        }
    }
    // Two by two: temperature and energy on top, power and fuel below; Help above Done at the right, at the
    // bottom.
    const auto frame = [&](int i) { return place(frames[i]); };
    place.check(frame(0).top() == frame(1).top() && frame(2).top() == frame(3).top()
            && frame(0).left() == frame(2).left() && frame(1).left() == frame(3).left()
            && frame(0).right() < frame(1).left() && frame(0).bottom() < frame(2).top(),
        QStringLiteral("the four frames are not two by two"));
    place.above("btnHelp", "btnDone");
    place.sameLeft("btnHelp", "btnDone");
    place.check(place("btnHelp").left() > frame(1).right() && place("btnHelp").left() > frame(3).right()
            && place("btnHelp").top() > frame(1).bottom(),
        QStringLiteral("Help and Done are not right of the frames, at the bottom"));
}

void checkNumber(const Places& place)
{
    // Five rows, each with its caption above the field and its base label to the right.
    const char* rows[][3] = {{"ebxBin", "lblBinary", "lblBase2"}, {"ebxOct", "lblOctal", "lblBase8"},
        {"ebxDec", "lblDecimal", "lblBase10"}, {"ebxHex", "lblHexadecimal", "lblBase16"},
        {"ebxRom", "lblRoman", nullptr}};
    const char* previous = nullptr;
    for (const auto& [field, caption, base] : rows) {
        place.above(caption, field);
        place.sameLeft(caption, field);
        if (previous)
            place.above(previous, caption);
        if (base) {
            place.leftOf(field, base);
            place.sameLine(field, base);
        }
        place.check(place("fraNumbers").contains(place(field)),
            QStringLiteral("%1 is not in its frame").arg(QLatin1String(field)));
        previous = field;
    }
    place.above("fraNumbers", "fraNetworkAddress");
    place.sameLeft("fraNumbers", "fraNetworkAddress");
    for (const auto& [field, caption] :
        {std::pair("ebxHexAddr", "lblHexAddr"), std::pair("ebxKanAddr", "lblKanAddr")}) {
        place.above(caption, field);
        place.sameLeft(caption, field);
        place.check(place("fraNetworkAddress").contains(place(field)),
            QStringLiteral("%1 is not in its frame").arg(QLatin1String(field)));
    }
    place.leftOf("ebxHexAddr", "ebxKanAddr");
    place.sameTop("ebxHexAddr", "ebxKanAddr");
    place.check(place("ebxHexAddr").width() == place("ebxKanAddr").width(),
        QStringLiteral("the address fields differ in width"));
    // Done above Help, right of the frames.
    place.above("Command1", "Command2");
    place.sameLeft("Command1", "Command2");
    place.leftOf("fraNumbers", "Command1");
}

void checkPaper(const Places& place)
{
    // Headings over the list and the two columns of figures; each row reads height, "x", width, unit.
    place.sameTop("TxtSizeName", "TxtHeight");
    place.sameTop("TxtHeight", "TxtWidth");
    place.above("TxtSizeName", "List1");
    place.sameLeft("TxtSizeName", "List1");
    place.leftOf("List1", "TxtHeightInch");
    for (const char* row : {"Inch", "Mil"}) {
        const QByteArray height = QByteArrayLiteral("TxtHeight") + row;
        const QByteArray width = QByteArrayLiteral("TxtWidth") + row;
        const char* times = qstrcmp(row, "Inch") == 0 ? "Label52" : "Label53";
        const char* unit = qstrcmp(row, "Inch") == 0 ? "TxtInches2" : "TxtMil2";
        place.leftOf(height, times);
        place.leftOf(times, width);
        place.leftOf(width, unit);
        place.leftOf(unit, "Shape1");
        place.sameLine(height, times);
        place.sameLine(height, width);
        place.sameLine(height, unit);
        place.above("TxtHeight", height);
        place.sameLeft("TxtHeight", height);
        place.above("TxtWidth", width);
        place.sameLeft("TxtWidth", width);
    }
    place.above("TxtHeightInch", "TxtHeightMil");
    // The list, the first row of figures and the rectangle start on one line.
    place.sameTop("List1", "TxtHeightInch");
    place.sameTop("TxtHeightInch", "Shape1");
    // Help left of Done, below the frame at the right.
    place.above("Frame1", "Command2");
    place.leftOf("Command2", "Command1");
    place.sameTop("Command2", "Command1");
    place.check(
        place("Command2").left() > place("Frame1").center().x(), QStringLiteral("Help is not at the right"));
}

void checkCloth(const Places& place)
{
    // Seven frames in two columns and four rows, row by row; in each, American, British and European side by
    // side, each list below its heading.
    for (int group = 1; group <= 7; ++group) {
        const QByteArray frame = "Frame" + QByteArray::number(group);
        if (group % 2 == 0) {
            const QByteArray left = "Frame" + QByteArray::number(group - 1);
            place.leftOf(left, frame);
            place.sameTop(left, frame);
        }
        if (group > 2) {
            const QByteArray above = "Frame" + QByteArray::number(group - 2);
            place.above(above, frame);
            place.sameLeft(above, frame);
        }
        auto* box = qobject_cast<QGroupBox*>(place.widget(frame.constData()));
        if (!box)
            continue;
        const QList<QComboBox*> lists = box->findChildren<QComboBox*>();
        place.check(lists.size() == 3,
            QStringLiteral("%1 holds %2 lists").arg(QLatin1String(frame)).arg(lists.size()));
        for (qsizetype column = 0; column < lists.size(); ++column) {
            const QByteArray heading = "Label" + QByteArray::number((group - 1) * 3 + column + 1);
            const QByteArray list = lists[column]->objectName().toLatin1();
            place.above(heading, list);
            place.sameLeft(heading, list);
            if (column > 0) {
                place.leftOf(lists[column - 1]->objectName().toLatin1(), list);
                place.sameTop(lists[column - 1]->objectName().toLatin1(), list);
            }
        }
    }
    // Help and Done, side by side, fill the lower right.
    place.leftOf("Command2", "Command1");
    place.sameTop("Command2", "Command1");
    place.leftOf("Frame7", "Command2");
    place.above("Frame6", "Command2");
}

void checkArrangement(const Places& place, const gui::Topic& topic)
{
    const QLatin1String dialog(topic.dialogName);
    if (dialog == QLatin1String("frmLinear"))
        checkMeasureGrid(place, linearFields);
    else if (dialog == QLatin1String("frmSurface"))
        checkMeasureGrid(place, surfaceFields);
    else if (dialog == QLatin1String("frmVolume"))
        checkVolume(place);
    else if (dialog == QLatin1String("frmWeight"))
        checkMeasureGrid(place, weightFields);
    else if (dialog == QLatin1String("frmMisc"))
        checkMisc(place);
    else if (dialog == QLatin1String("frmNumber"))
        checkNumber(place);
    else if (dialog == QLatin1String("frmPaper"))
        checkPaper(place);
    else if (dialog == QLatin1String("frmCloth"))
        checkCloth(place);
    else
        place.check(false, QStringLiteral("no arrangement known for %1").arg(dialog));
}

// The windows' contents at their longest.

// One way a window is shown: a name and what to put into it first.
struct Showing
{
    QString name;
    bool grab; // worth a picture
    std::function<void(QWidget*)> fill;
};

// A six-figure result with four decimals, as the measure dialogs show a large value.
const QString longResult = QStringLiteral("-888,888.8888");

QList<Showing> showingsOf(const gui::Topic& topic)
{
    QList<Showing> showings{{QStringLiteral("as opened"), true, [](QWidget*) {}}};
    const QLatin1String dialog(topic.dialogName);
    if (topic.form) {
        showings.append({QStringLiteral("with long results"), true, [](QWidget* window) {
                             // The volume dialog's box edges hold what a user types for a box.
                             const QStringList edges{QStringLiteral("ebxLength"), QStringLiteral("ebxHeight"),
                                 QStringLiteral("ebxWidth")};
                             for (QLineEdit* field : window->findChildren<QLineEdit*>())
                                 field->setText(edges.contains(field->objectName()) ? QStringLiteral("123.45")
                                                                                    : longResult);
                         }});
    } else if (dialog == QLatin1String("frmNumber")) {
        // The longest texts of the worked examples: decimal -1 gives thirty-two binary ones, octal
        // 7777777777 gives decimal 1073741823, decimal 20000 gives twenty M's.
        showings.append({QStringLiteral("with the longest numbers"), true, [](QWidget* window) {
                             const std::pair<const char*, QString> texts[] = {
                                 {"ebxBin", QString(32, u'1')},
                                 {"ebxOct", QStringLiteral("37777777777")},
                                 {"ebxDec", QStringLiteral("1073741823")},
                                 {"ebxHex", QStringLiteral("FFFFFFFF")},
                                 {"ebxRom", QString(20, u'M')},
                                 {"ebxHexAddr", QStringLiteral("0123456789ab")},
                                 {"ebxKanAddr", QStringLiteral("084C2A6E195D")},
                             };
                             for (const auto& [name, text] : texts)
                                 window->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
                         }});
    } else if (dialog == QLatin1String("frmPaper")) {
        // Each sheet in turn, the rectangle reaching right and down; the list's own names are chosen.
        for (const QString& name : tables::paperNamesSorted()) {
            const bool telling
                = name == QLatin1String("A4") || name == QLatin1String("A0") || name == QLatin1String("E");
            showings.append({name + QStringLiteral(" chosen"), telling, [name](QWidget* window) {
                                 auto* names = window->findChild<QListWidget*>(QStringLiteral("List1"));
                                 names->setCurrentItem(names->findItems(name, Qt::MatchExactly).value(0));
                             }});
        }
    } else if (dialog == QLatin1String("frmCloth")) {
        // Every entry of every list, position by position; the shirts have eight, the others six.
        for (int position = 0; position < 8; ++position) {
            showings.append({QStringLiteral("position %1 chosen everywhere").arg(position + 1), position == 2,
                [position](QWidget* window) {
                    for (QComboBox* list : window->findChildren<QComboBox*>())
                        list->setCurrentIndex(std::min(position, list->count() - 1));
                }});
        }
    }
    return showings;
}

} // namespace

class TestLayout final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void mainWindow_data();
    void mainWindow();
    void quickHelp_data();
    void quickHelp();
    void dialogs_data();
    void dialogs();

private:
    static void addFontRows(bool perTopic);
    void useFont();
    QString setting() const;
    void grab(QWidget* window, const QString& showing) const;

    QFont m_desktopFont;
};

void TestLayout::initTestCase()
{
    m_desktopFont = QApplication::font();
    // CTest runs this test a second time with a scale factor; make sure it took.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    qInfo().noquote() << "Desktop font" << m_desktopFont.toString() << "at scale factor"
                      << qApp->devicePixelRatio();
}

void TestLayout::cleanup()
{
    QApplication::setFont(m_desktopFont);
}

// The desktop's default font, and the same 20 % larger, as a user who reads more comfortably sets it; with
// `perTopic`, once for each topic.
void TestLayout::addFontRows(bool perTopic)
{
    QTest::addColumn<double>("fontScale");
    QTest::addColumn<const gui::Topic*>("topic");
    const std::pair<const char*, double> fonts[] = {{"default font", 1.0}, {"font 20 % larger", 1.2}};
    for (const auto& [name, scale] : fonts) {
        if (!perTopic)
            QTest::newRow(name) << scale << static_cast<const gui::Topic*>(nullptr);
        for (const gui::Topic& topic : perTopic ? gui::topics() : std::span<const gui::Topic>())
            QTest::addRow("%s, %s", name, topic.dialogName) << scale << &topic;
    }
}

void TestLayout::useFont()
{
    QFETCH(double, fontScale);
    QFont font = m_desktopFont;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * fontScale);
    else
        font.setPixelSize(qRound(font.pixelSize() * fontScale));
    QApplication::setFont(font);
}

QString TestLayout::setting() const
{
    QString text = QApplication::font() == m_desktopFont ? QStringLiteral("default font")
                                                         : QStringLiteral("font 20 % larger");
    if (qApp->devicePixelRatio() != 1.0)
        text += QStringLiteral(", scale factor %1").arg(qApp->devicePixelRatio());
    return text;
}

// With TALLYO_LAYOUT_GRABS naming a folder, every window is also saved there as a picture, to look at.
void TestLayout::grab(QWidget* window, const QString& showing) const
{
    const QString folder = qEnvironmentVariable("TALLYO_LAYOUT_GRABS");
    if (folder.isEmpty())
        return;
    QString name = setting() + QLatin1Char(' ') + window->objectName() + QLatin1Char(' ') + showing;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    QDir().mkpath(folder);
    QVERIFY(window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

void TestLayout::mainWindow_data()
{
    addFontRows(false);
}

void TestLayout::mainWindow()
{
    useFont();
    app::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Faults faults;
    faults.setContext(QStringLiteral("frmMain, ") + setting());
    checkFitAndOverlap(faults, &window);

    // Every toolbar button shows; none is pushed into an overflow menu.
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QVERIFY(toolBar);
    for (QAction* action : toolBar->actions()) {
        QWidget* button = toolBar->widgetForAction(action);
        faults.check(
            button && button->isVisible(), QStringLiteral("toolbar button %1 hidden").arg(action->text()));
    }

    // The picture at the left; the icon, then the title right of it; the three lines below share their left
    // edge and width, top to bottom.
    Places place(&window, faults);
    place.leftOf("PanelPicture", "Image1");
    place.leftOf("Image1", "Label1");
    place.above("Label1", "Label2");
    place.above("Label2", "Label3");
    place.above("Label3", "Label4");
    place.sameLeft("Label2", "Label3");
    place.sameLeft("Label3", "Label4");
    place.check(place("Label2").width() == place("Label3").width()
            && place("Label3").width() == place("Label4").width(),
        QStringLiteral("Label2 to Label4 differ in width"));
    grab(&window, QString());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.report()));
}

void TestLayout::quickHelp_data()
{
    addFontRows(true);
}

void TestLayout::quickHelp()
{
    QFETCH(const gui::Topic*, topic);
    useFont();
    gui::QuickTipWindow window(QString::fromUtf16(tables::helpCaption), QString::fromUtf8(topic->helpTopic),
        QString::fromUtf16(topic->helpText));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Faults faults;
    faults.setContext(
        QStringLiteral("frmQuickTip for %1, %2").arg(QLatin1String(topic->dialogName), setting()));
    checkFitAndOverlap(faults, &window);
    // The topic on top, the text below it, Ok below the text at the right.
    Places place(&window, faults);
    place.above("Frame1", "Frame2");
    place.above("Frame2", "btnOK");
    place.check(
        place("btnOK").left() > place("Frame2").center().x(), QStringLiteral("Ok is not at the right"));
    grab(&window, QLatin1String(topic->dialogName));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.report()));
}

void TestLayout::dialogs_data()
{
    addFontRows(true);
}

void TestLayout::dialogs()
{
    QFETCH(const gui::Topic*, topic);
    useFont();
    std::unique_ptr<gui::TopicDialog> dialog = gui::createDialog(*topic, nullptr);
    QVERIFY(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    Faults faults;
    const auto look = [&](const QString& showing) {
        faults.setContext(QStringLiteral("%1 %2, %3").arg(dialog->objectName(), showing, setting()));
        checkFitAndOverlap(faults, dialog.get());
        checkArrangement(Places(dialog.get(), faults), *topic);
    };
    for (const Showing& showing : showingsOf(*topic)) {
        showing.fill(dialog.get());
        look(showing.name);
        if (showing.grab)
            grab(dialog.get(), showing.name);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.report()));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
