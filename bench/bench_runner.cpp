// Starts Tallyo 97 and the floor (a bare Qt window) in interleaved pairs and times, from outside, when
// each maps its window and when the X server first holds a painted frame of it; then runs the dialog
// probe a few times. Prints the medians, the ratios of the pairs with their spread, and the targets as
// Markdown.
#include "bench/frame_watch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double startupRatioTarget = 1.05;
constexpr double dialogTargetMs = 16.0;
constexpr double conversionTargetMs = 1.0;
constexpr double memoryTargetMiB = 5.0;

const char* const dialogs[] = {"linear", "surface", "volume", "weight", "paper", "number", "cloth", "misc"};

using Samples = QMap<QByteArray, std::vector<qint64>>;

// The value below which a share `q` of the values lies, interpolating between neighbours.
double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(at));
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

double median(const std::vector<double>& values)
{
    return quantile(values, 0.5);
}

double median(const std::vector<qint64>& values)
{
    return median(std::vector<double>(values.begin(), values.end()));
}

template <typename Field>
std::vector<double> column(const std::vector<FrameWatch::Start>& starts, Field field)
{
    std::vector<double> values;
    for (const FrameWatch::Start& start : starts)
        values.push_back(static_cast<double>(start.*field));
    return values;
}

template <typename Field>
std::vector<double> pairRatios(
    const std::vector<FrameWatch::Start>& tallyo, const std::vector<FrameWatch::Start>& bare, Field field)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < tallyo.size() && i < bare.size(); ++i)
        ratios.push_back(static_cast<double>(tallyo[i].*field) / std::max<double>(1, bare[i].*field));
    return ratios;
}

QString ms(double ns, int decimals = 1)
{
    return QString::number(ns / 1e6, 'f', decimals);
}

QString times(double ratio)
{
    return QString::number(ratio, 'f', 2);
}

QString verdict(bool met)
{
    return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}

