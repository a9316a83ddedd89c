#pragma once

#include <QDialog>

#include <memory>

namespace app {

enum class Topic { Linear, Surface, Volume, Weight, Paper, Number, Cloth, Misc };

// Creates a topic's dialog in its designed state, or nothing where the topic has no dialog.
std::unique_ptr<QDialog> createTopicDialog(Topic topic, QWidget* parent);

} // namespace app
