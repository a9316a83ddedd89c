#include "app/icons.h"

#include "app/drawn_pictures.h"
#include "gui/svg_icon.h"
#include "gui/topics.h"

namespace app::icons {

namespace {

QIcon picture(const char* name)
{
    return gui::svgIcon(QStringLiteral(":/app/icons/") + QLatin1String(name), drawnPictures(name));
}

} // namespace

QIcon program()
{
    return picture("tallyo97.svg");
}

QIcon panel()
{
    return picture("panel.svg");
}

QIcon exit()
{
    return picture("exit.svg");
}

QIcon topic(const gui::Topic& topic)
{
    return picture(topic.picture);
}

} // namespace app::icons
