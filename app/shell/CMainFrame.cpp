#include "app/shell/CMainFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "app/dialogs/CProgressDlg.h"
#include "app/dialogs/QtText.h"
#include "app/shell/CLogoApp.h"
#include "app/view/CLogoView.h"
#include "res/Texts.h"
#include "serial/ISerialLink.h"

CMainFrame::CMainFrame(CLogoApp& app, std::unique_ptr<ISerialLink> link) : m_app(app) {
    setObjectName("CMainFrame");
    setWindowIcon(QIcon(":/stampix/stampix.svg"));
    m_view = new CLogoView(app.m_settings, std::move(link), this);
    setCentralWidget(m_view);
    BuildMenus();
    connect(m_view, &CLogoView::menusEnabled, this, &CMainFrame::EnableMenus);
    // Queued: the stopped operation's handler returns before the window goes.
    connect(m_view, &CLogoView::closeWhenIdle, this, &QWidget::close, Qt::QueuedConnection);
    SizeAndCentre();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    m_fileMenu = bar->addMenu(Qs(texts::kMenuFile));
    QAction* addFile = m_fileMenu->addAction(Qs(texts::kButtonAddFile));
    addFile->setObjectName("addFile");
    addFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(addFile, &QAction::triggered, m_view, &CLogoView::OnAddFile);
    m_fileMenu->addSeparator();
    QAction* exit = m_fileMenu->addAction(Qs(texts::kMenuExit));
    exit->setObjectName("exit");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // The key works while the menu is grayed and while the progress dialog has the focus:
    // during an operation it asks whether to stop, as the close box does.
    exit->setShortcutContext(Qt::ApplicationShortcut);
    addAction(exit);
    connect(exit, &QAction::triggered, this, &QWidget::close, Qt::QueuedConnection);

    // A command on the bar itself, not a pop-up.
    m_comPortAction = bar->addAction(Qs(texts::kMenuComPort));
    m_comPortAction->setObjectName("comPort");
    connect(m_comPortAction, &QAction::triggered, this, [this] { m_app.OnComPort(this); });

    m_extensionsMenu = bar->addMenu(Qs(texts::kMenuExtensions));
    QAction* convert = m_extensionsMenu->addAction(Qs(texts::kMenuConvert));
    convert->setObjectName("convert");
    connect(convert, &QAction::triggered, m_view, &CLogoView::OnConvertBmpToPld);

    m_helpMenu = bar->addMenu(Qs(texts::kMenuHelp));
    QAction* help = m_helpMenu->addAction(Qs(texts::kMenuHelpTopics));
    help->setObjectName("help");
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, m_view, &CLogoView::OnHelp);
    m_helpMenu->addSeparator();
    QAction* about = m_helpMenu->addAction(Qs(texts::kMenuAbout));
    about->setObjectName("about");
    connect(about, &QAction::triggered, this, [this] { m_app.OnAppAbout(this); });
}

void CMainFrame::SizeAndCentre() {
    // The whole form visible, the window in the middle of the screen.
    adjustSize();
    resize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center().x() - width() / 2, desktop.center().y() - height() / 2);
    }
}

void CMainFrame::EnableMenus(bool enable) {
    m_fileMenu->menuAction()->setEnabled(enable);
    m_comPortAction->setEnabled(enable);
    m_extensionsMenu->menuAction()->setEnabled(enable);
    menuBar()->update();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_view->MayClose()) {
        event->ignore();
        return;
    }
    // A finished operation's progress dialog goes with the window rather than keeping the
    // program alive on its own.
    if (CProgressDlg* progress = m_view->ProgressDlg()) {
        progress->close();
    }
    QMainWindow::closeEvent(event);
}
