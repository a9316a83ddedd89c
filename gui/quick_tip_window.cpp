#include "gui/quick_tip_window.h"

#include "gui/colours.h"
#include "gui/svg_icon.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace gui {

QuickTipWindow::QuickTipWindow(
    const QString& caption, const QString& topic, const QString& text, QWidget* parent)
    : QDialog(parent)
    , m_topic(new QLabel(this))
    , m_tip(new QPlainTextEdit(this))
    , m_ok(new QPushButton(QStringLiteral("Ok"), this))
{
    setObjectName(QStringLiteral("frmQuickTip"));
    setWindowIcon(svgIcon(QStringLiteral(":/gui/icons/help.svg")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const auto makeFrame = [this](const char* name, QBoxLayout* layout, int horizontal, int vertical) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QLatin1String(name));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setLayout(layout);
        layout->setContentsMargins(horizontal, vertical, horizontal, vertical);
        return frame;
    };
    auto* topicLayout = new QHBoxLayout;
    QFrame* topicFrame = makeFrame("Frame1", topicLayout, 6, 3);
    topicFrame->setAccessibleName(QStringLiteral("Help topic"));
    m_topic->setObjectName(QStringLiteral("txtTopic"));
    QFont topicFont = m_topic->font();
    topicFont.setBold(true);
    m_topic->setFont(topicFont);
    colours::setTextColour(m_topic, colours::captionBlue);
    topicLayout->addWidget(m_topic);

    auto* tipLayout = new QVBoxLayout;
    QFrame* tipFrame = makeFrame("Frame2", tipLayout, 4, 4);
    tipFrame->setAccessibleName(QStringLiteral("Help text"));
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

    setWindowTitle(caption);
    m_topic->setText(topic);
    // The help texts break lines with CR LF; the text field wants plain line feeds.
    m_tip->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // A screen reader names the text after the topic it explains, or plainly where there is no topic; the
    // parts of the text field it also meets are named after their role.
    m_tip->setAccessibleName(topic.isEmpty() ? QStringLiteral("Help text") : topic);
    m_tip->viewport()->setAccessibleName(QStringLiteral("Help text"));
    for (QScrollBar* bar : {m_tip->verticalScrollBar(), m_tip->horizontalScrollBar()}) {
        const QString name = bar->orientation() == Qt::Vertical ? QStringLiteral("Vertical scroll bar")
                                                                : QStringLiteral("Horizontal scroll bar");
        bar->setAccessibleName(name);
        // The scroll area holds each bar in a container of its own.
        if (QWidget* container = bar->parentWidget(); container && container != m_tip)
            container->setAccessibleName(name);
    }
}

} // namespace gui
