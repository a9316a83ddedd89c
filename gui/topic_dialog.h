#pragma once

#include <QDialog>

class QPushButton;

namespace gui {

struct Topic;

// A topic's dialog: named and captioned after its topic, with the Help button that opens the topic's
// quick help and the Done button that closes the dialog. Each kind of dialog places the two itself;
// createDialog() (topics.h) makes every kind.
class TopicDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TopicDialog)

public:
    ~TopicDialog() override;

    const Topic& topic() const { return m_topic; }

protected:
    TopicDialog(const Topic& topic, QWidget* parent);

    QPushButton* helpButton() const { return m_help; }
    QPushButton* doneButton() const { return m_done; }

private:
    const Topic& m_topic;
    QPushButton* m_help;
    QPushButton* m_done;
};

} // namespace gui
