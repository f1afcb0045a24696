// Start-up figures: the wall time from the process's start to the main
// window shown, and the process's resident memory one second later, with the
// web pane loading a page from a loopback server.
//   bench_startup [runs]     runs the program's start that many times (default 7)
#include "BrowserPane.h"
#include "Form1.h"
#include "LoopbackHttpServer.h"
#include "Module1.h"
#include "Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Reports on standard output when the main window is first shown.
class ShownReporter final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Form1")) {
            std::printf("shown\n");
            std::fflush(stdout);
            QTimer::singleShot(1000, [] {
                std::printf("rss %ld\n", residentKiB());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
            qApp->removeEventFilter(this);
        }
        return false;
    }
};

int runChild(int argc, char* argv[], const QString& page)
{
    app::prepareBrowserEngine();
    QApplication application(argc, argv);
    app::prepareToolkit();
    ShownReporter reporter;
    application.installEventFilter(&reporter);
    app::Module1::Main([page] {
        app::Form1::Options options;
        options.startPage = page;
        return new app::Form1(options);
    });
    return QApplication::exec();
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

int runDriver(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    LoopbackHttpServer server;
    QList<double> shownMs, rssKiB;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QElapsedTimer clock;
        double shownAt = -1;
        QObject::connect(&child, &QProcess::readyReadStandardOutput, [&] {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line == "shown")
                    shownAt = clock.nsecsElapsed() / 1e6;
                else if (line.startsWith("rss "))
                    rssKiB << line.mid(4).toDouble();
            }
        });
        QEventLoop wait;
        QObject::connect(&child, &QProcess::finished, &wait, &QEventLoop::quit);
        clock.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), server.address(QStringLiteral("/start"))});
        wait.exec();
        if (shownAt < 0) {
            std::fprintf(stderr, "bench_startup: run %d never showed the main window\n", i + 1);
            return 1;
        }
        shownMs << shownAt;
    }
    std::printf("start to Form1 shown: median %.0f ms, best %.0f ms (%d runs)\n", median(shownMs),
                *std::min_element(shownMs.begin(), shownMs.end()), runs);
    std::printf("resident memory 1 s after shown: median %.1f MiB\n", median(rssKiB) / 1024);
    std::printf("page requests served: %lld\n", static_cast<long long>(server.targets().size()));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    return runDriver(argc, argv);
}
