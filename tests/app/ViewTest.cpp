#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "ViewFixture.h"
#include "app/dialogs/CProgressDlg.h"
#include "app/present/ItemListText.h"
#include "app/view/CPreviewWidget.h"
#include "items/PrinterModels.h"
#include "sim/SimContent.h"

namespace {

QColor RowBackground(CLogoView& view, int row) {
    return view.ItemList()->item(row, 0)->background().color();
}

void ClickRow(CLogoView& view, int row) {
    QTableWidget* list = view.ItemList();
    const QRect rect = list->visualRect(list->model()->index(row, 1));
    list->scrollTo(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(row, 1)).center());
    (void)rect;
}

void DoubleClickRow(CLogoView& view, int row) {
    QTableWidget* list = view.ItemList();
    list->scrollTo(list->model()->index(row, 1));
    const QPoint at = list->visualRect(list->model()->index(row, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

bool AllOperationButtons(CLogoView& view, bool enabled) {
    for (int i = 0; i < 5; ++i) {
        if (view.Button(i)->isEnabled() != enabled) return false;
    }
    return true;
}

// The state of the controls, seen from inside a dialog that an operation opened.
struct ControlsSeen {
    bool viewEnabled = true;
    bool anyButtonEnabled = true;
    bool fileMenu = true;
    bool comPort = true;
    bool extensions = true;
    bool help = false;
    bool frameClosed = true;
    QString closeQuestion;
};

ControlsSeen LookAtControls(ViewFixture& f) {
    ControlsSeen seen;
    seen.viewEnabled = f.View().isEnabled();
    seen.anyButtonEnabled = !AllOperationButtons(f.View(), false);
    seen.fileMenu = f.Frame().FileMenu()->menuAction()->isEnabled();
    seen.comPort = f.Frame().ComPortAction()->isEnabled();
    seen.extensions = f.Frame().ExtensionsMenu()->menuAction()->isEnabled();
    seen.help = f.Frame().HelpMenu()->menuAction()->isEnabled();
    // Closing asks whether to stop the operation; no keeps it running.
    f.m_driver.Then([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen.closeQuestion = box->text();
        box->button(QMessageBox::No)->click();
    });
    f.Frame().close();
    seen.frameClosed = !f.Frame().isVisible();
    return seen;
}

}  // namespace

class ViewTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { qunsetenv("STAMPIX_PORT"); }
    void cleanup() { QVERIFY(QApplication::activeModalWidget() == nullptr); }
    void startUpAsksForTheModelFirst();
    void startUpModels();
    void startUpCancelEndsBeforeTheWindowShows();
    void startUpPortFromTheEnvironment();
    void menusInOrder();
    void listHasHundredRowsWithColours();
    void addingFilesFillsFreeSlotsAndPreviews();
    void droppedFilesAreAdded();
    void keysThatMoveTheCurrentRowMoveThePreview();
    void refreshDropsTheSelection();
    void previewsFollowTheTable();
    void retrievalShowsTheEmptyTableWhileWaiting();
    void downloadShowsProgressAndEnablesAfterwards();
    void downloadOverwriteQuestionWhileControlsAreOff();
    void retrievalOpensTheInformationDialogs();
    void deletionAsksAndClears();
    void deletionOfNewItemsAsksNothing();
    void allClearAsks();
    void itemSettingsMoveAnItem();
    void portDialogChangesThePort();
    void versionDialog();
    void portOpenFailureShowsTheMessage();
    void helpOpensThePageBesideTheProgram();
    void addFileDialog();
    void convertDialogWritesPldFiles();
    void closingWithAFinishedProgressDialog();
    void finishedProgressTakesTheFocus();
    void closingDuringAnOperationStopsIt();
    void ctrlQDuringAnOperationAsksToStop();
    void largerWindowGivesTheListTheRoom();
    void listColumnsShowTheirTextsAtALargeFont();
    void helpThatCannotOpenSaysWhere();
};

// An xdg-open first on PATH while it lives: it writes the page it is given to a file and
// ends with `status` (3 is xdg-open's "no method available").
class FakeOpener {
  public:
    explicit FakeOpener(int status) : m_path(qgetenv("PATH")) {
        QFile script(m_dir.filePath("xdg-open"));
        script.open(QIODevice::WriteOnly);
        script.write(QString("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                         .arg(m_dir.filePath("opened"))
                         .arg(status)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", (m_dir.path() + ":").toUtf8() + m_path);
    }
    ~FakeOpener() { qputenv("PATH", m_path); }
    FakeOpener(const FakeOpener&) = delete;
    FakeOpener& operator=(const FakeOpener&) = delete;

    // The page xdg-open was given; null before it ran.
    QString Opened() const {
        QFile opened(m_dir.filePath("opened"));
        return opened.open(QIODevice::ReadOnly) ? QString::fromUtf8(opened.readAll()) : QString();
    }

  private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

// Receives the URLs the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> m_urls;
  public slots:
    void Open(const QUrl& url) { m_urls << url; }
};

void ViewTest::startUpAsksForTheModelFirst() {
    ViewFixture f;
    bool frameVisibleAtQuestion = true;
    QString question;
    auto link = std::make_unique<CSimLink>(f.m_model);
    f.m_driver.Then([&](QWidget* modal) {
        question = modal->windowTitle();
        frameVisibleAtQuestion = f.m_app->MainFrame()->isVisible();
        ChooseModel(modal, 2);
    });
    QVERIFY(f.m_app->InitInstance(std::move(link)));
    QCOMPARE(question, QString("NV210a/NV430a/NV450aロゴダウンロードツール"));
    QVERIFY(!frameVisibleAtQuestion);
    QVERIFY(f.Frame().isVisible());
    QCOMPARE(f.Frame().windowTitle(), QString("NV450aロゴダウンロードツール"));
    QCOMPARE(f.m_app->m_settings.m_dotsPerMm, 12);
    QCOMPARE(f.m_app->m_modelName, std::string("NV450a"));
    QCOMPARE(f.m_app->m_settings.m_comPort, std::string("COM1"));
    QVERIFY(!f.View().Button(1)->isEnabled());  // nothing to send yet
    QVERIFY(f.View().Button(0)->isEnabled());
    QCOMPARE(f.View().MemoryText()->text(), QString("メモリ使用量　0/240Kbyte"));
    QCOMPARE(f.View().MemoryGauge()->maximum(), 240);
    QVERIFY(QFileInfo(QString::fromStdString(f.m_app->m_settings.m_helpPath)).fileName() ==
            "Stampix.html");
}

void ViewTest::startUpModels() {
    for (int model = 0; model < 3; ++model) {
        ViewFixture f;
        QVERIFY(f.Start(model));
        QCOMPARE(f.m_app->m_model, model);
        QCOMPARE(f.m_app->m_settings.m_dotsPerMm, model == 2 ? 12 : 8);
        QCOMPARE(f.Frame().windowTitle(),
                 QString::fromStdString(std::string(ModelInfo(model).m_name)) +
                     "ロゴダウンロードツール");
    }
}

void ViewTest::startUpCancelEndsBeforeTheWindowShows() {
    for (bool escape : {false, true}) {
        ViewFixture f;
        f.m_driver.Then([escape](QWidget* modal) {
            if (escape) {
                QTest::keyClick(modal, Qt::Key_Escape);
            } else {
                modal->findChild<QPushButton*>("quit")->click();
            }
        });
        QVERIFY(!f.m_app->InitInstance(std::make_unique<CSimLink>(f.m_model)));
        QVERIFY(!f.m_app->MainFrame()->isVisible());
        QCOMPARE(f.m_link, nullptr);
    }
}

void ViewTest::startUpPortFromTheEnvironment() {
    qputenv("STAMPIX_PORT", "/dev/pts/42");
    ViewFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.m_app->m_settings.m_comPort, std::string("/dev/pts/42"));
    // The device of a COM name is that COM port.
    qputenv("STAMPIX_PORT", "/dev/ttyS0");
    ViewFixture onDevice;
    QVERIFY(onDevice.Start());
    QCOMPARE(onDevice.m_app->m_settings.m_comPort, std::string("COM1"));
    // A name that is no port is not replaced by COM1: opening it says that it is no port
    // name, as the command line says.
    qputenv("STAMPIX_PORT", "nonsense");
    ViewFixture named;
    QVERIFY(named.Start());
    QCOMPARE(named.m_app->m_settings.m_comPort, std::string("nonsense"));
    qunsetenv("STAMPIX_PORT");
}

void ViewTest::menusInOrder() {
    ViewFixture f;
    QVERIFY(f.Start());
    const auto actions = f.Frame().menuBar()->actions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0]->text(), QString("ファイル(&F)"));
    QCOMPARE(actions[1]->text(), QString("COMポート(&C)"));
    QVERIFY(actions[1]->menu() == nullptr);  // a command on the bar, not a pop-up
    QCOMPARE(actions[2]->text(), QString("拡張機能(&E)"));
    QCOMPARE(actions[3]->text(), QString("ヘルプ(&H)"));
    const auto file = f.Frame().FileMenu()->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file[0]->text(), QString("ファイル追加"));
    QCOMPARE(file[0]->shortcut(), QKeySequence("Ctrl+O"));
    QVERIFY(file[1]->isSeparator());
    QCOMPARE(file[2]->text(), QString("終了(&X)"));
    QCOMPARE(file[2]->shortcut(), QKeySequence("Ctrl+Q"));
    QCOMPARE(f.Frame().ExtensionsMenu()->actions()[0]->text(), QString("bmp→pld変換(&C)"));
    const auto help = f.Frame().HelpMenu()->actions();
    QCOMPARE(help.size(), 3);
    QCOMPARE(help[0]->text(), QString("ヘルプ(&H)"));
    QCOMPARE(help[0]->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(help[1]->isSeparator());
    QCOMPARE(help[2]->text(), QString("バージョン情報 (&A)"));
    // Ctrl+Q closes the window.
    f.Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
    QTest::keyClick(&f.Frame(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!f.Frame().isVisible());
}

void ViewTest::listHasHundredRowsWithColours() {
    ViewFixture f;
    QVERIFY(f.Start());
    QTableWidget* list = f.View().ItemList();
    QCOMPARE(list->rowCount(), 100);
    QCOMPARE(list->columnCount(), 4);
    QVERIFY(list->showGrid());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->horizontalHeaderItem(0)->text(), QString("ID"));
    QCOMPARE(list->horizontalHeaderItem(3)->text(), QString("アイテム状態"));
    QCOMPARE(list->columnWidth(0), 30);
    QCOMPARE(list->columnWidth(1), 200);
    for (int row = 0; row < 100; ++row) {
        QCOMPARE(list->item(row, 0)->text(), QString("%1").arg(row, 2, 10, QChar('0')));
        QCOMPARE(list->item(row, 3)->text(), QString("未登録ID"));
        QCOMPARE(list->item(row, 2)->text(), QString());
        QCOMPARE(RowBackground(f.View(), row), QColor(255, 255, 255));
    }
    // A registered record, a new record.
    CItemTable& items = f.Session().m_items;
    items[4].m_state = ITEM_REGISTERED;
    items[4].m_patternCount = 1;
    items[4].m_totalSize = 100;
    items[7].m_id = 7;
    items[7].m_patternSize = 1000;
    items[7].BuildHeader();
    items[7].m_state = ITEM_NEW;
    f.View().RefreshItemList();
    QCOMPARE(list->rowCount(), 100);
    QCOMPARE(RowBackground(f.View(), 4), QColor(255, 255, 220));
    QCOMPARE(list->item(4, 2)->text(), QString("110byte"));
    QCOMPARE(RowBackground(f.View(), 7), QColor(220, 255, 255));
    QCOMPARE(list->item(7, 2)->text(), QString("1010byte"));
    QCOMPARE(list->item(7, 3)->text(), QString("新規登録ID"));
    QCOMPARE(f.View().MemoryText()->text(), QString("メモリ使用量　2/240Kbyte"));
    QCOMPARE(f.View().MemoryGauge()->value(), 1);
    QVERIFY(f.View().Button(1)->isEnabled());
    items[7].Reset();
    f.View().RefreshItemList();
    QVERIFY(!f.View().Button(1)->isEnabled());
}

