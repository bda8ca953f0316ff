#include "app/dialogs/CProgressDlg.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/QtText.h"
#include "app/dialogs/TextFit.h"
#include "res/Texts.h"

CProgressDlg::CProgressDlg(QWidget* parent) : QDialog(parent, Qt::Dialog) {
    setObjectName("CProgressDlg");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(Qs(texts::kProgressCaption));
    const CDialogUnits du(*this);
    setFixedSize(du.Size(166, 48));

    m_text = new QLabel(Qs(texts::kProgressInitial), this);
    m_text->setObjectName("text");
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setGeometry(du.Rect(7, 4, 152, 18));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName("bar");
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setGeometry(du.Rect(7, 23, 152, 7));
    m_ok = new QPushButton(Qs(texts::kButtonOk), this);
    m_ok->setObjectName("ok");
    m_ok->setGeometry(du.Rect(58, 32, 50, 13));
    m_ok->setVisible(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

CProgressDlg::~CProgressDlg() {
    if (!m_closed) {
        // Destroyed with its parent without being closed: the controls must not stay off.
        m_closed = true;
        emit controlsEnabled(true);
    }
}

void CProgressDlg::Open() {
    emit controlsEnabled(false);
    if (QWidget* parent = parentWidget()) {
        const QRect frame = parent->window()->frameGeometry();
        const int x = static_cast<int>((frame.left() + frame.right() + 1 - 300) * 0.5);
        const int y = static_cast<int>((frame.top() + frame.bottom() + 1 - 100) * 0.5);
        move(x, y);
    }
    show();
    Refresh();
}

void CProgressDlg::SetProgress(int range, int position, const QString& text) {
    m_text->setText(text);
    GrowToFitTexts(*this);
    SetBar(range, position);
}

void CProgressDlg::SetBar(int range, int position) {
    // A range of 0 would make the bar a busy indicator: nothing to do is shown as done.
    if (range <= 0) {
        m_bar->setRange(0, 1);
        m_bar->setValue(1);
    } else {
        m_bar->setRange(0, range);
        m_bar->setValue(std::clamp(position, 0, range));
    }
    Refresh();
}

void CProgressDlg::SetMessage(const QString& text) {
    m_text->setText(text);
    GrowToFitTexts(*this);
    Refresh();
}

void CProgressDlg::ShowCloseButton() {
    m_finished = true;
    m_ok->setVisible(true);
    m_ok->setDefault(true);
    // A question asked during the operation may have left the main window active: Enter
    // must reach this button.
    raise();
    activateWindow();
    m_ok->setFocus();
}

QString CProgressDlg::Text() const { return m_text->text(); }
int CProgressDlg::Range() const { return m_bar->maximum(); }
int CProgressDlg::Position() const { return m_bar->value(); }

void CProgressDlg::Refresh() {
    m_text->repaint();
    m_bar->repaint();
}

void CProgressDlg::done(int result) {
    if (!m_finished) {
        return;  // the operation still runs
    }
    if (!m_closed) {
        m_closed = true;
        emit controlsEnabled(true);
    }
    QDialog::done(result);  // hides and, through WA_DeleteOnClose, deletes later
}

void CProgressDlg::closeEvent(QCloseEvent* event) {
    if (!m_finished) {
        event->ignore();
        return;
    }
    if (!m_closed) {
        m_closed = true;
        emit controlsEnabled(true);
    }
    QDialog::closeEvent(event);
}

void CProgressDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc close only a finished dialog.
    if (!m_finished && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
