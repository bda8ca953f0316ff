#include <pty.h>
#include <unistd.h>

#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "ModalDriver.h"
#include "app/dialogs/CComSelectDlg.h"
#include "app/dialogs/CFontDetail.h"
#include "app/dialogs/CLogoDetail.h"
#include "app/dialogs/CProgressDlg.h"
#include "app/dialogs/CProgressDlgDisplay.h"
#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/TextFit.h"
#include "app/present/CVersionInfo.h"
#include "app/shell/CAboutDlg.h"
#include "app/shell/CSelectPrinterDlg.h"
#include "app/view/CItemSetDlg.h"
#include "items/CItemTable.h"
#include "text/ShiftJis.h"

namespace {

QString LabelText(QWidget* dialog, const char* name) {
    auto* label = dialog->findChild<QLabel*>(name);
    return label ? label->text() : QString("<no label %1>").arg(name);
}

void NewItem(CItemTable& table, int slot, const char* name, int imageBytes) {
    table[slot].m_id = static_cast<std::int16_t>(slot);
    table[slot].m_name = name;
    table[slot].m_patternSize = imageBytes;
    table[slot].m_sourcePath = std::string("/logos/") + name;
    table[slot].BuildHeader();
    table[slot].m_state = ITEM_NEW;
}

std::array<std::uint8_t, kHeaderSize> Header(int id, const char* name, int width, int height,
                                             int count) {
    CFontPT item;
    item.m_id = static_cast<std::int16_t>(id);
    item.m_name = name;
    item.m_width = width;
    item.m_height = height;
    item.m_patternSize = 100;
    item.BuildHeader();
    auto header = item.m_header;
    header[60] = 0;
    header[61] = 0;
    header[62] = 0;
    header[63] = static_cast<std::uint8_t>(count);
    return header;
}

// Types text one character at a time, as a keyboard or an input method delivers it (the
// test library's key clicks know Latin-1 only).
void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

// Texts of `dialog` (labels, radio buttons) that do not fit their place or that the
// dialog cuts off, described for the failure message.
QStringList ClippedTexts(QWidget& dialog) {
    QStringList clipped;
    const QRect inside = dialog.rect();
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width() &&
                                           label->sizeHint().height() <= label->height();
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            text = radio->text();
            fits = radio->sizeHint().width() <= radio->width();
        } else {
            continue;
        }
        const QRect place(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        if (!text.isEmpty() && (!fits || !inside.contains(place))) {
            clipped << QString("%1 \"%2\"").arg(dialog.objectName(), text);
        }
    }
    return clipped;
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void modelDialogStartsWithTheFirstModel();
    void modelDialogTakesTheCheckedButton();
    void modelDialogQuitAndEscape();
    void aboutDialogShowsTheVersionRecord();
    void portDialogListsAndStores();
    void portDialogCancelKeepsThePort();
    void portDialogTypedPaths();
    void progressDialogTexts();
    void progressDialogClosesOnlyWhenFinished();
    void progressDisplayOutlivesTheDialog();
    void itemSetShowsSlotAndName();
    void itemSetMovesAndRenames();
    void itemSetRefusesAnIdInUse();
    void itemSetEmptyIdMeansSlotZero();
    void itemSetCancelChangesNothing();
    void itemSetNameHoldsThirtyTwoBytes();
    void itemSetExplainsANameShiftJisCannotHold();
    void everyTextFitsUnderTwoFonts();
    void logoDetailLines();
    void fontDetailLines();
};

void DialogsTest::modelDialogStartsWithTheFirstModel() {
    CSelectPrinterDlg dialog;
    QCOMPARE(dialog.windowTitle(), QString("NV210a/NV430a/NV450aロゴダウンロードツール"));
    auto radios = dialog.findChildren<QRadioButton*>();
    QCOMPARE(radios.size(), 3);
    QCOMPARE(radios[0]->text(), QString("ミニノクタ(NV210a,NV218a,NV218b,NV218c)"));
    QCOMPARE(radios[1]->text(), QString("ノクタ(NV430a)"));
    QCOMPARE(radios[2]->text(), QString("ノクタ(NV450a)"));
    QVERIFY(radios[0]->isChecked());
    dialog.findChild<QPushButton*>("ok")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_model, 0);
}