void ViewTest::addingFilesFillsFreeSlotsAndPreviews() {
    ViewFixture f;
    QVERIFY(f.Start());
    const QStringList files{f.Bitmap("a.bmp", 200, 100), f.Bitmap("b.bmp", 50, 200),
                            f.Bitmap("c.bmp", 100, 100)};
    f.View().AddFiles(files);
    CItemTable& items = f.Session().m_items;
    for (int slot = 0; slot < 3; ++slot) QCOMPARE(items[slot].m_state, ITEM_NEW);
    QCOMPARE(f.View().ItemList()->item(0, 1)->text(), QString("a.bmp"));
    QCOMPARE(f.View().ItemList()->item(2, 1)->text(), QString("c.bmp"));
    QCOMPARE(RowBackground(f.View(), 1), QColor(220, 255, 255));
    QVERIFY(f.View().Button(1)->isEnabled());

    // Clicking a row shows both pictures fitted into the frames: a wide picture to the
    // frame's width, a tall one to its height, drawn at (1, 1) two pixels smaller.
    CPreviewWidget* original = f.View().OriginalPreview();
    CPreviewWidget* transfer = f.View().TransferPreview();
    const int wc = original->width();
    const int hc = original->height();
    QCOMPARE(transfer->size(), original->size());
    ClickRow(f.View(), 0);
    QCOMPARE(f.Session().m_previewSlot, 0);
    QVERIFY(!original->IsPlaceholder());
    const int wideHeight = std::min(hc, int(double(wc) / 200 * 100 + 0.5));
    QCOMPARE(original->TargetRect(), QRect(1, 1, wc - 2, wideHeight - 2));
    QCOMPARE(transfer->TargetRect(), QRect(1, 1, wc - 2, wideHeight - 2));
    QCOMPARE(transfer->Image().size(), QSize(200, 100));
    const QImage shot = transfer->grab().toImage();
    QCOMPARE(shot.pixel(5, 5), qRgb(0, 0, 0));                           // the black left half
    QCOMPARE(shot.pixel(wc - 12, 5), qRgb(255, 255, 255));               // the white right half
    QCOMPARE(shot.pixel(wc / 2, wideHeight + 10), qRgb(120, 120, 120));  // frame below it
    ClickRow(f.View(), 1);
    const int tallWidth = std::min(wc, int(double(hc) / 200 * 50 + 0.5));
    QCOMPARE(original->TargetRect(), QRect(1, 1, tallWidth - 2, hc - 2));
    // A free row shows the placeholder whatever the current image holds.
    ClickRow(f.View(), 50);
    QVERIFY(original->IsPlaceholder());
    QVERIFY(transfer->IsPlaceholder());

    // With row 5 selected and slots 5 and 6 in use, two files go to 7 and 8.
    items[5].m_state = ITEM_REGISTERED;
    items[6].m_state = ITEM_REGISTERED;
    f.View().ItemList()->selectRow(5);
    f.View().AddFiles({f.Bitmap("d.bmp", 8, 8), f.Bitmap("e.bmp", 8, 8)});
    QCOMPARE(items[7].m_state, ITEM_NEW);
    QCOMPARE(items[8].m_state, ITEM_NEW);
    QCOMPARE(f.View().ItemList()->item(8, 1)->text(), QString("e.bmp"));
    QCOMPARE(f.m_driver.Pending(), 0);
}

