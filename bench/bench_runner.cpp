// Times Tallyo 97 against floors that show as much or less. Start-up: the program, the bare Qt window and
// the main window's design floor are started in turn, in a changing order, and timed from outside, when
// each maps its window and when the X server first holds a painted frame of it. Dialogs: the program's
// dialog probe and the floors' probe are started in pairs for each dialog and each opens that one
// dialog, once right after start-up and a few times more. Then the full dialog probe times a conversion
// in each dialog and reads the peak memory. Prints one Markdown table with every figure, ratio and
// target.
#include "bench/frame_watch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr double mappedTarget = 1.05; // window mapped, against the bare window
constexpr double firstFrameTarget = 1.03; // first frame, against the main window's design floor
constexpr double dialogTarget = 1.10; // a dialog's first opening, against its design floor
constexpr double conversionTargetMs = 1.0;
constexpr double memoryTargetMiB = 5.0;

const char* const dialogs[] = {"linear", "surface", "volume", "weight", "paper", "number", "cloth", "misc"};

using Samples = QMap<QByteArray, std::vector<qint64>>;
using Start = FrameWatch::Start;

// The value below which a share `q` of the values lies, interpolating between neighbours.
double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return std::nan("");
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

std::vector<double> asDoubles(const std::vector<qint64>& values)
{
    return std::vector<double>(values.begin(), values.end());
}

template <typename Field> std::vector<double> column(const std::vector<Start>& starts, Field field)
{
    std::vector<double> values;
    for (const Start& start : starts)
        values.push_back(static_cast<double>(start.*field));
    return values;
}

std::vector<double> ratios(const std::vector<double>& ours, const std::vector<double>& floors)
{
    std::vector<double> result;
    for (std::size_t i = 0; i < ours.size() && i < floors.size(); ++i)
        result.push_back(ours[i] / std::max(1.0, floors[i]));
    return result;
}

QString number(double value, int decimals)
{
    return std::isnan(value) ? QStringLiteral("–") : QString::number(value, 'f', decimals);
}

// One row of the table: a measure of Tallyo 97 and of a floor, the median and middle half of the
// ratios of the pairs, and a target for the median ratio where there is one.
struct Row
{
    QString measure;
    double ours = std::nan("");
    double floor = std::nan("");
    std::vector<double> ratios;
    std::optional<double> target;
    // The ratios of the CPU times of the same pairs.
    std::vector<double> cpuRatios = {};
    int decimals = 1;
};

