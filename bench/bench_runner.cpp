// Starts the probes of Tallyo 97 and of the floor again and again, alternating, and prints the medians of
// what they report as Markdown tables with the targets beside them.
#include "bench/probe.h"

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

using Samples = QMap<QByteArray, std::vector<qint64>>;

constexpr double startupRatioTarget = 1.2;
constexpr double dialogTargetMs = 16.0;
constexpr double conversionTargetMs = 1.0;
constexpr double memoryTargetMiB = 10.0;

const char* const dialogs[] = {"linear", "surface", "volume", "weight", "paper", "number", "cloth", "misc"};

double median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1
        ? static_cast<double>(values[middle])
        : (static_cast<double>(values[middle - 1]) + static_cast<double>(values[middle])) / 2;
}

// Runs one probe to its end; its start-up is the time from just before it was started to its first paint.
bool runProbe(const QString& program, Samples& samples, QTextStream& errors)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = bench::monotonicNs();
    probe.start(program, {});
    if (!probe.waitForFinished(120000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != 0) {
        errors << program << " failed: " << probe.errorString() << '\n';
        return false;
    }
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 2)
            continue;
        const qint64 value = parts[1].toLongLong();
        if (parts[0] == "painted_ns")
            samples["startup_ns"].push_back(value - started);
        else
            samples[parts[0]].push_back(value);
    }
    return true;
}

QString verdict(bool met)
{
    return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}

QString ms(double ns, int decimals = 1)
{
    return QString::number(ns / 1e6, 'f', decimals);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? std::max(1, arguments.at(1).toInt()) : 15;
    const QString directory = QCoreApplication::applicationDirPath();
    const QString app = directory + QStringLiteral("/tallyo97_bench_app");
    const QString floor = directory + QStringLiteral("/tallyo97_bench_floor");

    // One run of each first, not counted: it brings the libraries into the page cache for both alike.
    Samples warmUp;
    if (!runProbe(app, warmUp, errors) || !runProbe(floor, warmUp, errors))
        return 1;
    Samples tallyo;
    Samples bare;
    for (int run = 0; run < runs; ++run) {
        // Alternate which goes first, so neither always follows the other.
        const bool appFirst = run % 2 == 0;
        if (!runProbe(appFirst ? app : floor, appFirst ? tallyo : bare, errors)
            || !runProbe(appFirst ? floor : app, appFirst ? bare : tallyo, errors))
            return 1;
    }

    const double startup = median(tallyo["startup_ns"]);
    const double floorStartup = median(bare["startup_ns"]);
    // The two runs of a pair follow each other, so they share whatever else the machine is doing; the
    // median of the pairs' ratios is steadier than the ratio of the two medians on a busy machine.
    std::vector<qint64> ratios;
    for (std::size_t i = 0; i < tallyo["startup_ns"].size() && i < bare["startup_ns"].size(); ++i)
        ratios.push_back(tallyo["startup_ns"][i] * 1000 / std::max<qint64>(1, bare["startup_ns"][i]));
    const double ratio = median(ratios) / 1000;
    const double cpu = median(tallyo["startup_cpu_ns"]);
    const double floorCpu = median(bare["startup_cpu_ns"]);
    out << "Medians of " << runs << " runs of each program.\n\n";
    out << "| Start-up: process start to main window painted | ms | CPU time used (ms) |\n|---|---:|---:|\n";
    out << "| Tallyo 97 | " << ms(startup) << " | " << ms(cpu) << " |\n";
    out << "| Floor: Qt Widgets main window with a menu and a toolbar | " << ms(floorStartup) << " | "
        << ms(floorCpu) << " |\n";
    out << "| Ratio, median of the pairs (target at most " << startupRatioTarget << ": "
        << verdict(ratio <= startupRatioTarget) << ") | " << QString::number(ratio, 'f', 2) << " | "
        << QString::number(cpu / floorCpu, 'f', 2) << " |\n\n";

    out << "| Dialog | First opening, painted (ms) | Opened again (ms) | Busiest conversion (ms) |\n";
    out << "|---|---:|---:|---:|\n";
    bool dialogsMet = true;
    bool conversionsMet = true;
    for (const char* dialog : dialogs) {
        const QByteArray key(dialog);
        const double first = median(tallyo["open_first_ns." + key]);
        const double again = median(tallyo["open_again_ns." + key]);
        const double conversion = median(tallyo["convert_ns." + key]);
        dialogsMet = dialogsMet && first <= dialogTargetMs * 1e6;
        conversionsMet = conversionsMet && conversion <= conversionTargetMs * 1e6;
        out << "| " << dialog << " | " << ms(first) << " | " << ms(again) << " | " << ms(conversion, 3)
            << " |\n";
    }
    out << "\nEvery dialog painted within " << dialogTargetMs << " ms: " << verdict(dialogsMet)
        << ". Every conversion within " << conversionTargetMs << " ms: " << verdict(conversionsMet)
        << ".\n\n";

    const double memory = median(tallyo["peak_kib"]) / 1024;
    const double floorMemory = median(bare["peak_kib"]) / 1024;
    out << "| Peak resident memory | MiB |\n|---|---:|\n";
    out << "| Tallyo 97, after every dialog was open once | " << QString::number(memory, 'f', 1) << " |\n";
    out << "| Floor, after its first paint | " << QString::number(floorMemory, 'f', 1) << " |\n";
    out << "| Difference (target at most " << memoryTargetMiB << ": "
        << verdict(memory - floorMemory <= memoryTargetMiB) << ") | "
        << QString::number(memory - floorMemory, 'f', 1) << " |\n";
    return 0;
}