void ViewTest::droppedFilesAreAdded() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.Answer(QMessageBox::Ok);  // the unsupported file
    QMimeData data;
    QFile(f.m_dir.filePath("notes.txt")).open(QIODevice::WriteOnly);
    data.setUrls({QUrl::fromLocalFile(f.Bitmap("x.bmp", 16, 16)),
                  QUrl::fromLocalFile(f.m_dir.filePath("notes.txt")),
                  QUrl::fromLocalFile(f.Bitmap("y.BMP", 16, 16))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.View(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.View(), &drop);
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(f.m_texts.size(), 1);
    QVERIFY(f.m_texts[0].endsWith("は未対応のファイル形式です。"));
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_NEW);
    QCOMPARE(f.Session().m_items[1].m_state, ITEM_NEW);  // the refused file takes no slot
    QCOMPARE(f.View().ItemList()->item(1, 1)->text(), QString("y.BMP"));
    QCOMPARE(f.Session().m_items[2].m_state, ITEM_UNREGISTERED);
}

void ViewTest::keysThatMoveTheCurrentRowMoveThePreview() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.View().AddFiles({f.Bitmap("a.bmp", 20, 10)});
    QTableWidget* list = f.View().ItemList();
    list->setFocus();
    // No selection: down shows slot 0.
    list->clearSelection();
    f.Session().m_previewSlot = 42;
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.Session().m_previewSlot, 0);
    QVERIFY(!f.View().OriginalPreview()->IsPlaceholder());
    // Row 99: down does nothing; row 0: up does nothing.
    list->clearSelection();
    list->selectRow(99);
    f.Session().m_previewSlot = 99;
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.Session().m_previewSlot, 99);
    list->clearSelection();
    list->selectRow(0);
    f.Session().m_previewSlot = 0;
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(f.Session().m_previewSlot, 0);
    // Row 1, up: slot 0 is previewed.
    list->clearSelection();
    list->selectRow(1);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(f.Session().m_previewSlot, 0);
    list->clearSelection();
    list->selectRow(5);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(f.Session().m_previewSlot, 6);
    QVERIFY(f.View().OriginalPreview()->IsPlaceholder());

    // Every other move of the current row moves the previews too.
    QTest::keyClick(list, Qt::Key_PageDown);
    QVERIFY(list->currentRow() > 6);
    QCOMPARE(f.Session().m_previewSlot, list->currentRow());
    QCOMPARE(f.View().SelectedRows(), std::vector<int>{list->currentRow()});
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(f.Session().m_previewSlot, 99);
    QCOMPARE(f.View().SelectedRows(), std::vector<int>{99});
    QTest::keyClick(list, Qt::Key_PageUp);
    QCOMPARE(f.Session().m_previewSlot, list->currentRow());
    QVERIFY(list->currentRow() < 99);
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(f.Session().m_previewSlot, 0);
    QCOMPARE(f.View().SelectedRows(), std::vector<int>{0});
    QVERIFY(!f.View().OriginalPreview()->IsPlaceholder());
    // Tab leaves the list; the previews stay on the current row.
    f.Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab);
    QVERIFY(!list->hasFocus());
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(f.Session().m_previewSlot, 0);
}

void ViewTest::refreshDropsTheSelection() {
    ViewFixture f;
    QVERIFY(f.Start());
    ClickRow(f.View(), 5);
    f.View().AddFiles({f.Bitmap("a.bmp", 8, 8)});
    QCOMPARE(f.Session().m_items[5].m_state, ITEM_NEW);
    QVERIFY(f.View().SelectedRows().empty());
    // The next file starts from the top again.
    f.View().AddFiles({f.Bitmap("b.bmp", 8, 8)});
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_NEW);
    QCOMPARE(f.Session().m_items[6].m_state, ITEM_UNREGISTERED);

    // After a download, "クリア" works on what is selected now: nothing.
    f.View().Button(1)->click();
    f.View().ProgressDlg()->CloseButton()->click();
    QTRY_VERIFY(f.View().Button(3)->isEnabled());
    QCOMPARE(f.Session().m_items[5].m_state, ITEM_REGISTERED);
    f.Answer(QMessageBox::Ok);
    f.View().Button(3)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(f.m_texts, QStringList{"削除するIDを選択してください。"});
    QVERIFY(f.m_printer.Contains(5));
}