void DialogsTest::modelDialogTakesTheCheckedButton() {
    CSelectPrinterDlg dialog;
    dialog.findChild<QRadioButton*>("model2")->setChecked(true);
    dialog.findChild<QPushButton*>("ok")->click();
    QCOMPARE(dialog.m_model, 2);
    CSelectPrinterDlg second;
    second.findChild<QRadioButton*>("model1")->click();
    second.findChild<QPushButton*>("ok")->click();
    QCOMPARE(second.m_model, 1);
}

void DialogsTest::modelDialogQuitAndEscape() {
    CSelectPrinterDlg dialog;
    QCOMPARE(dialog.findChild<QPushButton*>("quit")->text(), QString("終了"));
    dialog.findChild<QPushButton*>("quit")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    CSelectPrinterDlg escaped;
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    QCOMPARE(escaped.result(), int(QDialog::Rejected));
}

void DialogsTest::aboutDialogShowsTheVersionRecord() {
    CAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(), QString("バージョン情報"));
    QCOMPARE(LabelText(&dialog, "version"), QString("Version 9.1.0.20"));
    QCOMPARE(LabelText(&dialog, "description"),
             QString("NV210a/NV430a/NV450aロゴダウンロードツール"));
    QVERIFY(!LabelText(&dialog, "copyright").isEmpty());

    VersionRecord record;
    record.m_fileVersionMs = (1u << 16) | 2u;
    record.m_fileVersionLs = (3u << 16) | 456u;
    record.m_fileDescription = "A&B";  // shown as it stands, no mnemonic
    CAboutDlg other(CVersionInfo(record), nullptr);
    QCOMPARE(LabelText(&other, "version"), QString("Version 1.2.3.456"));
    QCOMPARE(LabelText(&other, "description"), QString("A&B"));
    QCOMPARE(LabelText(&other, "copyright"), QString());
}

void DialogsTest::portDialogListsAndStores() {
    std::string port = "COM1";
    CComSelectDlg dialog(port, {{"/dev/ttyS0", "on-board serial port"},
                                {"/dev/ttyUSB0", "FT232R USB UART (FTDI)"},
                                {"/dev/ttyACM0", ""}});
    QCOMPARE(dialog.windowTitle(), QString("COMポートの選択"));
    QComboBox* combo = dialog.Combo();
    QCOMPARE(combo->count(), 22);  // /dev/ttyS0 is COM1, listed once
    QCOMPARE(combo->itemText(0), QString("COM1  (/dev/ttyS0, on-board serial port)"));
    QCOMPARE(combo->itemText(1), QString("COM2"));
    QCOMPARE(combo->itemText(19), QString("COM20"));
    QCOMPARE(combo->itemText(20), QString("/dev/ttyUSB0  (FT232R USB UART (FTDI))"));
    QCOMPARE(combo->itemText(21), QString("/dev/ttyACM0"));
    QCOMPARE(combo->currentIndex(), 0);  // the first opening shows COM1

    combo->setCurrentIndex(11);
    dialog.findChild<QPushButton*>("ok")->click();
    QCOMPARE(port, std::string("COM12"));

    // A described device stores its path, not its text.
    CComSelectDlg again(port, {{"/dev/ttyUSB0", "FT232R USB UART (FTDI)"}});
    QCOMPARE(again.Combo()->currentIndex(), 11);  // the current port is selected
    again.Combo()->setCurrentIndex(20);
    again.findChild<QPushButton*>("ok")->click();
    QCOMPARE(port, std::string("/dev/ttyUSB0"));
}

