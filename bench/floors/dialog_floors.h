#pragma once

#include <QDialog>

#include <memory>
#include <string_view>

// The design floor of each of the program's dialogs (bench/floors/floor_form.h).
namespace floors {

std::unique_ptr<QDialog> linearFloor(QWidget* parent);
std::unique_ptr<QDialog> surfaceFloor(QWidget* parent);
std::unique_ptr<QDialog> volumeFloor(QWidget* parent);
std::unique_ptr<QDialog> weightFloor(QWidget* parent);
std::unique_ptr<QDialog> paperFloor(QWidget* parent);
std::unique_ptr<QDialog> numberFloor(QWidget* parent);
std::unique_ptr<QDialog> clothFloor(QWidget* parent);
std::unique_ptr<QDialog> miscFloor(QWidget* parent);

// The dialogs by the toolbar keys of their topics in lower case, in the toolbar's order.
inline constexpr const char* dialogKeys[]
    = {"linear", "surface", "volume", "weight", "paper", "number", "cloth", "misc"};

// The floor of the dialog with that key; null for any other.
std::unique_ptr<QDialog> createDialogFloor(std::string_view key, QWidget* parent);

} // namespace floors
