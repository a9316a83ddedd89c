// Draws the program's pictures ahead, at build time, at the sizes the main window asks for when it first
// appears, and writes their pixels as a C++ source for the program to take instead of drawing them
// again (gui::svgIcon). Every picture is drawn by the program's own drawSvg, so what the program takes is
// exactly what it would have drawn. Each picture is drawn at the sizes given, which are those of scale
// factor 1, and at twice those sizes for scale factor 2. The pixels of scale 1 are stored as they are, to
// be taken without any work; the four times larger ones of scale 2 are compressed.
//   draw_pictures OUTPUT.cpp FILE.svg=WxH[,WxH...] ...
#include "gui/svg_icon.h"

#include <QFile>
#include <QFileInfo>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

QString identifier(const QString& name)
{
    QString id = name;
    for (QChar& c : id) {
        if (!c.isLetterOrNumber())
            c = u'_';
    }
    return id;
}

} // namespace

int main(int argc, char* argv[])
{
    QTextStream errors(stderr);
    if (argc < 3) {
        errors << "usage: draw_pictures OUTPUT.cpp FILE.svg=WxH[,WxH...] ...\n";
        return 2;
    }
    QString pixels;
    QString tables;
    QString lookups;
    QTextStream out(&pixels);
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString file = argument.section(u'=', 0, 0);
        const QString name = QFileInfo(file).fileName();
        QSvgRenderer renderer(file);
        if (!renderer.isValid()) {
            errors << "cannot read " << file << '\n';
            return 1;
        }
        QList<QSize> sizes;
        for (const QString& size : argument.section(u'=', 1).split(u',')) {
            const QSize pixels(size.section(u'x', 0, 0).toInt(), size.section(u'x', 1, 1).toInt());
            if (pixels.width() < 1 || pixels.height() < 1 || pixels.width() > 2048
                || pixels.height() > 2048) {
                errors << "bad size " << size << " for " << file << '\n';
                return 2;
            }
            sizes.append(pixels);
        }
        QStringList entries;
        for (const int scale : {1, 2}) {
            for (const QSize& designed : sizes) {
                const QSize size = designed * scale;
                if (scale == 2 && sizes.contains(size))
                    continue;
                const QImage image = gui::drawSvg(renderer, size);
                QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
                if (scale != 1)
                    bytes = qCompress(bytes, 9);
                const QString array
                    = QStringLiteral("%1_%2x%3").arg(identifier(name)).arg(size.width()).arg(size.height());
                out << "alignas(4) const uchar " << array << "[] = {";
                for (qsizetype k = 0; k < bytes.size(); ++k)
                    out << (k % 24 == 0 ? "\n    " : " ")
                        << static_cast<unsigned>(static_cast<uchar>(bytes[k])) << ',';
                out << "\n};\n";
                entries << QStringLiteral("{%1, %2, %3, sizeof %3}")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(array);
            }
        }
        tables += QStringLiteral("const gui::DrawnPicture %1[] = {%2};\n")
                      .arg(identifier(name), entries.join(u", "));
        lookups
            += QStringLiteral("    if (name == \"%1\")\n        return %2;\n").arg(name, identifier(name));
    }

    QFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        errors << "cannot write " << output.fileName() << '\n';
        return 1;
    }
    QTextStream source(&output);
    source
        << "// Made at build time by tools/draw_pictures from the program's SVG pictures.\n"
           "#include \"app/drawn_pictures.h\"\n\nnamespace app {\n\nnamespace {\n\n"
        << pixels << '\n'
        << tables
        << "\n} // namespace\n\nstd::span<const gui::DrawnPicture> drawnPictures(std::string_view name)\n{\n"
        << lookups << "    return {};\n}\n\n} // namespace app\n";
    return 0;
}
