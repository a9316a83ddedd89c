#include "gui/topic_dialog.h"

#include "gui/cloth_dialog.h"
#include "gui/help.h"
#include "gui/measure_dialog.h"
#include "gui/number_dialog.h"
#include "gui/paper_dialog.h"
#include "gui/push_button.h"
#include "gui/twips.h"
#include "gui/volume_dialog.h"
#include "tables/topics.h"

#include <QPushButton>

namespace gui {

namespace {

QPushButton* makeButton(QWidget* dialog, const char* name, const char* caption)
{
    auto* button = new PushButton(QString::fromLatin1(caption), dialog);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(button->text().remove(u'&'));
    return button;
}

} // namespace

TopicDialog::TopicDialog(const tables::Topic& topic, QWidget* parent)
    : QDialog(parent)
    , m_topic(topic)
    , m_help(makeButton(this, topic.buttons.helpName, topic.buttons.helpCaption))
    , m_done(makeButton(this, topic.buttons.doneName, topic.buttons.doneCaption))
{
    setObjectName(QLatin1String(topic.dialogName));
    setWindowTitle(QString::fromUtf8(topic.title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_help, &QPushButton::clicked, this, [this] {
        showHelp(this, QString::fromUtf8(m_topic.helpTopic), QString::fromUtf16(m_topic.helpText));
    });
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
}

TopicDialog::~TopicDialog() = default;

void TopicDialog::placeHelpAndDone(const QRect& help, const QRect& done)
{
    const bool helpFirst = help.left() < done.left() || help.top() < done.top();
    const bool beside = helpFirst ? done.left() > help.right() : help.left() > done.right();
    QPushButton* buttons[] = {helpFirst ? m_help : m_done, helpFirst ? m_done : m_help};
    const QRect designed[] = {helpFirst ? help : done, helpFirst ? done : help};
    QRect places[2];
    for (int i = 0; i < 2; ++i)
        places[i]
            = QRect(designed[i].topLeft(), designed[i].size().expandedTo(pushButtonSizeFor(buttons[i])));
    if (beside) {
        const int gap = designed[1].left() - designed[0].right();
        places[1].moveLeft(std::max(designed[1].left(), places[0].right() + gap));
    } else {
        const int gap = designed[1].top() - designed[0].bottom();
        places[1].moveTop(std::max(designed[1].top(), places[0].bottom() + gap));
    }
    buttons[0]->setGeometry(places[0]);
    buttons[1]->setGeometry(places[1]);
}

std::unique_ptr<TopicDialog> TopicDialog::create(const tables::Topic& topic, QWidget* parent)
{
    switch (topic.shape) {
    case tables::DialogShape::Measure:
        return std::make_unique<MeasureDialog>(topic, parent);
    case tables::DialogShape::MeasureWithBox:
        return std::make_unique<VolumeDialog>(topic, parent);
    case tables::DialogShape::NumberSystems:
        return std::make_unique<NumberDialog>(topic, parent);
    case tables::DialogShape::PaperSizes:
        return std::make_unique<PaperDialog>(topic, parent);
    case tables::DialogShape::ClothingSizes:
        return std::make_unique<ClothDialog>(topic, parent);
    }
    return nullptr;
}

} // namespace gui