void DialogsTest::portDialogCancelKeepsThePort() {
    std::string port = "COM3";
    CComSelectDlg dialog(port, {});
    QCOMPARE(dialog.Combo()->currentText(), QString("COM3"));
    dialog.Combo()->setCurrentIndex(7);
    dialog.findChild<QPushButton*>("cancel")->click();
    QCOMPARE(port, std::string("COM3"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void DialogsTest::portDialogTypedPaths() {
    std::string port = "/dev/pts/9";  // a start-up port in neither list is offered too
    CComSelectDlg dialog(port, {});
    QCOMPARE(dialog.Combo()->currentText(), QString("/dev/pts/9"));
    dialog.show();
    int master = -1;
    int slave = -1;
    char name[256] = {};
    QCOMPARE(openpty(&master, &slave, name, nullptr, nullptr), 0);  // a device that exists
    dialog.Combo()->setEditText(name);
    dialog.findChild<QPushButton*>("ok")->click();
    QCOMPARE(port, std::string(name));
    close(master);
    close(slave);

    // A typed name that is no port is explained, and the dialog stays for a correction.
    for (const char* typed : {"printer please", "/dev/nonexistent-stampix-port"}) {
        ModalDriver driver;
        QString caption, text;
        driver.Then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        });
        CComSelectDlg bad(port, {});
        bad.show();
        bad.Combo()->setEditText(typed);
        bad.findChild<QPushButton*>("ok")->click();
        QCOMPARE(driver.Pending(), 0);
        QCOMPARE(caption, QString("エラー"));
        QVERIFY(text.startsWith(QString("「%1」はポートではありません。").arg(typed)));
        QVERIFY(bad.isVisible());  // refused, still open
        QCOMPARE(port, std::string(name));
    }
    CComSelectDlg bad(port, {});
    bad.show();
    bad.Combo()->setEditText("com7");
    bad.findChild<QPushButton*>("ok")->click();
    QCOMPARE(port, std::string("COM7"));

    // The device of a COM name is that COM entry, typed or given at start-up.
    const std::vector<SerialPortInfo> devices{{"/dev/ttyS0", "本体のシリアルポート"}};
    CComSelectDlg typedDevice(port, devices);
    typedDevice.show();
    typedDevice.Combo()->setEditText("/dev/ttyS0");
    typedDevice.findChild<QPushButton*>("ok")->click();
    QCOMPARE(port, std::string("COM1"));
    std::string started = "/dev/ttyS0";
    CComSelectDlg startedOnDevice(started, devices);
    QCOMPARE(startedOnDevice.Combo()->count(), 20);
    QCOMPARE(startedOnDevice.Combo()->currentIndex(), 0);
}

void DialogsTest::progressDialogTexts() {
    QWidget parent;
    auto* dialog = new CProgressDlg(&parent);
    QCOMPARE(dialog->windowTitle(), QString("進行状況"));
    QCOMPARE(dialog->Text(), QString("データ転送中"));
    QCOMPARE(dialog->Range(), 100);
    QCOMPARE(dialog->Position(), 0);
    QSignalSpy controls(dialog, &CProgressDlg::controlsEnabled);
    dialog->Open();
    QCOMPARE(controls.size(), 1);
    QCOMPARE(controls[0][0].toBool(), false);
    QVERIFY(!dialog->CloseButton()->isVisible());

    dialog->SetProgress(3, 0, "プリンタの応答を待っています。");
    QCOMPARE(dialog->Text(), QString("プリンタの応答を待っています。"));
    dialog->SetBar(3, 2);
    QCOMPARE(dialog->Position(), 2);
    QCOMPARE(dialog->Text(), QString("プリンタの応答を待っています。"));
    dialog->SetProgress(1, 1, "情報取得を完了しました。");
    QCOMPARE(dialog->Range(), 1);
    QCOMPARE(dialog->Position(), 1);  // a full bar
    dialog->SetMessage("データ送信を完了しました。");
    QCOMPARE(dialog->Position(), 1);
    // An empty range shows a full bar, never a busy indicator.
    dialog->SetBar(0, 0);
    QVERIFY(dialog->Range() > 0);
    QCOMPARE(dialog->Position(), dialog->Range());
    dialog->ShowCloseButton();
    QVERIFY(dialog->CloseButton()->isVisible());
    QCOMPARE(dialog->CloseButton()->text(), QString("OK"));
    QPointer<CProgressDlg> watch(dialog);
    dialog->CloseButton()->click();
    QCOMPARE(controls.size(), 2);
    QCOMPARE(controls[1][0].toBool(), true);
    QTRY_VERIFY(watch.isNull());  // it deletes itself
}

void DialogsTest::progressDialogClosesOnlyWhenFinished() {
    QWidget parent;
    auto* dialog = new CProgressDlg(&parent);
    QSignalSpy controls(dialog, &CProgressDlg::controlsEnabled);
    dialog->Open();
    QPointer<CProgressDlg> watch(dialog);
    // Close box, Escape and Enter while the operation runs: refused.
    dialog->close();
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_Return);
    dialog->reject();
    QCoreApplication::processEvents();
    QVERIFY(!watch.isNull());
    QVERIFY(dialog->isVisible());
    QCOMPARE(controls.size(), 1);
    dialog->ShowCloseButton();
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(watch.isNull());
    QCOMPARE(controls.size(), 2);
}

