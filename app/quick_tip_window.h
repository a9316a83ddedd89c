#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace app {

// The quick-help window (frmQuickTip): shows the three help strings as they stood when it opened.
class QuickTipWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuickTipWindow)

public:
    explicit QuickTipWindow(QWidget* parent = nullptr);

private:
    QLabel* m_topic;
    QPlainTextEdit* m_tip;
    QPushButton* m_ok;
};

} // namespace app
