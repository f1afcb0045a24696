// The progress painter's cost: one updateprogress call on a 133 x 13 bar,
// and the whole 51-call animation with its repaints to a shown window,
// both in CPU time of this process.
#include "Artwork.h"
#include "BrowserPane.h"
#include "Form1.h"
#include "PictureBox.h"
#include "Startup.h"
#include "Units.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    app::prepareBrowserEngine();
    QApplication application(argc, argv);
    app::prepareToolkit();

    QWidget window;
    window.resize(300, 60);
    kit::PictureBox bar(&window, QStringLiteral("Picture7"), kit::twipsRect(2400, 240, 2055, 255));
    bar.setFont(kit::defaultFont());
    bar.setPicture(resources::assetImage(QStringLiteral("artProgressStrip")));
    bar.setForeColor(QColor(0, 0, 255));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    app::Form1 form;

    QList<double> calls, animations;
    for (int round = 0; round < 40; ++round) {
        const double start = cpuMs();
        for (int value = 0; value <= 100; value += 2) {
            const double before = cpuMs();
            form.updateprogress(bar, value);
            calls << cpuMs() - before;
        }
        animations << cpuMs() - start;
    }
    std::printf("one updateprogress call (133 x 13, with repaint): median %.3f ms CPU\n", median(calls));
    std::printf("51-call animation with repaints: median %.2f ms CPU, best %.2f ms (%lld rounds)\n",
                median(animations), *std::min_element(animations.begin(), animations.end()),
                static_cast<long long>(animations.size()));
    return 0;
}