void DialogsTest::progressDisplayOutlivesTheDialog() {
    auto parent = std::make_unique<QWidget>();
    auto* dialog = new CProgressDlg(parent.get());
    bool lastEnable = false;
    QObject::connect(dialog, &CProgressDlg::controlsEnabled, [&](bool on) { lastEnable = on; });
    dialog->Open();
    CProgressDlgDisplay display(dialog);
    display.SetProgress(2, 1, "データの削除中です。");
    QCOMPARE(dialog->Position(), 1);
    // The window goes away with its parent while the operation still holds the display.
    parent.reset();
    QVERIFY(display.Dialog() == nullptr);
    QVERIFY(lastEnable);  // the controls are not left off
    display.SetProgress(2, 2, "データの削除を完了しました。");
    display.SetBar(2, 2);
    display.SetMessage("x");
    display.ShowCloseButton();  // all ignored, nothing crashes
}

void DialogsTest::itemSetShowsSlotAndName() {
    CItemTable table;
    table.ClearItemTable();
    NewItem(table, 5, "LOGO.BMP", 1000);
    CItemSetDlg dialog(nullptr, 5, table);
    QCOMPARE(dialog.windowTitle(), QString("登録設定"));
    QCOMPARE(dialog.IdEdit()->text(), QString("5"));  // no leading zero
    QCOMPARE(dialog.NameEdit()->text(), QString("LOGO.BMP"));
    QCOMPARE(dialog.IdEdit()->maxLength(), 2);
    QCOMPARE(dialog.NameEdit()->maxLength(), 32);
    QCOMPARE(dialog.findChild<QPushButton*>("cancel")->text(), QString("ｷｬﾝｾﾙ"));
    // Only digits go into the ID field.
    dialog.show();
    dialog.IdEdit()->clear();
    QTest::keyClicks(dialog.IdEdit(), "a1b2c3");
    QCOMPARE(dialog.IdEdit()->text(), QString("12"));
}

void DialogsTest::itemSetMovesAndRenames() {
    CItemTable table;
    table.ClearItemTable();
    NewItem(table, 5, "LOGO.BMP", 1000);
    const auto need = table[5].GetMemoryNeed();
    {
        CItemSetDlg dialog(nullptr, 5, table);
        dialog.IdEdit()->setText("12");
        dialog.NameEdit()->setText("ロゴ");
        dialog.findChild<QPushButton*>("ok")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(table[5].m_state, ITEM_UNREGISTERED);
    QCOMPARE(table[12].m_state, ITEM_NEW);
    QCOMPARE(table[12].m_id, 12);
    QCOMPARE(table[12].m_sourcePath, std::filesystem::path("/logos/LOGO.BMP"));
    QCOMPARE(table[12].GetMemoryNeed(), need);
    QCOMPARE(table[12].m_name, std::string("\x83\x8D\x83\x53"));  // Shift-JIS

    // Unchanged ID, new name: renamed in place; an empty name is accepted.
    CItemSetDlg rename(nullptr, 12, table);
    rename.NameEdit()->clear();
    rename.findChild<QPushButton*>("ok")->click();
    QCOMPARE(table[12].m_state, ITEM_NEW);
    QCOMPARE(table[12].m_name, std::string());
}

void DialogsTest::itemSetRefusesAnIdInUse() {
    CItemTable table;
    table.ClearItemTable();
    NewItem(table, 5, "A.BMP", 10);
    NewItem(table, 6, "B.BMP", 10);
    table[7].m_state = ITEM_REGISTERED;
    for (const char* target : {"6", "7"}) {
        ModalDriver driver;
        QString caption, text;
        driver.Then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            text = box->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            box->accept();
        });
        CItemSetDlg dialog(nullptr, 5, table);
        dialog.show();
        dialog.IdEdit()->setText(target);
        dialog.NameEdit()->setText("changed");
        dialog.findChild<QPushButton*>("ok")->click();
        QCOMPARE(driver.Pending(), 0);
        QCOMPARE(caption, QString("実行結果"));
        QCOMPARE(text, QString("指定されたIDは既に使用されています。"));
        QVERIFY(dialog.isVisible());  // stays open for a correction
        QCOMPARE(table[5].m_name, std::string("A.BMP"));
        QCOMPARE(table[5].m_state, ITEM_NEW);
    }
}

