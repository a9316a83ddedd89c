#pragma once

#include <QString>

// The quick-help texts of every dialog. Captions, topics and texts are shown exactly as written here.
namespace app::help_texts {

inline constexpr char16_t caption[] = u" Tallyo 97 - QuickHelp";

// Text A: the measure dialogs.
QString measures();
// Text B: the number systems dialog, with its limits one per line.
QString numbers();
// Text C: paper sizes.
QString paper();
// Text D: clothing sizes.
QString clothing();

} // namespace app::help_texts