void ViewTest::previewsFollowTheTable() {
    ViewFixture f;
    simcontent::PreloadDemo(f.m_printer);  // IDs 1, 2, 5 and 10
    QVERIFY(f.Start());
    CPreviewWidget* original = f.View().OriginalPreview();
    CPreviewWidget* transfer = f.View().TransferPreview();
    const auto showsPicture = [&] {
        // What the frames show once they have painted.
        original->repaint();
        transfer->repaint();
        return !original->IsPlaceholder() && !transfer->IsPlaceholder();
    };
    const auto addAndPreview = [&](const QString& name) {
        f.View().AddFiles({f.Bitmap(name, 16, 8)});
        ClickRow(f.View(), 0);
        QVERIFY(showsPicture());
    };

    // A download makes the previewed slot a registered one.
    addAndPreview("a.bmp");
    f.View().Button(1)->click();
    QVERIFY(!showsPicture());
    f.View().ProgressDlg()->CloseButton()->click();
    QTRY_VERIFY(f.View().isEnabled());

    // A deletion frees it.
    ClickRow(f.View(), 3);
    f.View().AddFiles({f.Bitmap("b.bmp", 16, 8)});
    ClickRow(f.View(), 3);
    QVERIFY(showsPicture());
    ClickRow(f.View(), 3);
    f.View().Button(3)->click();
    QVERIFY(!showsPicture());
    f.View().ProgressDlg()->CloseButton()->click();
    QTRY_VERIFY(f.View().isEnabled());

    // The item settings dialog moves it away.
    ClickRow(f.View(), 3);
    f.View().AddFiles({f.Bitmap("c.bmp", 16, 8)});
    ClickRow(f.View(), 3);
    QVERIFY(showsPicture());
    f.m_driver.Then([](QWidget* modal) {
        modal->findChild<QLineEdit*>("id")->setText("40");
        modal->findChild<QPushButton*>("ok")->click();
    });
    DoubleClickRow(f.View(), 3);
    QCOMPARE(f.m_driver.Pending(), 0);
    QVERIFY(!showsPicture());

    // A retrieval and an all-clear empty the table.
    ClickRow(f.View(), 40);
    QVERIFY(showsPicture());
    f.View().Button(2)->click();
    QVERIFY(!showsPicture());
    f.View().ProgressDlg()->CloseButton()->click();
    QTRY_VERIFY(f.View().isEnabled());
    ClickRow(f.View(), 7);
    f.View().AddFiles({f.Bitmap("d.bmp", 16, 8)});
    ClickRow(f.View(), 7);
    QVERIFY(showsPicture());
    f.Answer(QMessageBox::Yes);
    f.View().Button(4)->click();
    QVERIFY(!showsPicture());
    f.View().ProgressDlg()->CloseButton()->click();
}

void ViewTest::retrievalShowsTheEmptyTableWhileWaiting() {
    ViewFixture f;
    simcontent::PreloadDemo(f.m_printer);
    QVERIFY(f.Start());
    f.View().AddFiles({f.Bitmap("a.bmp", 8, 8)});
    f.m_model.SetFault(SimFault::Silence);
    // The rows the list shows each time the window is kept alive during the wait.
    QList<int> rowsSeen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (f.View().ProgressDlg() && !f.View().ProgressDlg()->IsFinished()) {
            rowsSeen << f.View().ItemList()->rowCount();
        }
    });
    watch.start(0);
    f.View().Button(2)->click();
    watch.stop();
    QVERIFY(rowsSeen.size() > 10);
    QCOMPARE(rowsSeen.last(), 0);
    QCOMPARE(f.View().ProgressDlg()->Text(), QString("情報取得に失敗しました。"));
    QCOMPARE(f.View().ItemList()->rowCount(), 100);
    QCOMPARE(f.View().ItemList()->item(0, 3)->text(), QString("未登録ID"));
    f.View().ProgressDlg()->CloseButton()->click();
}

void ViewTest::downloadShowsProgressAndEnablesAfterwards() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.View().AddFiles(
        {f.Bitmap("a.bmp", 64, 32), f.Bitmap("b.bmp", 32, 32), f.Bitmap("c.bmp", 16, 16)});
    f.View().Button(1)->click();
    CProgressDlg* progress = f.View().ProgressDlg();
    QVERIFY(progress != nullptr);
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->Text(), QString("データ送信を完了しました。"));
    QCOMPARE(progress->Range(), 3);
    QCOMPARE(progress->Position(), 3);
    QVERIFY(progress->CloseButton()->isVisible());
    QCOMPARE(f.m_printer.Count(), 3u);
    // Still off while the finished dialog is open.
    QVERIFY(AllOperationButtons(f.View(), false));
    QVERIFY(!f.Frame().ComPortAction()->isEnabled());
    for (int slot = 0; slot < 3; ++slot) {
        QCOMPARE(f.Session().m_items[slot].m_state, ITEM_REGISTERED);
        QCOMPARE(RowBackground(f.View(), slot), QColor(255, 255, 220));
    }
    progress->CloseButton()->click();
    QTRY_VERIFY(f.View().ProgressDlg() == nullptr);
    QVERIFY(f.View().isEnabled());
    QVERIFY(f.View().Button(0)->isEnabled());
    QVERIFY(f.View().Button(2)->isEnabled());
    QVERIFY(f.View().Button(3)->isEnabled());
    QVERIFY(f.View().Button(4)->isEnabled());
    QVERIFY(!f.View().Button(1)->isEnabled());  // nothing waits any more
    QVERIFY(f.Frame().ComPortAction()->isEnabled());
    QVERIFY(f.Frame().FileMenu()->menuAction()->isEnabled());
    QVERIFY(f.Frame().ExtensionsMenu()->menuAction()->isEnabled());
    QCOMPARE(f.m_link->LastPortName(), std::string("COM1"));
}

