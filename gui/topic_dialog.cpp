#include "gui/topic_dialog.h"

#include "gui/help.h"
#include "gui/push_button.h"
#include "gui/topics.h"

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

TopicDialog::TopicDialog(const Topic& topic, QWidget* parent)
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

} // namespace gui
