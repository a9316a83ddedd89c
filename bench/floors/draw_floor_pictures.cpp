// Draws the main window's pictures at build time, as the program draws them, and writes their pixels as
// a C++ source of plain arrays for the design floors, which take them as ready pixels: no drawing, no
// unpacking, nothing of the program's own. Every picture is written at its sizes for scale factor 1 and
// at twice those for scale factor 2.
//   draw_floor_pictures OUTPUT.cpp NAME=FILE.svg=WxH[,WxH...] ...
#include "gui/svg_icon.h"

#include <QFile>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QTextStream errors(stderr);
    if (argc < 3) {
        errors << "usage: draw_floor_pictures OUTPUT.cpp NAME=FILE.svg=WxH[,WxH...] ...\n";
        return 2;
    }
    QString arrays;
    QString lookup;
    QTextStream out(&arrays);
    for (int i = 2; i < argc; ++i) {
        const QStringList parts = QString::fromLocal8Bit(argv[i]).split(u'=');
        if (parts.size() != 3) {
            errors << "bad picture " << argv[i] << '\n';
            return 2;
        }
        QSvgRenderer renderer(parts[1]);
        if (!renderer.isValid()) {
            errors << "cannot read " << parts[1] << '\n';
            return 1;
        }
        for (const QString& size : parts[2].split(u',')) {
            const int width = size.section(u'x', 0, 0).toInt();
            const int height = size.section(u'x', 1, 1).toInt();
            if (width < 1 || height < 1 || width > 1024 || height > 1024) {
                errors << "bad size " << size << '\n';
                return 2;
            }
            for (const int scale : {1, 2}) {
                const QImage image = gui::drawSvg(renderer, QSize(width, height) * scale);
                const QString array
                    = QStringLiteral("%1_%2x%3_%4").arg(parts[0]).arg(width).arg(height).arg(scale);
                out << "alignas(4) const unsigned char " << array << "[] = {";
                const auto* bytes = image.constBits();
                for (qsizetype k = 0; k < image.sizeInBytes(); ++k)
                    out << (k % 24 == 0 ? "\n    " : " ") << static_cast<unsigned>(bytes[k]) << ',';
                out << "\n};\n";
                lookup += QStringLiteral(
                    "    if (name == \"%1\" && width == %2 && height == %3 && scale == %4)\n"
                    "        return %5;\n")
                              .arg(parts[0])
                              .arg(width)
                              .arg(height)
                              .arg(scale)
                              .arg(array);
            }
        }
    }
    QFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        errors << "cannot write " << output.fileName() << '\n';
        return 1;
    }
    QTextStream source(&output);
    source << "// Made at build time by bench/floors/draw_floor_pictures.\n"
              "#include \"bench/floors/floor_pictures.h\"\n\nnamespace floors {\n\n"
              "namespace {\n\n"
           << arrays
           << "\n} // namespace\n\nconst unsigned char* picturePixels(const char* picture, int width, int "
              "height, int scale)\n{\n    const std::string_view name(picture);\n"
           << lookup << "    return nullptr;\n}\n\n} // namespace floors\n";
    return 0;
}