void DialogsTest::itemSetEmptyIdMeansSlotZero() {
    CItemTable table;
    table.ClearItemTable();
    NewItem(table, 9, "A.BMP", 10);
    CItemSetDlg dialog(nullptr, 9, table);
    dialog.IdEdit()->clear();
    dialog.findChild<QPushButton*>("ok")->click();
    QCOMPARE(table[0].m_state, ITEM_NEW);
    QCOMPARE(table[9].m_state, ITEM_UNREGISTERED);

    // Slot 0 already holds the item itself: nothing to refuse.
    CItemSetDlg same(nullptr, 0, table);
    same.IdEdit()->clear();
    same.findChild<QPushButton*>("ok")->click();
    QCOMPARE(same.result(), int(QDialog::Accepted));
    QCOMPARE(table[0].m_state, ITEM_NEW);
}

void DialogsTest::itemSetCancelChangesNothing() {
    CItemTable table;
    table.ClearItemTable();
    NewItem(table, 3, "A.BMP", 10);
    CItemSetDlg dialog(nullptr, 3, table);
    dialog.IdEdit()->setText("40");
    dialog.NameEdit()->setText("other");
    dialog.findChild<QPushButton*>("cancel")->click();
    QCOMPARE(table[3].m_state, ITEM_NEW);
    QCOMPARE(table[3].m_name, std::string("A.BMP"));
    QCOMPARE(table[40].m_state, ITEM_UNREGISTERED);
}

void DialogsTest::itemSetNameHoldsThirtyTwoBytes() {
    CItemTable table;
    table.ClearItemTable();
    NewItem(table, 0, "A.BMP", 10);
    CItemSetDlg dialog(nullptr, 0, table);
    dialog.show();
    QLineEdit* name = dialog.NameEdit();
    name->clear();
    // Twenty kanji: typing stops after sixteen (32 bytes).
    Type(name, QString(20, QChar(u'漢')));
    QCOMPARE(name->text(), QString(16, QChar(u'漢')));
    // 31 bytes and then a kanji: it would split, so it is refused; one more byte fits.
    name->clear();
    Type(name, QString(15, QChar(u'漢')) + "a" + "漢" + "b" + "c");
    QCOMPARE(name->text(), QString(15, QChar(u'漢')) + "ab");
    // Half-width katakana take one byte each.
    name->clear();
    Type(name, QString(33, QChar(u'ｶ')));
    QCOMPARE(name->text().size(), 32);
    dialog.findChild<QPushButton*>("ok")->click();
    QCOMPARE(table[0].m_name, std::string(32, '\xB6'));

    CItemSetDlg again(nullptr, 0, table);
    again.show();
    again.NameEdit()->clear();
    Type(again.NameEdit(), QString(15, QChar(u'漢')) + "a" + "漢");
    again.findChild<QPushButton*>("ok")->click();
    QCOMPARE(table[0].m_name.size(), 31u);  // nothing cut on OK
    QCOMPARE(sjis::ToUtf8(table[0].m_name), (QString(15, QChar(u'漢')) + "a").toStdString());

    // A paste that does not fit inserts the whole characters that do, where it goes.
    QLineEdit* pasted = again.NameEdit();
    pasted->setText("ab");
    pasted->setCursorPosition(1);
    QApplication::clipboard()->setText(QString(20, QChar(u'漢')));
    pasted->paste();
    QCOMPARE(pasted->text(), "a" + QString(15, QChar(u'漢')) + "b");
    QCOMPARE(pasted->cursorPosition(), 16);
    // Over a selection: the selection goes, and what fits of the paste takes its place.
    pasted->setSelection(1, 1);
    QApplication::clipboard()->setText("xyz");
    pasted->paste();
    QCOMPARE(pasted->text(), "axy" + QString(14, QChar(u'漢')) + "b");
}