// The dialog probes report "key value" lines: dialog openings, conversions and peak memory.
bool runProbe(const QString& program, const QStringList& arguments, Samples& samples, QTextStream& errors)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(program, arguments);
    if (!probe.waitForFinished(120000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0) {
        errors << program << ' ' << arguments.join(u' ') << " failed: " << probe.errorString() << '\n';
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
    options.setApplicationDescription(
        QStringLiteral("Times Tallyo 97's start-up and dialogs against floors that show as much or less."));
    options.addHelpOption();
    options.addPositionalArgument(
        QStringLiteral("starts"), QStringLiteral("Starts of each of the three programs (40)."));
    const QCommandLineOption dialogPairsOption(QStringLiteral("dialog-pairs"),
        QStringLiteral("Pairs of dialog probes for each dialog (20; 0 leaves the dialogs out)."),
        QStringLiteral("n"), QStringLiteral("20"));
    const QCommandLineOption dialogRunsOption(QStringLiteral("dialog-runs"),
        QStringLiteral("Runs of the full dialog probe, for conversions and memory (3)."), QStringLiteral("n"),
        QStringLiteral("3"));
    const QCommandLineOption programOption(QStringLiteral("program"),
        QStringLiteral("The program to time instead of this build's tallyo97."), QStringLiteral("path"));
    const QCommandLineOption floorOption(QStringLiteral("floor"),
        QStringLiteral("The program to time instead of the bare Qt window, for instance another build of "
                       "Tallyo 97."),
        QStringLiteral("path"));
    const QCommandLineOption designFloorOption(QStringLiteral("design-floor"),
        QStringLiteral("The program to time instead of the main window's design floor."),
        QStringLiteral("path"));
    const QCommandLineOption framesOption(QStringLiteral("frames"),
        QStringLiteral("Saves the finished window of each program's last start as program.ppm, floor.ppm "
                       "and design-floor.ppm in this folder."),
        QStringLiteral("folder"));
    options.addOptions(
        {dialogPairsOption, dialogRunsOption, programOption, floorOption, designFloorOption, framesOption});
    options.process(application);
    const QStringList positional = options.positionalArguments();
    const int starts = positional.isEmpty() ? 40 : std::max(1, positional.at(0).toInt());
    const int dialogPairs = std::max(0, options.value(dialogPairsOption).toInt());
    const int dialogRuns = std::max(0, options.value(dialogRunsOption).toInt());
    const QString directory = QCoreApplication::applicationDirPath();
    auto path = [&](const QCommandLineOption& option, const QString& otherwise) {
        return options.isSet(option) ? options.value(option) : otherwise;
    };
    // Tallyo 97, the bare window, the main window's design floor.
    const std::array<QString, 3> programs = {path(programOption, QStringLiteral(TALLYO_PROGRAM)),
        path(floorOption, directory + QStringLiteral("/tallyo97_bench_floor")),
        path(designFloorOption, directory + QStringLiteral("/floors/tallyo97_bench_main_floor"))};
    const std::array<QString, 3> frameFiles
        = {QStringLiteral("program.ppm"), QStringLiteral("floor.ppm"), QStringLiteral("design-floor.ppm")};
    const QString dialogProbe = directory + QStringLiteral("/tallyo97_bench_app");
    const QString floorProbe = directory + QStringLiteral("/floors/tallyo97_bench_floor_app");

    FrameWatch watch;
    QString error;
    if (!watch.open(&error)) {
        errors << error << '\n';
        return 1;
    }
    // One start of each first, not counted: it brings the libraries into the page cache for all alike.
    Start start;
    for (const QString& program : programs) {
        if (!watch.watchStart(program, &start, &error)) {
            errors << error << '\n';
            return 1;
        }
    }
    // Every order of the three in turn, so that none always follows another.
    constexpr int orders[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
    std::array<std::vector<Start>, 3> timed;
    std::array<QByteArray, 3> finished;
    for (int round = 0; round < starts; ++round) {
        for (const int who : orders[round % 6]) {
            if (!watch.watchStart(programs[who], &start, &error)) {
                errors << error << '\n';
                return 1;
            }
            timed[who].push_back(start);
            finished[who] = watch.lastFinishedFrame();
        }
    }
    if (options.isSet(framesOption)) {
        for (int who = 0; who < 3; ++who) {
            QFile frame(QDir(options.value(framesOption)).filePath(frameFiles[who]));
            if (!frame.open(QIODevice::WriteOnly) || frame.write(finished[who]) < 0) {
                errors << "cannot write " << frame.fileName() << '\n';
                return 1;
            }
        }
    }

    // Each dialog in pairs of processes, which goes first alternating, the dialogs in a changing order.
    Samples ours;
    Samples theirs;
    if (dialogPairs > 0) {
        Samples unused;
        if (!runProbe(dialogProbe, {QLatin1String(dialogs[0])}, unused, errors)
            || !runProbe(floorProbe, {QLatin1String(dialogs[0])}, unused, errors))
            return 1;
    }
    constexpr int dialogCount = static_cast<int>(std::size(dialogs));
    for (int pair = 0; pair < dialogPairs; ++pair) {
        for (int i = 0; i < dialogCount; ++i) {
            const QByteArray key(dialogs[(i + pair) % dialogCount]);
            Samples one[2];
            const bool oursFirst = (pair + i) % 2 == 0;
            for (int turn = 0; turn < 2; ++turn) {
                const bool isOurs = (turn == 0) == oursFirst;
                if (!runProbe(
                        isOurs ? dialogProbe : floorProbe, {QLatin1String(key)}, one[isOurs ? 0 : 1], errors))
                    return 1;
                watch.drain();
            }
            for (const char* measure :
                {"open_first_ns", "open_again_ns", "open_first_cpu_ns", "open_again_cpu_ns"}) {
                ours[measure + ('.' + key)].push_back(one[0][measure].at(0));
                theirs[measure + ('.' + key)].push_back(one[1][measure].at(0));
            }
        }
    }
    Samples full;
    for (int run = 0; run < dialogRuns; ++run) {
        if (!runProbe(dialogProbe, {}, full, errors))
            return 1;
        watch.drain();
    }

    const std::vector<Start>& tallyo = timed[0];
    const std::vector<Start>& bare = timed[1];
    const std::vector<Start>& design = timed[2];
    std::vector<Row> rows;
    auto startRow = [&](const QString& measure, auto field, const std::vector<Start>& floor,
                        std::optional<double> target) {
        const auto a = column(tallyo, field);
        const auto b = column(floor, field);
        rows.push_back({measure, median(a) / 1e6, median(b) / 1e6, ratios(a, b), target,
            ratios(column(tallyo, &Start::cpuNs), column(floor, &Start::cpuNs))});
    };
    startRow(QStringLiteral("Start-up: window mapped, against the bare window"), &Start::mappedNs, bare,
        mappedTarget);
    startRow(
        QStringLiteral("Start-up: first frame, against the bare window"), &Start::firstFrameNs, bare, {});
    startRow(QStringLiteral("Start-up: window mapped, against the main window's design floor"),
        &Start::mappedNs, design, {});
    startRow(QStringLiteral("Start-up: first frame, against the main window's design floor"),
        &Start::firstFrameNs, design, firstFrameTarget);
    for (const char* dialog : dialogs) {
        const QByteArray key(dialog);
        for (const bool first : {true, false}) {
            const QByteArray measure = (first ? "open_first_ns." : "open_again_ns.") + key;
            const QByteArray cpu = (first ? "open_first_cpu_ns." : "open_again_cpu_ns.") + key;
            const auto a = asDoubles(ours[measure]);
            const auto b = asDoubles(theirs[measure]);
            if (a.empty())
                continue;
            rows.push_back(
                {QStringLiteral("%1: %2, against its design floor")
                        .arg(QLatin1String(dialog),
                            first ? QStringLiteral("first opening") : QStringLiteral("later opening")),
                    median(a) / 1e6, median(b) / 1e6, ratios(a, b),
                    first ? std::optional(dialogTarget) : std::nullopt,
                    ratios(asDoubles(ours[cpu]), asDoubles(theirs[cpu]))});
        }
    }

    out << "| Measure (ms unless named) | Tallyo 97 | Floor | Ratio, median of the pairs | Middle half of "
           "the "
           "ratios | Ratio of CPU times, median | Target | Verdict "
           "|\n|---|---:|---:|---:|---:|---:|---|---|\n";
    bool allMet = true;
    for (const Row& row : rows) {
        const double ratio = median(row.ratios);
        out << "| " << row.measure << " | " << number(row.ours, row.decimals) << " | "
            << number(row.floor, row.decimals) << " | " << number(ratio, 2) << " | "
            << number(quantile(row.ratios, 0.25), 2) << "–" << number(quantile(row.ratios, 0.75), 2) << " | "
            << number(median(row.cpuRatios), 2) << " | ";
        if (row.target) {
            const bool met = ratio <= *row.target;
            allMet = allMet && met;
            out << "at most " << number(*row.target, 2) << " × | " << (met ? "met" : "**missed**");
        } else {
            out << " | ";
        }
        out << " |\n";
    }
    auto mib = [](double kib) { return kib / 1024; };
    const double bareMemory = median(column(bare, &Start::peakKiB));
    if (dialogRuns > 0) {
        const double afterDialogs = median(asDoubles(full["peak_kib"]));
        const double difference = mib(afterDialogs - bareMemory);
        const bool met = difference <= memoryTargetMiB;
        allMet = allMet && met;
        out << "| Peak memory (MiB), every dialog open once, against the bare window shown | "
            << number(mib(afterDialogs), 1) << " | " << number(mib(bareMemory), 1) << " | +"
            << number(difference, 1) << " MiB | | | at most +" << number(memoryTargetMiB, 0) << " MiB | "
            << (met ? "met" : "**missed**") << " |\n";
        for (const char* dialog : dialogs) {
            const auto conversion = asDoubles(full["convert_ns." + QByteArray(dialog)]);
            const double ms = median(conversion) / 1e6;
            const bool converted = !conversion.empty() && ms >= 0;
            const bool convertedMet = converted && ms <= conversionTargetMs;
            allMet = allMet && convertedMet;
            out << "| " << dialog << ": busiest conversion | " << number(ms, 3) << " | | | | | at most "
                << number(conversionTargetMs, 0) << " ms | " << (convertedMet ? "met" : "**missed**")
                << " |\n";
        }
    }
    out << "\nEvery target " << (allMet ? "met" : "**not met**") << ".\n\n";

    out << "Start-up: " << starts
        << " starts of each of Tallyo 97, the bare window (a menu, a toolbar of nine "
        << "text actions, a label) and the main window's design floor, one after the other in every order "
        << "in turn; times from just before the process is started, medians, ratios of the starts of one "
        << "round. ";
    auto finishedAtFirst = [](const std::vector<Start>& all) {
        return std::count_if(
            all.begin(), all.end(), [](const Start& one) { return one.finishedFrameNs == one.firstFrameNs; });
    };
    out << "The first frame was already the finished window in " << finishedAtFirst(tallyo) << ", "
        << finishedAtFirst(bare) << " and " << finishedAtFirst(design) << " of the " << starts
        << " starts. The finished windows of Tallyo 97 and its design floor, read from the X server, are "
        << (finished[0] == finished[2] ? "identical" : "**not the same**") << ".\n";
    out << "CPU times: for start-up the process's user and system time from start until its window had "
        << "settled; for a dialog the main thread's CPU time from before the dialog is made to the end of "
           "its "
        << "first paint. On a shared machine they vary less than the times from outside, which also count "
        << "the waits for a core; the X server's work is in neither.\n";
    if (dialogPairs > 0)
        out << "Dialogs: " << dialogPairs << " pairs of processes for each dialog, each opening the dialog "
            << "(or its floor) over the main window (or its floor) right after start-up, then five times "
            << "more (the later opening is their median); from before the dialog is made to the end of its "
            << "first paint.\n";
    if (dialogRuns > 0)
        out << "Conversions and memory: " << dialogRuns << " runs of the full dialog probe; the busiest "
            << "field's Return, or a selection, median of 200.\n";
    out << "Peak memory, window shown: Tallyo 97 " << number(mib(median(column(tallyo, &Start::peakKiB))), 1)
        << " MiB, bare window " << number(mib(bareMemory), 1) << " MiB, design floor "
        << number(mib(median(column(design, &Start::peakKiB))), 1) << " MiB.\n";
    return 0;
}
