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

    // Places Help and Done of a form placed by hand at their designed rectangles (in pixels), each at
    // least as large as its caption needs. The one that stands second, right of or below the other, moves
    // on where the first grew, keeping the designed gap between them.
    void placeHelpAndDone(const QRect& help, const QRect& done);

private:
    const tables::Topic& m_topic;
    QPushButton* m_help;
    QPushButton* m_done;
};

} // namespace gui
