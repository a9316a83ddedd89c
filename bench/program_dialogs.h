#pragma once

// The program's topic list and the factory of its dialogs, as the benchmark's own programs that are
// built from the program's libraries reach them: named here and nowhere else under bench/.
#include "gui/topic_dialog.h"
#include "gui/topics.h"

#include <QDialog>

#include <memory>
#include <span>

namespace bench::program {

using Topic = gui::Topic;

inline std::span<const Topic> topics()
{
    return gui::topics();
}

inline std::unique_ptr<QDialog> createDialog(const Topic& topic, QWidget* parent)
{
    return gui::createDialog(topic, parent);
}

} // namespace bench::program
