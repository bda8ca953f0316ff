// stampix-screenshots: drives the real program against the in-process virtual printer and
// saves the README's pictures. Used by scripts/screenshots.sh; not installed.
//
//   stampix-screenshots OUTPUT_DIR SAMPLES_DIR

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/dialogs/CProgressDlg.h"
#include "app/shell/CLogoApp.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CLogoView.h"
#include "ops/CLogoSession.h"
#include "sim/CPrinterModel.h"
#include "sim/CSimLink.h"
#include "sim/CSimRegistrations.h"
#include "sim/SimContent.h"

namespace {

QString g_outDir;
int g_failures = 0;

void Save(const QImage& image, const QString& name) {
    const QString path = QDir(g_outDir).filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "stampix-screenshots: cannot write %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// Runs `action` on the next modal window, from the event loop that window runs.
void OnNextModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        QTimer::singleShot(50, modal, [modal, action] { action(modal); });
    });
    timer->start();
}

// The main window with the windows above it, as the operator sees them.
QImage Composite(QWidget* frame, const QList<QWidget*>& above) {
    QImage image = frame->grab().toImage();
    QPainter painter(&image);
    for (QWidget* window : above) {
        const QPoint at = window->frameGeometry().topLeft() - frame->geometry().topLeft();
        // A plain border and caption stand in for the window manager's frame.
        const QImage shot = window->grab().toImage();
        constexpr int kCaption = 22;
        const QRect outer(at - QPoint(2, kCaption + 2), shot.size() + QSize(4, kCaption + 4));
        painter.fillRect(outer, QColor(60, 60, 60));
        painter.setPen(Qt::white);
        painter.drawText(QRect(outer.left() + 8, outer.top(), outer.width() - 16, kCaption + 2),
                         Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
        painter.drawImage(at, shot);
    }
    return image;
}

void CloseProgress(CLogoView& view) {
    if (CProgressDlg* progress = view.ProgressDlg()) {
        progress->CloseButton()->click();
    }
    QApplication::processEvents();
}

void DoubleClickRow(CLogoView& view, int row) {
    view.ItemList()->clearSelection();
    view.ItemList()->selectRow(row);
    emit view.ItemList()->cellDoubleClicked(row, 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: stampix-screenshots OUTPUT_DIR SAMPLES_DIR\n");
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_outDir);
    const QDir samples(QString::fromLocal8Bit(argv[2]));

    CSimRegistrations printer;
    simcontent::PreloadDemo(printer);
    CPrinterModel model(printer);

    CLogoApp app;
    OnNextModal([](QWidget* modal) {
        modal->findChild<QRadioButton*>("model2")->setChecked(true);
        Save(modal->grab().toImage(), "select-printer.png");
        modal->findChild<QPushButton*>("ok")->click();
    });
    if (!app.InitInstance(std::make_unique<CSimLink>(model))) {
        return 1;
    }
    CMainFrame& frame = *app.MainFrame();
    CLogoView& view = frame.View();
    QApplication::processEvents();

    // What the printer holds, then four new logos from the samples.
    view.OnGetInfo();
    CloseProgress(view);
    QStringList files;
    for (const QString& name : samples.entryList({"*.bmp"}, QDir::Files, QDir::Name)) {
        files << samples.filePath(name);
    }
    view.ItemList()->clearSelection();
    view.AddFiles(files);
    view.ItemList()->selectRow(0);
    emit view.ItemList()->cellClicked(0, 1);
    QApplication::processEvents();
    Save(frame.grab().toImage(), "main-window.png");

    // A download caught half-way.
    bool caught = false;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        CProgressDlg* progress = view.ProgressDlg();
        if (caught || progress == nullptr || progress->IsFinished() || progress->Position() < 2) {
            return;
        }
        caught = true;
        Save(Composite(&frame, {progress}), "download-progress.png");
    });
    watcher.start();
    view.OnStartTransfer();
    watcher.stop();
    if (!caught) {
        std::fprintf(stderr, "stampix-screenshots: the download ended before a picture\n");
        ++g_failures;
    }
    if (CProgressDlg* progress = view.ProgressDlg()) {
        Save(Composite(&frame, {progress}), "download-done.png");
    }
    CloseProgress(view);

    // The information dialogs of a logo (ID 1) and of the font (ID 10).
    view.OnGetInfo();
    CloseProgress(view);
    OnNextModal([&](QWidget* modal) {
        Save(modal->grab().toImage(), "logo-info.png");
        modal->close();
    });
    DoubleClickRow(view, 1);
    OnNextModal([&](QWidget* modal) {
        Save(modal->grab().toImage(), "font-info.png");
        modal->close();
    });
    DoubleClickRow(view, 10);

    frame.close();
    return g_failures == 0 ? 0 : 1;
}
