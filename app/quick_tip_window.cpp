#include "app/quick_tip_window.h"

#include "app/help.h"
#include "app/icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {

QuickTipWindow::QuickTipWindow(QWidget* parent)
    : QDialog(parent)
    , m_topic(new QLabel(this))
    , m_tip(new QPlainTextEdit(this))
    , m_ok(new QPushButton(QStringLiteral("Ok"), this))
{
    setObjectName(QStringLiteral("frmQuickTip"));
    setWindowIcon(icons::help());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* topicFrame = new QFrame(this);
    topicFrame->setObjectName(QStringLiteral("Frame1"));
    topicFrame->setFrameShape(QFrame::StyledPanel);
    auto* topicLayout = new QHBoxLayout(topicFrame);
    topicLayout->setContentsMargins(6, 3, 6, 3);
    m_topic->setObjectName(QStringLiteral("txtTopic"));
    QFont topicFont = m_topic->font();
    topicFont.setBold(true);
    m_topic->setFont(topicFont);
    m_topic->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
    topicLayout->addWidget(m_topic);

    auto* tipFrame = new QFrame(this);
    tipFrame->setObjectName(QStringLiteral("Frame2"));
    tipFrame->setFrameShape(QFrame::StyledPanel);
    auto* tipLayout = new QVBoxLayout(tipFrame);
    tipLayout->setContentsMargins(4, 4, 4, 4);
    m_tip->setObjectName(QStringLiteral("txtTip"));
    m_tip->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_tip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tip->setMinimumSize(330, 105);
    m_tip->setTabChangesFocus(true);
    // Nothing typed here would be kept, so the text is offered for reading and copying only.
    m_tip->setReadOnly(true);
    m_tip->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    tipLayout->addWidget(m_tip);

    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    m_ok->setAccessibleName(QStringLiteral("Ok"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(topicFrame);
    layout->addWidget(tipFrame, 1);
    layout->addLayout(buttons);
    resize(360, 225);

    setTabOrder(m_ok, m_tip);
    m_ok->setFocus();

    // Filled when the window loads, from the strings as they stand now.
    const HelpStrings& strings = helpStrings();
    setWindowTitle(strings.caption);
    m_topic->setText(strings.topic);
    // The stored text breaks lines with CR LF; the text field wants plain line feeds.
    QString text = strings.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_tip->setPlainText(text);
    // A screen reader names the text after the topic it explains, or plainly where there is no topic.
    m_tip->setAccessibleName(strings.topic.isEmpty() ? QStringLiteral("Help text") : strings.topic);
}

} // namespace app
