#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace tables {
struct Topic;
}

namespace gui {

// A topic's dialog: named and captioned after its topic, with the Help button that opens the topic's
// quick help and the Done button that closes the dialog. Each kind of dialog places the two itself.
class TopicDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TopicDialog)

public:
    // A topic's dialog in its designed state.
    static std::unique_ptr<TopicDialog> create(const tables::Topic& topic, QWidget* parent);
    ~TopicDialog() override;

    const tables::Topic& topic() const { return m_topic; }

protected:
    TopicDialog(const tables::Topic& topic, QWidget* parent);

    QPushButton* helpButton() const { return m_help; }
    QPushButton* doneButton() const { return m_done; }

private:
    const tables::Topic& m_topic;
    QPushButton* m_help;
    QPushButton* m_done;
};

} // namespace gui