void DialogsTest::itemSetExplainsANameShiftJisCannotHold() {
    CItemTable table;
    table.ClearItemTable();
    NewItem(table, 4, "A.BMP", 10);
    CItemSetDlg dialog(nullptr, 4, table);
    dialog.show();
    QVERIFY(!dialog.NameProblem()->isVisible());
    const int height = dialog.height();
    Type(dialog.NameEdit(), "한");  // Hangul: not in Shift-JIS
    QVERIFY(dialog.NameProblem()->isVisible());
    QCOMPARE(dialog.NameProblem()->text(),
             QString("登録名称に使えない文字が含まれています（Shift-JISにない文字）。"));
    QVERIFY(dialog.height() > height);
    // Its whole text is inside the dialog, above the buttons.
    const QRect problem = dialog.NameProblem()->geometry();
    QVERIFY(dialog.rect().contains(problem));
    QVERIFY(problem.bottom() < dialog.findChild<QPushButton*>("ok")->geometry().top());
    QVERIFY(dialog.NameProblem()->heightForWidth(problem.width()) <= problem.height());
    dialog.findChild<QPushButton*>("ok")->click();
    QVERIFY(dialog.isVisible());  // refused
    QCOMPARE(table[4].m_name, std::string("A.BMP"));
    // Taken out again, the explanation goes and OK works.
    QTest::keyClick(dialog.NameEdit(), Qt::Key_Backspace);
    QVERIFY(!dialog.NameProblem()->isVisible());
    QCOMPARE(dialog.height(), height);
    dialog.findChild<QPushButton*>("ok")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void DialogsTest::everyTextFitsUnderTwoFonts() {
    const QFont original = QApplication::font();
    // The longest name: 32 bytes of double-byte characters.
    const std::string longName = *sjis::FromUtf8(QString(16, QChar(u'漢')).toStdString());
    for (int points : {8, 17}) {
        QFont font(original);
        font.setPointSize(points);
        QApplication::setFont(font);
        QStringList clipped;

        CProgressDlg progress(nullptr);
        progress.show();
        progress.SetProgress(100, 50, "プリンタから情報を取得中です。");
        progress.SetMessage(
            "情報取得に失敗しました。\nプリンタを再起動し、PCとケーブルの接続を確認してから再試行"
            "してください。");
        progress.ShowCloseButton();
        clipped << ClippedTexts(progress);
        QVERIFY(progress.CloseButton()->geometry().top() >
                progress.findChild<QLabel*>("text")->geometry().bottom());

        CItemTable table;
        table.ClearItemTable();
        NewItem(table, 0, "A.BMP", 10);
        CItemSetDlg itemSet(nullptr, 0, table);
        itemSet.show();
        Type(itemSet.NameEdit(), "한");
        clipped << ClippedTexts(itemSet);
        // The ID field keeps its distance from its label's text.
        const auto* idLabel = itemSet.findChild<QLabel*>("idLabel");
        const int textRight = idLabel->x() + idLabel->sizeHint().width();
        QVERIFY2(itemSet.findChild<QLineEdit*>("id")->x() - textRight >= CDialogUnits(itemSet).X(2),
                 qPrintable(QString("%1 pt").arg(points)));

        CAboutDlg about;
        about.show();
        clipped << ClippedTexts(about);
        CSelectPrinterDlg model;
        model.show();
        clipped << ClippedTexts(model);

        const auto header = Header(99, longName.c_str(), 32767, 32767, 1);
        const std::uint8_t logoEntry[6] = {0x6B, 0x82, 0, 0, 0, 0};
        CLogoDetail logo(nullptr, 1, logoEntry, header, 8);
        logo.show();
        clipped << ClippedTexts(logo);
        const std::uint8_t fontEntry[6] = {0x41, 0x00, 0, 0, 0, 0};
        CFontDetail fontDetail(nullptr, 1, fontEntry, header);
        fontDetail.show();
        clipped << ClippedTexts(fontDetail);
        // Kana come from a fallback font; a row is as high as they are drawn.
        const std::uint8_t kanaEntries[12] = {0x42, 0x30, 0, 0, 0, 0, 0x44, 0x30, 0, 0, 0, 0};
        CFontDetail kana(nullptr, 2, kanaEntries, header);
        kana.show();
        QRect previous;
        for (int row = 0; row < kana.List()->count(); ++row) {
            const QRect rect = kana.List()->visualItemRect(kana.List()->item(row));
            QVERIFY(rect.height() >= DrawnLineHeight(kana.List()->font(), "あ"));
            QVERIFY(!rect.intersects(previous));
            previous = rect;
        }

        QVERIFY2(clipped.isEmpty(),
                 qPrintable(QString("%1 pt: ").arg(points) + clipped.join(", ")));
    }
    QApplication::setFont(original);
}

void DialogsTest::logoDetailLines() {
    const auto header = Header(5, "LOGO", 240, 120, 1);
    const std::uint8_t entries[6] = {0x6B, 0x82, 0, 0, 0, 0};
    CLogoDetail dialog(nullptr, 1, entries, header, 12);
    QCOMPARE(dialog.windowTitle(), QString("ロゴ情報"));
    QCOMPARE(dialog.List()->count(), 1);
    QCOMPARE(dialog.List()->item(0)->text(), QString("0x6B82"));
    QCOMPARE(LabelText(&dialog, "name"), QString("登録名称：LOGO"));
    QCOMPARE(LabelText(&dialog, "id"), QString("登録ID：5"));
    QCOMPARE(LabelText(&dialog, "height"), QString("縦サイズ：240dot(20.0mm)"));
    QCOMPARE(LabelText(&dialog, "width"), QString("横サイズ：120dot(10.0mm)"));
    CLogoDetail eight(nullptr, 1, entries, header, 8);
    QCOMPARE(LabelText(&eight, "height"), QString("縦サイズ：240dot(30.0mm)"));
}

void DialogsTest::fontDetailLines() {
    auto header = Header(17, "FONT", 24, 24, 3);
    header[48] = '0';
    header[49] = '0';
    header[50] = '2';
    header[51] = '4';
    header[77] = 1;     // italic
    header[78] = 0x01;  // weight 400
    header[79] = 0x90;
    const std::uint8_t entries[18] = {0x41, 0x00, 0, 0,    0,    0, 0x42, 0x30, 0,
                                      0,    0,    0, 0x22, 0x6F, 0, 0,    0,    0};
    CFontDetail dialog(nullptr, 3, entries, header);
    QCOMPARE(dialog.windowTitle(), QString("フォント情報"));
    QCOMPARE(dialog.List()->count(), 3);
    QCOMPARE(dialog.List()->item(0)->text(), QString("0x4100     A"));
    QCOMPARE(dialog.List()->item(1)->text(), QString("0x4230     あ"));
    QCOMPARE(dialog.List()->item(2)->text(), QString("0x226F     漢"));
    QCOMPARE(LabelText(&dialog, "name"), QString("登録名称：FONT"));
    QCOMPARE(LabelText(&dialog, "id"), QString("登録ID：17"));
    QCOMPARE(LabelText(&dialog, "fontCount"), QString("登録フォント数：3"));
    QCOMPARE(LabelText(&dialog, "fontSize"), QString("フォントサイズ：24"));
    QCOMPARE(LabelText(&dialog, "bold"), QString("強調：無効"));
    QCOMPARE(LabelText(&dialog, "italic"), QString("斜体：有効"));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