void ViewTest::downloadOverwriteQuestionWhileControlsAreOff() {
    ViewFixture f;
    simcontent::PreloadDemo(f.m_printer);  // IDs 1, 2, 5 and 10
    QVERIFY(f.Start());
    f.View().AddFiles({f.Bitmap("a.bmp", 16, 16), f.Bitmap("b.bmp", 16, 16)});
    f.View().ItemList()->clearSelection();
    // Move the second new item onto ID 2 of the printer: a fresh table knows nothing of it.
    ControlsSeen seen;
    QString question;
    f.m_driver.Then([&](QWidget* modal) {
        seen = LookAtControls(f);
        auto* box = qobject_cast<QMessageBox*>(modal);
        question = box->text();
        box->button(QMessageBox::No)->click();
    });
    f.Session().m_items.MoveItem(1, 2, "b.bmp");
    f.View().RefreshItemList();
    f.View().Button(1)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(question, QString("ID02は既にプリンタにデータが登録されています。\n上書きしますか？"));
    QVERIFY(!seen.viewEnabled);
    QVERIFY(!seen.anyButtonEnabled);
    QVERIFY(!seen.fileMenu);
    QVERIFY(!seen.comPort);
    QVERIFY(!seen.extensions);
    QVERIFY(seen.help);
    QVERIFY(!seen.frameClosed);  // the window stays while the operation runs
    QCOMPARE(seen.closeQuestion, QString("プリンタとの通信中です。\n処理を中止して終了しますか？"));
    QVERIFY(f.Frame().isVisible());
    // Declined: ID 2 still waits; the count went on.
    CProgressDlg* progress = f.View().ProgressDlg();
    QCOMPARE(progress->Position(), 2);
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_REGISTERED);
    QCOMPARE(f.Session().m_items[2].m_state, ITEM_NEW);
    progress->CloseButton()->click();
    QTRY_VERIFY(f.View().Button(1)->isEnabled());  // an item still waits
    // Now the window may close.
    f.Frame().close();
    QVERIFY(!f.Frame().isVisible());
}

void ViewTest::retrievalOpensTheInformationDialogs() {
    ViewFixture f;
    f.m_printer.Store(simcontent::MakeLogo(3, "LOGO", 240, 120));
    const char16_t chars[] = {u'A', u'あ', u'漢'};
    f.m_printer.Store(simcontent::MakeFont(17, "FONT", 24, chars, false, true));
    QVERIFY(f.Start(2));  // 12 dots per mm
    f.View().AddFiles({f.Bitmap("a.bmp", 16, 16)});
    f.View().Button(2)->click();
    CProgressDlg* progress = f.View().ProgressDlg();
    QVERIFY(progress != nullptr);
    QCOMPARE(progress->Text(), QString("情報取得を完了しました。"));
    progress->CloseButton()->click();
    QTRY_VERIFY(f.View().isEnabled());
    CItemTable& items = f.Session().m_items;
    QCOMPARE(items[0].m_state, ITEM_UNREGISTERED);  // the new item is gone
    QCOMPARE(items[3].m_state, ITEM_REGISTERED);
    QCOMPARE(items[17].m_state, ITEM_REGISTERED);
    QCOMPARE(RowBackground(f.View(), 3), QColor(255, 255, 220));
    QCOMPARE(f.View().ItemList()->item(17, 3)->text(), QString("登録済みID"));

    QStringList logoLines, fontLines;
    QString logoHeight, logoHeading, fontCount;
    f.m_driver.Then([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("CLogoDetail"));
        auto* list = modal->findChild<QListWidget*>("list");
        for (int i = 0; i < list->count(); ++i) logoLines << list->item(i)->text();
        logoHeight = modal->findChild<QLabel*>("height")->text();
        logoHeading = modal->findChild<QLabel*>("listHeading")->text();
        modal->findChild<QPushButton*>("ok")->click();
    });
    DoubleClickRow(f.View(), 3);
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(logoLines, QStringList{"0x6B82"});
    QCOMPARE(logoHeight, QString("縦サイズ：240dot(20.0mm)"));
    QCOMPARE(logoHeading, QString("呼び出しコード"));

    f.m_driver.Then([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("CFontDetail"));
        auto* list = modal->findChild<QListWidget*>("list");
        for (int i = 0; i < list->count(); ++i) fontLines << list->item(i)->text();
        fontCount = modal->findChild<QLabel*>("fontCount")->text();
        modal->findChild<QPushButton*>("ok")->click();
    });
    DoubleClickRow(f.View(), 17);
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(fontLines.size(), 3);
    QCOMPARE(fontLines[1], QString("0x4230     あ"));
    QCOMPARE(fontCount, QString("登録フォント数：3"));

    // One pattern whose call code is not the logo's: the font dialog.
    items[3].m_entries[0] = 0x41;
    items[3].m_entries[1] = 0x00;
    QString third;
    f.m_driver.Then([&](QWidget* modal) {
        third = modal->objectName();
        modal->findChild<QPushButton*>("ok")->click();
    });
    DoubleClickRow(f.View(), 3);
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(third, QString("CFontDetail"));

    // A registered record with no patterns opens nothing; a free row neither.
    items[17].m_patternCount = 0;
    DoubleClickRow(f.View(), 17);
    DoubleClickRow(f.View(), 40);
    QTest::qWait(30);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ViewTest::deletionAsksAndClears() {
    ViewFixture f;
    simcontent::PreloadDemo(f.m_printer);  // IDs 1, 2, 5, 10
    QVERIFY(f.Start());
    f.View().Button(2)->click();
    f.View().ProgressDlg()->CloseButton()->click();
    QTRY_VERIFY(f.View().ProgressDlg() == nullptr);
    QVERIFY(f.View().isEnabled());
    QCOMPARE(f.Session().m_items[2].m_state, ITEM_REGISTERED);
    f.View().AddFiles({f.Bitmap("n.bmp", 8, 8)});  // goes to slot 0
    // Rows 0 (new), 2 (registered), 9 (free).
    QTableWidget* list = f.View().ItemList();
    list->clearSelection();
    for (int row : {0, 2, 9}) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    // No: nothing changes, no progress dialog.
    f.Answer(QMessageBox::No);
    f.View().Button(3)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(f.m_captions.last(), QString("確認"));
    QVERIFY(f.m_texts.last().startsWith("削除項目に登録済みIDが含まれています。"));
    QVERIFY(f.View().ProgressDlg() == nullptr);
    QVERIFY(f.m_printer.Contains(2));
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_NEW);
    // Yes: ID 2 deleted in the printer, both cleared.
    f.Answer(QMessageBox::Yes);
    f.View().Button(3)->click();
    CProgressDlg* progress = f.View().ProgressDlg();
    QVERIFY(progress != nullptr);
    QCOMPARE(progress->Text(), QString("データの削除を完了しました。"));
    QCOMPARE(progress->Range(), 2);
    QCOMPARE(progress->Position(), 2);
    QVERIFY(!f.m_printer.Contains(2));
    QVERIFY(f.m_printer.Contains(1));
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_UNREGISTERED);
    QCOMPARE(f.Session().m_items[2].m_state, ITEM_UNREGISTERED);
    QCOMPARE(list->item(2, 3)->text(), QString("未登録ID"));
    progress->CloseButton()->click();
    QTRY_VERIFY(f.View().isEnabled());

    // Delete in the list is "クリア".
    f.View().AddFiles({f.Bitmap("m.bmp", 8, 8)});
    ClickRow(f.View(), 0);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_UNREGISTERED);
    f.View().ProgressDlg()->CloseButton()->click();
    QTRY_VERIFY(f.View().isEnabled());

    // Nothing selected: the message.
    list->clearSelection();
    f.Answer(QMessageBox::Ok);
    f.View().Button(3)->click();
    QCOMPARE(f.m_texts.last(), QString("削除するIDを選択してください。"));
    QCOMPARE(f.m_captions.last(), QString("実行結果"));
}