// The dialog probe reports "key value" lines: dialog openings, conversions and peak memory.
bool runDialogProbe(const QString& program, Samples& samples, QTextStream& errors)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(program, {});
    if (!probe.waitForFinished(120000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0) {
        errors << program << " failed: " << probe.errorString() << '\n';
        return false;
    }
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            samples[parts[0]].push_back(parts[1].toLongLong());
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Times Tallyo 97's start-up beside a bare Qt window."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("pairs"), QStringLiteral("Starts of each program (40)."));
    const QCommandLineOption dialogRunsOption(QStringLiteral("dialog-runs"),
        QStringLiteral("Runs of the dialog probe (5; 0 leaves the dialogs out)."), QStringLiteral("n"),
        QStringLiteral("5"));
    const QCommandLineOption programOption(QStringLiteral("program"),
        QStringLiteral("The program to time instead of this build's tallyo97."), QStringLiteral("path"));
    const QCommandLineOption floorOption(QStringLiteral("floor"),
        QStringLiteral("The program to compare with instead of the bare Qt window, for instance another "
                       "build of Tallyo 97."),
        QStringLiteral("path"));
    const QCommandLineOption framesOption(QStringLiteral("frames"),
        QStringLiteral("Saves the finished window of each program's last start as program.ppm and "
                       "floor.ppm in this folder."),
        QStringLiteral("folder"));
    options.addOptions({dialogRunsOption, programOption, floorOption, framesOption});
    options.process(application);
    const QStringList positional = options.positionalArguments();
    const int pairs = positional.isEmpty() ? 40 : std::max(1, positional.at(0).toInt());
    const int dialogRuns = std::max(0, options.value(dialogRunsOption).toInt());
    const QString directory = QCoreApplication::applicationDirPath();
    const QString tallyoProgram
        = options.isSet(programOption) ? options.value(programOption) : QStringLiteral(TALLYO_PROGRAM);
    const QString floorProgram = options.isSet(floorOption)
        ? options.value(floorOption)
        : directory + QStringLiteral("/tallyo97_bench_floor");
    const QString dialogProbe = directory + QStringLiteral("/tallyo97_bench_app");

    FrameWatch watch;
    QString error;
    if (!watch.open(&error)) {
        errors << error << '\n';
        return 1;
    }
    // One start of each first, not counted: it brings the libraries into the page cache for both alike.
    FrameWatch::Start start;
    if (!watch.watchStart(tallyoProgram, &start, &error) || !watch.watchStart(floorProgram, &start, &error)) {
        errors << error << '\n';
        return 1;
    }
    std::vector<FrameWatch::Start> tallyo;
    std::vector<FrameWatch::Start> bare;
    for (int pair = 0; pair < pairs; ++pair) {
        // Alternate which goes first, so neither always follows the other.
        const bool tallyoFirst = pair % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isTallyo = (turn == 0) == tallyoFirst;
            if (!watch.watchStart(isTallyo ? tallyoProgram : floorProgram, &start, &error)) {
                errors << error << '\n';
                return 1;
            }
            (isTallyo ? tallyo : bare).push_back(start);
            if (options.isSet(framesOption)) {
                QFile frame(
                    QDir(options.value(framesOption))
                        .filePath(isTallyo ? QStringLiteral("program.ppm") : QStringLiteral("floor.ppm")));
                if (!frame.open(QIODevice::WriteOnly) || frame.write(watch.lastFinishedFrame()) < 0) {
                    errors << "cannot write " << frame.fileName() << '\n';
                    return 1;
                }
            }
        }
    }

    Samples probe;
    for (int run = 0; run < dialogRuns; ++run) {
        if (!runDialogProbe(dialogProbe, probe, errors))
            return 1;
    }
    watch.drain();

    using Start = FrameWatch::Start;
    const auto mapRatios = pairRatios(tallyo, bare, &Start::mappedNs);
    const auto frameRatios = pairRatios(tallyo, bare, &Start::firstFrameNs);
    const auto cpuRatios = pairRatios(tallyo, bare, &Start::cpuNs);
    auto mapToFrame = [](const std::vector<Start>& starts) {
        std::vector<double> values;
        for (const Start& start : starts)
            values.push_back(static_cast<double>(start.firstFrameNs - start.mappedNs));
        return values;
    };
    auto row = [&](const QString& name, const std::vector<Start>& starts) {
        out << "| " << name << " | " << ms(median(column(starts, &Start::mappedNs))) << " | "
            << ms(median(column(starts, &Start::firstFrameNs))) << " | " << ms(median(mapToFrame(starts)))
            << " | " << ms(median(column(starts, &Start::cpuNs))) << " |\n";
    };
    auto spread = [&](const QString& name, double q1, double q2) {
        out << "| " << name << " | " << times(quantile(mapRatios, q1)) << " to "
            << times(quantile(mapRatios, q2)) << " | " << times(quantile(frameRatios, q1)) << " to "
            << times(quantile(frameRatios, q2)) << " | | " << times(quantile(cpuRatios, q1)) << " to "
            << times(quantile(cpuRatios, q2)) << " |\n";
    };
    const QString tallyoName = options.isSet(programOption)
        ? QStringLiteral("Tallyo 97 (%1)").arg(tallyoProgram)
        : QStringLiteral("Tallyo 97");
    const QString floorName = options.isSet(floorOption)
        ? floorProgram
        : QStringLiteral("Floor: bare Qt window, a menu, a toolbar of nine text actions, a label");
    out << pairs
        << " pairs, each program started once in each pair, which goes first alternating; times from "
        << "just before the process is started, medians.\n\n";
    out << "| Start-up (ms) | Window mapped | First frame | Map to first frame | CPU time, start to settled "
           "window |\n|---|---:|---:|---:|---:|\n";
    row(tallyoName, tallyo);
    row(floorName, bare);
    out << "| Ratio, median of the pairs | " << times(median(mapRatios)) << " | "
        << times(median(frameRatios)) << " | | " << times(median(cpuRatios)) << " |\n";
    spread(QStringLiteral("Ratio, middle half of the pairs"), 0.25, 0.75);
    spread(QStringLiteral("Ratio, lowest to highest pair"), 0.0, 1.0);
    auto finishedAtFirst = [](const std::vector<Start>& starts) {
        return std::count_if(starts.begin(), starts.end(),
            [](const Start& start) { return start.finishedFrameNs == start.firstFrameNs; });
    };
    out << "\nTarget: window mapped within " << startupRatioTarget
        << " × the floor's: " << verdict(median(mapRatios) <= startupRatioTarget) << "; first frame within "
        << startupRatioTarget << " ×: " << verdict(median(frameRatios) <= startupRatioTarget) << ".\n";
    out << "The first frame was already the finished window (nothing drawn after it changed what the window "
           "shows) in "
        << finishedAtFirst(tallyo) << " of " << tallyo.size() << " starts of " << tallyoName << " and "
        << finishedAtFirst(bare) << " of " << bare.size() << " of the floor.\n\n";

    if (dialogRuns > 0) {
        out << "| Dialog (median of " << dialogRuns
            << " runs) | First opening, painted (ms) | Opened again (ms) "
            << "| Busiest conversion (ms) |\n|---|---:|---:|---:|\n";
        bool dialogsMet = true;
        bool conversionsMet = true;
        for (const char* dialog : dialogs) {
            const QByteArray key(dialog);
            const double first = median(probe["open_first_ns." + key]);
            const double again = median(probe["open_again_ns." + key]);
            const double conversion = median(probe["convert_ns." + key]);
            dialogsMet = dialogsMet && first <= dialogTargetMs * 1e6;
            conversionsMet = conversionsMet && conversion <= conversionTargetMs * 1e6;
            out << "| " << dialog << " | " << ms(first) << " | " << ms(again) << " | " << ms(conversion, 3)
                << " |\n";
        }
        out << "\nEvery dialog painted within " << dialogTargetMs << " ms: " << verdict(dialogsMet)
            << ". Every conversion within " << conversionTargetMs << " ms: " << verdict(conversionsMet)
            << ".\n\n";
    }

    auto mib = [](double kib) { return QString::number(kib / 1024, 'f', 1); };
    const double shown = median(column(tallyo, &Start::peakKiB));
    const double floorShown = median(column(bare, &Start::peakKiB));
    out << "| Peak resident memory (VmHWM) | MiB |\n|---|---:|\n";
    out << "| " << tallyoName << ", main window shown | " << mib(shown) << " |\n";
    out << "| " << floorName << ", window shown | " << mib(floorShown) << " |\n";
    if (dialogRuns > 0) {
        const double afterDialogs = median(probe["peak_kib"]);
        out << "| Tallyo 97, after every dialog was open once | " << mib(afterDialogs) << " |\n";
        out << "| Difference to the floor, every dialog open once (target at most " << memoryTargetMiB << ": "
            << verdict((afterDialogs - floorShown) / 1024 <= memoryTargetMiB) << ") | "
            << mib(afterDialogs - floorShown) << " |\n";
    }
    return 0;
}
