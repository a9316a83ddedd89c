#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace gui {

// The quick-help window (frmQuickTip): a help caption, topic and text, with an Ok button that closes it.
class QuickTipWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuickTipWindow)

public:
    QuickTipWindow(
        const QString& caption, const QString& topic, const QString& text, QWidget* parent = nullptr);

private:
    QLabel* m_topic;
    QPlainTextEdit* m_tip;
    QPushButton* m_ok;
};

} // namespace gui
