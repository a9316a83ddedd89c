#pragma once

namespace app {

// Names the running application (title, version, desktop entry) and gives it the program's icon.
void describeApplication();

} // namespace app