void ViewTest::deletionOfNewItemsAsksNothing() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.View().AddFiles({f.Bitmap("a.bmp", 8, 8), f.Bitmap("b.bmp", 8, 8)});
    f.View().ItemList()->selectRow(1);
    f.View().Button(3)->click();
    QVERIFY(f.m_texts.isEmpty());
    QCOMPARE(f.m_link->OpenCount(), 0);  // nothing sent
    QCOMPARE(f.Session().m_items[1].m_state, ITEM_UNREGISTERED);
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_NEW);
    f.View().ProgressDlg()->CloseButton()->click();
    QTRY_VERIFY(f.View().Button(1)->isEnabled());
}

void ViewTest::allClearAsks() {
    ViewFixture f;
    simcontent::PreloadDemo(f.m_printer);
    QVERIFY(f.Start());
    f.View().AddFiles({f.Bitmap("a.bmp", 8, 8)});
    QStringList buttons;
    f.m_driver.Then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        buttons << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
        f.m_captions << box->windowTitle();
        f.m_texts << box->text();
        box->button(QMessageBox::No)->click();
    });
    f.View().Button(4)->click();
    QCOMPARE(buttons, (QStringList{"はい(&Y)", "いいえ(&N)"}));
    QCOMPARE(f.m_captions.last(), QString("実行確認"));
    QCOMPARE(f.m_texts.last(),
             QString("プリンタに登録されているデータが全て削除されます。\n実行しますか？"));
    QVERIFY(f.View().ProgressDlg() == nullptr);
    QVERIFY(!f.m_printer.Empty());
    f.Answer(QMessageBox::Yes);
    f.View().Button(4)->click();
    QCOMPARE(f.View().ProgressDlg()->Text(), QString("登録データを全て削除しました。"));
    QVERIFY(f.m_printer.Empty());
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_UNREGISTERED);
}

void ViewTest::itemSettingsMoveAnItem() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.View().AddFiles({f.Bitmap("a.bmp", 8, 8), f.Bitmap("b.bmp", 8, 8)});
    f.m_driver.Then([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("CItemSetDlg"));
        QCOMPARE(modal->findChild<QLineEdit*>("id")->text(), QString("0"));
        modal->findChild<QLineEdit*>("id")->setText("12");
        modal->findChild<QLineEdit*>("name")->setText("renamed");
        modal->findChild<QPushButton*>("ok")->click();
    });
    DoubleClickRow(f.View(), 0);
    QCOMPARE(f.m_driver.Pending(), 0);
    QTableWidget* list = f.View().ItemList();
    QCOMPARE(list->item(12, 1)->text(), QString("renamed"));
    QCOMPARE(list->item(12, 3)->text(), QString("新規登録ID"));
    QCOMPARE(list->item(0, 3)->text(), QString("未登録ID"));
    QCOMPARE(RowBackground(f.View(), 0), QColor(255, 255, 255));

    // A used ID is refused, the dialog stays; cancel then leaves everything.
    f.m_driver.Then([&](QWidget* modal) {
        modal->findChild<QLineEdit*>("id")->setText("1");
        f.Answer(QMessageBox::Ok);
        modal->findChild<QPushButton*>("ok")->click();
        QVERIFY(modal->isVisible());
        modal->findChild<QPushButton*>("cancel")->click();
    });
    DoubleClickRow(f.View(), 12);
    QTRY_COMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(f.m_texts.last(), QString("指定されたIDは既に使用されています。"));
    QCOMPARE(list->item(12, 1)->text(), QString("renamed"));
}

void ViewTest::portDialogChangesThePort() {
    ViewFixture f;
    QVERIFY(f.Start());
    QCOMPARE(f.m_app->m_settings.m_comPort, std::string("COM1"));
    f.m_driver.Then([](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("CComSelectDlg"));
        auto* combo = modal->findChild<QComboBox*>("combo");
        // The entry of COM1 (its text names /dev/ttyS0 too where the machine has one).
        QCOMPARE(combo->currentData().toString(), QString("COM1"));
        QVERIFY(combo->currentText().startsWith("COM1"));
        combo->setCurrentIndex(11);
        modal->findChild<QPushButton*>("ok")->click();
    });
    f.Frame().ComPortAction()->trigger();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(f.m_app->m_settings.m_comPort, std::string("COM12"));
    // The next operation opens that port.
    f.View().Button(2)->click();
    QCOMPARE(f.m_link->LastPortName(), std::string("COM12"));
    f.View().ProgressDlg()->CloseButton()->click();
    // Cancel leaves it.
    f.m_driver.Then([](QWidget* modal) {
        modal->findChild<QComboBox*>("combo")->setCurrentIndex(3);
        modal->findChild<QPushButton*>("cancel")->click();
    });
    QTRY_VERIFY(f.Frame().ComPortAction()->isEnabled());
    f.Frame().ComPortAction()->trigger();
    QCOMPARE(f.m_app->m_settings.m_comPort, std::string("COM12"));
}

void ViewTest::versionDialog() {
    ViewFixture f;
    QVERIFY(f.Start());
    QString version;
    f.m_driver.Then([&](QWidget* modal) {
        version = modal->findChild<QLabel*>("version")->text();
        modal->findChild<QPushButton*>("ok")->click();
    });
    f.Frame().HelpMenu()->actions()[2]->trigger();
    QCOMPARE(version, QString("Version 9.1.0.20"));
}

void ViewTest::portOpenFailureShowsTheMessage() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.m_link->SetOpenFails(true);
    f.View().AddFiles({f.Bitmap("a.bmp", 8, 8)});
    f.Answer(QMessageBox::Ok);
    f.View().Button(1)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(f.m_captions.last(), QString("エラー"));
    QVERIFY(f.m_texts.last().startsWith("COMﾎﾟｰﾄをｵｰﾌﾟﾝできませんでした。"));
    QCOMPARE(f.View().ProgressDlg()->Text(), QString("データ送信に失敗しました。"));
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_NEW);
}

