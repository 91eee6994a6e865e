// The floor for start-up and idle cost: a bare Qt main window with a menu
// bar, a toolbar and a status bar, nothing of the game. Built in the same
// tree with the same flags, started the same way as the game's harness.
//
//   bench_floor startup   prints the first paint and exits
//   bench_floor idle      prints the CPU time of ten idle seconds
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <sys/resource.h>

#include <cstring>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void Build(QMainWindow& window) {
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenuBar* bar = window.menuBar();
    for (const char* title : {"&Game", "&Options", "&View", "&Help"}) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(title));
        for (int i = 1; i <= 4; ++i) menu->addAction(QStringLiteral("Item %1").arg(i));
    }
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Toolbar"));
    toolbar->setMovable(false);
    for (int i = 1; i <= 10; ++i) toolbar->addAction(QStringLiteral("B%1").arg(i));
    for (const char* text : {"Player 1", "Sets Flipped: 0", "Time: 0"})
        window.statusBar()->addWidget(new QLabel(QString::fromLatin1(text)));
    auto* client = new QWidget;
    client->setFixedSize(406, 340);
    window.setCentralWidget(client);
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool idle = argc > 1 && std::strcmp(argv[1], "idle") == 0;
    QApplication app(argc, argv);
    QMainWindow window;
    Build(window);
    if (!idle) {
        bench::FirstPaintReporter reporter(&window);
        window.show();
        return QApplication::exec();
    }
    window.show();
    double start = 0;
    QTimer::singleShot(1000, [&] { start = CpuSeconds(); });
    QTimer::singleShot(11000, [&] {
        std::printf("idle-cpu-seconds %.6f over 10\n", CpuSeconds() - start);
        QApplication::quit();
    });
    return QApplication::exec();
}
