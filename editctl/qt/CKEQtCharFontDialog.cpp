#include "editctl/qt/CKEQtCharFontDialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "editctl/control/KECharFontLayout.h"
#include "editctl/control/KEResources.h"
#include "editctl/qt/KECodePage.h"

namespace {

QRect ToQRect(const RECT& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

SIZE ToSize(const QSize& size) { return SIZE{size.width(), size.height()}; }

}  // namespace

CKEQtCharFontDialog::CKEQtCharFontDialog(const std::vector<std::string>& entries, int selected,
                                         QWidget* parent)
    : QDialog(parent),
      m_label(new QLabel(QString::fromUtf8(KE_DLG_CHARFONT_PROMPT), this)),
      m_list(new QComboBox(this)),
      m_ok(new QPushButton(QString::fromUtf8(KE_DLG_OK), this)),
      m_cancel(new QPushButton(QString::fromUtf8(KE_DLG_CANCEL), this)) {
    setWindowTitle(QString::fromUtf8(KE_DLG_CHARFONT_CAPTION));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    QFont font(QStringLiteral("ＭＳ ゴシック"), 9);  // the resource's font; Qt substitutes
    setFont(font);

    for (const std::string& entry : entries) {
        m_list->addItem(kecp::FromAnsi(entry.c_str(), entry.size()));
    }
    m_list->setCurrentIndex(selected >= 0 && selected < m_list->count() ? selected : -1);
    m_list->setMaxVisibleItems(10);
    m_label->setBuddy(m_list);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    placeControls();
}

void CKEQtCharFontDialog::placeControls() {
    const QFontMetrics metrics(font());
    // The platform's dialog base units: half the average letter width, rounded, and the
    // font's height.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const kelayout::KEBaseUnits base{(letters / 26 + 1) / 2, metrics.height()};
    kelayout::KECharFontMinimum minimum;
    minimum.label = ToSize(m_label->sizeHint());
    minimum.ok = ToSize(m_ok->sizeHint());
    minimum.cancel = ToSize(m_cancel->sizeHint());
    minimum.list = ToSize(m_list->minimumSizeHint());
    const kelayout::KECharFontGeometry g = kelayout::LayoutCharFont(base, minimum);
    m_label->setGeometry(ToQRect(g.label));
    m_list->setGeometry(ToQRect(g.list));
    m_ok->setGeometry(ToQRect(g.ok));
    m_cancel->setGeometry(ToQRect(g.cancel));
    setFixedSize(g.dialog.cx, g.dialog.cy);
}

int CKEQtCharFontDialog::run() {
    if (exec() != QDialog::Accepted) {
        return -2;
    }
    return m_list->currentIndex();
}