void ViewTest::helpOpensThePageBesideTheProgram() {
    ViewFixture f;
    QVERIFY(f.Start());
    // The test program has no page beside it; the source tree's stands in.
    QCOMPARE(QFileInfo(QString::fromStdString(f.m_app->m_settings.m_helpPath)).fileName(),
             QString("Stampix.html"));
    f.m_app->m_settings.m_helpPath =
        qEnvironmentVariable("STAMPIX_SOURCE_DIR").toStdString() + "/docs/help/Stampix.html";
    const FakeOpener opener(0);
    f.Frame().HelpMenu()->actions()[0]->trigger();
    QTRY_COMPARE(opener.Opened(), QString::fromStdString(f.m_app->m_settings.m_helpPath));
    QTest::qWait(200);  // the opener has ended, and succeeded: no message
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ViewTest::addFileDialog() {
    ViewFixture f;
    QVERIFY(f.Start());
    const QString a = f.Bitmap("a.bmp", 8, 8);
    const QString b = f.Bitmap("b.bmp", 8, 8);
    QStringList filters, pictureFilters, bmpFilters;
    QString title, initialName, nameLabel;
    f.m_driver.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        initialName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        nameLabel = dialog->findChild<QLabel*>("fileNameLabel")->text();
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
        // The picture filter's semicolon-separated patterns each select files.
        auto* files = dialog->findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(files != nullptr);
        files->setCurrentIndex(2);
        emit files->activated(2);  // as the combo box signals a choice
        emit files->textActivated(files->itemText(2));
        pictureFilters = dialog->findChild<QFileSystemModel*>()->nameFilters();
        files->setCurrentIndex(0);
        emit files->activated(0);  // as the combo box signals a choice
        emit files->textActivated(files->itemText(0));
        bmpFilters = dialog->findChild<QFileSystemModel*>()->nameFilters();
        dialog->setDirectory(f.m_dir.path());
        dialog->selectFile("\"a.bmp\" \"b.bmp\"");
        static_cast<QDialog*>(dialog)->accept();
    });
    f.View().Button(0)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(title, QString("ファイル追加"));
    QCOMPARE(filters,
             (QStringList{"BMPﾌｧｲﾙ(*.bmp)", "ﾐﾆﾉｸﾀ/ﾉｸﾀﾛｺﾞﾃﾞｰﾀ(*.pld)",
                          "画像ファイル (*.png;*.jpg;*.jpeg;*.gif;*.webp;*.tif;*.tiff;*.svg)"}));
    QCOMPARE(pictureFilters, (QStringList{"*.png", "*.jpg", "*.jpeg", "*.gif", "*.webp", "*.tif",
                                          "*.tiff", "*.svg"}));
    QCOMPARE(bmpFilters, QStringList{"*.bmp"});
    QCOMPARE(initialName, QString("*.bmp"));
    QVERIFY2(nameLabel.startsWith("ファイル名"), qPrintable(nameLabel));  // Qt's text, in Japanese
    QCOMPARE(f.Session().m_items[0].m_state, ITEM_NEW);
    QCOMPARE(f.Session().m_items[1].m_state, ITEM_NEW);
    QCOMPARE(f.View().ItemList()->item(1, 1)->text(), QString("b.bmp"));
    Q_UNUSED(a);
    Q_UNUSED(b);

    // Cancel adds nothing.
    f.m_driver.Then([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    f.View().Button(0)->click();
    QCOMPARE(f.Session().m_items[2].m_state, ITEM_UNREGISTERED);
}

void ViewTest::convertDialogWritesPldFiles() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.Bitmap("one.bmp", 16, 8);
    f.Bitmap("two.bmp", 8, 16);
    QStringList filters;
    f.m_driver.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("bmp→pld変換"));
        filters = dialog->nameFilters();
        dialog->setDirectory(f.m_dir.path());
        dialog->selectFile("\"one.bmp\" \"two.bmp\"");
        static_cast<QDialog*>(dialog)->accept();
    });
    f.Answer(QMessageBox::Ok);
    f.Frame().ExtensionsMenu()->actions()[0]->trigger();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(filters, QStringList{"BMPﾌｧｲﾙ(*.bmp)"});
    QCOMPARE(f.m_captions.last(), QString("実行結果"));
    QVERIFY(f.m_texts.last().startsWith("変換処理を完了しました。"));
    QVERIFY(QFileInfo::exists(f.m_dir.filePath("one.pld")));
    QVERIFY(QFileInfo::exists(f.m_dir.filePath("two.pld")));
    QVERIFY(QApplication::overrideCursor() == nullptr);  // the wait cursor is gone
    // The table is not touched.
    QCOMPARE(f.Session().m_items.CountInUse(), 0);
}

void ViewTest::closingWithAFinishedProgressDialog() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.View().Button(2)->click();
    QPointer<CProgressDlg> progress = f.View().ProgressDlg();
    QVERIFY(progress);
    QVERIFY(progress->IsFinished());
    // The operation has ended: the window may close, and the dialog goes with it.
    f.Frame().close();
    QVERIFY(!f.Frame().isVisible());
    QVERIFY(progress.isNull() || !progress->isVisible());  // closed with the window
    f.m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(progress.isNull());
}

void ViewTest::finishedProgressTakesTheFocus() {
    ViewFixture f;
    simcontent::PreloadDemo(f.m_printer);  // IDs 1, 2, 5 and 10
    QVERIFY(f.Start());
    // A download whose overwrite question has had the focus in the middle of it.
    f.View().AddFiles({f.Bitmap("a.bmp", 8, 8)});
    f.Session().m_items.MoveItem(0, 2, "a.bmp");
    f.View().RefreshItemList();
    f.Answer(QMessageBox::Yes);
    f.View().Button(1)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QPointer<CProgressDlg> progress = f.View().ProgressDlg();
    QVERIFY(progress->IsFinished());
    QTRY_COMPARE(QApplication::focusWidget(), progress->CloseButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(progress.isNull());
    QVERIFY(f.View().isEnabled());
    // A retrieval with no question.
    f.View().Button(2)->click();
    progress = f.View().ProgressDlg();
    QTRY_COMPARE(QApplication::focusWidget(), progress->CloseButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(progress.isNull());
}

void ViewTest::closingDuringAnOperationStopsIt() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.m_model.SetFault(SimFault::Silence);  // the retrieval would wait for the whole time-out
    QString question;
    std::int64_t stoppedAtMs = -1;
    f.m_driver.Then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        question = box->text();
        stoppedAtMs = f.m_link->NowMs();
        box->button(QMessageBox::Yes)->click();
    });
    QTimer::singleShot(0, &f.Frame(), [&] { f.Frame().close(); });
    f.View().Button(2)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(question, QString("プリンタとの通信中です。\n処理を中止して終了しますか？"));
    // Stopped at once, as a failed line ends it, instead of waiting out the printer.
    QVERIFY(f.m_link->NowMs() - stoppedAtMs <= 200);
    QVERIFY(!f.m_link->IsOpen());
    QCOMPARE(f.View().ProgressDlg()->Text(), QString("情報取得に失敗しました。"));
    // Then the program quits: the window and the finished dialog go.
    QTRY_VERIFY(!f.Frame().isVisible());
    QTRY_VERIFY(f.View().ProgressDlg() == nullptr || !f.View().ProgressDlg()->isVisible());
}

void ViewTest::ctrlQDuringAnOperationAsksToStop() {
    ViewFixture f;
    QVERIFY(f.Start());
    f.Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Frame()));
    f.m_model.SetFault(SimFault::Silence);
    QString question;
    f.m_driver.Then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        question = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    // The key goes to whichever window is active: the grayed frame or the progress dialog.
    QTimer::singleShot(0, &f.Frame(), [&] {
        QWidget* active = QApplication::activeWindow();
        QTest::keyClick(active != nullptr ? active : &f.Frame(), Qt::Key_Q, Qt::ControlModifier);
    });
    f.View().Button(2)->click();
    QCOMPARE(f.m_driver.Pending(), 0);
    QCOMPARE(question, QString("プリンタとの通信中です。\n処理を中止して終了しますか？"));
    QCOMPARE(f.View().ProgressDlg()->Text(), QString("情報取得に失敗しました。"));
    QTRY_VERIFY(!f.Frame().isVisible());
}

void ViewTest::largerWindowGivesTheListTheRoom() {
    ViewFixture f;
    QVERIFY(f.Start());
    CLogoView& view = f.View();
    QTableWidget* list = view.ItemList();
    const QRect listBefore = list->geometry();
    const QRect previewBefore = view.OriginalPreview()->geometry();
    const QRect gaugeBefore = view.MemoryGauge()->geometry();
    const QSize previewSize = previewBefore.size();
    const int lastColumn = list->columnWidth(3);
    f.Frame().resize(f.Frame().size() + QSize(300, 120));
    QTRY_COMPARE(view.width(), f.Frame().centralWidget()->width());
    QTRY_COMPARE(list->width(), listBefore.width() + (view.width() - view.minimumWidth()));
    QCOMPARE(list->height(), listBefore.height() + (view.height() - view.minimumHeight()));
    // The previews stay beside the list, the gauge below it, at their sizes.
    QCOMPARE(view.OriginalPreview()->size(), previewSize);
    QCOMPARE(view.OriginalPreview()->x() - list->geometry().right(),
             previewBefore.x() - listBefore.right());
    QCOMPARE(view.MemoryGauge()->y() - list->geometry().bottom(),
             gaugeBefore.y() - listBefore.bottom());
    // "アイテム状態" is readable without scrolling: the last column took the room.
    QTRY_COMPARE(list->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(list->columnWidth(3), lastColumn + (list->width() - listBefore.width()));
    // Never smaller than the form.
    f.Frame().resize(100, 100);
    QTRY_VERIFY(view.width() >= view.minimumWidth());
    QCOMPARE(list->geometry(), listBefore);
}

void ViewTest::listColumnsShowTheirTextsAtALargeFont() {
    struct FontScope {
        QFont m_original = QApplication::font();
        ~FontScope() { QApplication::setFont(m_original); }
    } scope;
    QFont large(scope.m_original);
    large.setPointSize(20);
    QApplication::setFont(large);
    ViewFixture f;
    QVERIFY(f.Start());
    QTableWidget* list = f.View().ItemList();
    const QFontMetrics metrics = list->fontMetrics();
    int total = 0;
    for (int column = 0; column < kListColumnCount; ++column) {
        const int width = list->columnWidth(column);
        total += width;
        QVERIFY(width >= ListColumns()[static_cast<std::size_t>(column)].m_width);
        QVERIFY(width >= list->horizontalHeader()->sectionSizeHint(column));
        for (const std::string& text : ListColumnTexts(column)) {
            QVERIFY2(width > metrics.horizontalAdvance(QString::fromStdString(text)), text.c_str());
        }
    }
    QCOMPARE(list->columnWidth(1), ListColumns()[1].m_width);  // names are cut at its edge
    // The last column takes what is left of the list.
    QTRY_COMPARE(total, list->viewport()->width());
}

void ViewTest::helpThatCannotOpenSaysWhere() {
    ViewFixture f;
    QVERIFY(f.Start());
    // A page that is there, on a desktop whose opener finds no program for it, although
    // Qt's own opening would answer that it started one.
    f.m_app->m_settings.m_helpPath =
        qEnvironmentVariable("STAMPIX_SOURCE_DIR").toStdString() + "/docs/help/Stampix.html";
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    const QString page = QString::fromStdString(f.m_app->m_settings.m_helpPath);
    {
        const FakeOpener opener(3);
        f.Answer(QMessageBox::Ok);
        f.Frame().HelpMenu()->actions()[0]->trigger();
        QTRY_COMPARE(f.m_driver.Pending(), 0);
        QCOMPARE(opener.Opened(), page);
        QCOMPARE(f.m_captions, QStringList{"エラー"});
        QCOMPARE(f.m_texts, QStringList{"ヘルプを開けませんでした。\n" + page});
    }
    // No opener at all says the same.
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent-stampix-path");
        f.Answer(QMessageBox::Ok);
        f.Frame().HelpMenu()->actions()[0]->trigger();
        QTRY_COMPARE(f.m_driver.Pending(), 0);
        qputenv("PATH", path);
        QCOMPARE(f.m_texts.last(), "ヘルプを開けませんでした。\n" + page);
    }
    // A page that is not there is reported without asking the desktop.
    const FakeOpener opener(0);
    f.m_app->m_settings.m_helpPath = f.m_dir.filePath("missing/Stampix.html").toStdString();
    f.Answer(QMessageBox::Ok);
    f.Frame().HelpMenu()->actions()[0]->trigger();
    QTRY_COMPARE(f.m_driver.Pending(), 0);
    QVERIFY(f.m_texts.last().endsWith("missing/Stampix.html"));
    QTest::qWait(50);
    QVERIFY(opener.Opened().isNull());
    QDesktopServices::unsetUrlHandler("file");
    QVERIFY(catcher.m_urls.isEmpty());
}

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
