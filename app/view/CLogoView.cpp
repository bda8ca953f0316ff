#include "app/view/CLogoView.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QUrl>
#include <algorithm>
#include <span>
#include <utility>

#include "app/dialogs/CFontDetail.h"
#include "app/dialogs/CLogoDetail.h"
#include "app/dialogs/CProgressDlg.h"
#include "app/dialogs/CProgressDlgDisplay.h"
#include "app/dialogs/DialogUnits.h"
#include "app/dialogs/FileDialogPatterns.h"
#include "app/dialogs/QtText.h"
#include "app/dialogs/TextFit.h"
#include "app/present/ItemListText.h"
#include "app/view/CHelpOpener.h"
#include "app/view/CItemSetDlg.h"
#include "app/view/CPreviewPictures.h"
#include "app/view/CPreviewWidget.h"
#include "imaging/CurrentImage.h"
#include "ops/CLogoSession.h"
#include "res/Texts.h"
#include "serial/ISerialLink.h"

namespace {

// The form's size in dialog units.
constexpr int kFormWidth = 385;
constexpr int kFormHeight = 280;

QString DisplayText(const std::string& text) {
    // Message texts break lines with CR LF; Qt wants LF alone.
    return Qs(text).replace("\r\n", "\n");
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A message box shows the normal cursor, also inside a wait-cursor stretch.
class NormalCursor {
  public:
    NormalCursor() : m_pushed(QApplication::overrideCursor() != nullptr) {
        if (m_pushed) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor() {
        if (m_pushed) QApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    bool m_pushed;
};

std::vector<std::filesystem::path> ToPaths(const QStringList& files) {
    std::vector<std::filesystem::path> paths;
    for (const QString& file : files) {
        paths.emplace_back(file.toStdString());
    }
    return paths;
}

}  // namespace

CLogoView::CLogoView(const ViewSettings& settings, std::unique_ptr<ISerialLink> link,
                     QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_session(std::make_unique<CLogoSession>(*this, std::move(link))) {
    m_session->m_reader.SetDecoder(&m_decoder);
    setObjectName("CLogoView");
    setAcceptDrops(true);
    BuildForm();
    m_helpOpener = new CHelpOpener(this);
    connect(m_helpOpener, &CHelpOpener::failed, this, &CLogoView::ReportHelpNotOpened);
}

CLogoView::~CLogoView() = default;

void CLogoView::BuildForm() {
    const CDialogUnits du(*this);
    setFixedSize(du.Size(kFormWidth, kFormHeight));
    auto* group = new QGroupBox(Qs(texts::kViewGroup), this);
    group->setGeometry(du.Rect(7, 5, kFormWidth - 14, kFormHeight - 9));

    const std::array<std::string_view, 5> buttonTexts{
        texts::kButtonAddFile, texts::kButtonStartTransfer, texts::kButtonGetInfo,
        texts::kButtonClear, texts::kButtonAllClear};
    const std::array<const char*, 5> buttonNames{"addFile", "startTransfer", "getInfo", "clear",
                                                 "allClear"};
    for (std::size_t i = 0; i < buttonTexts.size(); ++i) {
        auto* button = new QPushButton(Qs(buttonTexts[i]), this);
        button->setObjectName(buttonNames[i]);
        button->setGeometry(du.Rect(15 + 73 * static_cast<int>(i), 21, 69, 14));
        m_buttons[i] = button;
    }
    connect(m_buttons[0], &QPushButton::clicked, this, &CLogoView::OnAddFile);
    connect(m_buttons[1], &QPushButton::clicked, this, &CLogoView::OnStartTransfer);
    connect(m_buttons[2], &QPushButton::clicked, this, &CLogoView::OnGetInfo);
    connect(m_buttons[3], &QPushButton::clicked, this, &CLogoView::OnClearIds);
    connect(m_buttons[4], &QPushButton::clicked, this, &CLogoView::OnAllClear);

    m_itemList = new QTableWidget(kItemCount, kListColumnCount, this);
    m_itemList->setObjectName("itemList");
    m_itemList->setGeometry(du.Rect(15, 48, 259, 214));
    m_itemList->setShowGrid(true);
    m_itemList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_itemList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_itemList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_itemList->setWordWrap(false);
    m_itemList->verticalHeader()->setVisible(false);
    m_itemList->verticalHeader()->setDefaultSectionSize(m_itemList->fontMetrics().height() + 4);
    m_itemList->horizontalHeader()->setHighlightSections(false);
    m_itemList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A wider list gives its extra width to the last column, "アイテム状態".
    m_itemList->horizontalHeader()->setStretchLastSection(true);
    // The form's widths are the least a column gets: at a larger font or resolution a
    // column widens to show its heading and values whole.
    const QFontMetrics metrics = m_itemList->fontMetrics();
    const int cellMargins =
        2 * (m_itemList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_itemList) +
             1) +
        1;
    for (int column = 0; column < kListColumnCount; ++column) {
        const ListColumn& listColumn = ListColumns()[static_cast<std::size_t>(column)];
        m_itemList->setHorizontalHeaderItem(column, new QTableWidgetItem(Qs(listColumn.m_heading)));
        int width =
            std::max(listColumn.m_width, m_itemList->horizontalHeader()->sectionSizeHint(column));
        for (const std::string& text : ListColumnTexts(column)) {
            width = std::max(width, metrics.horizontalAdvance(Qs(text)) + cellMargins);
        }
        m_itemList->setColumnWidth(column, width);
    }
    // Tab leaves the list for the next control rather than moving between cells.
    m_itemList->setTabKeyNavigation(false);
    m_itemList->installEventFilter(this);
    // The previews follow every move of the current row, by key or by mouse; a click on
    // the row that is already current shows it again.
    connect(m_itemList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid()) return;  // the rows were rebuilt
                m_previewedOnPress = QApplication::mouseButtons() != Qt::NoButton;
                PreviewRow(current.row());
            });
    connect(m_itemList, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (!std::exchange(m_previewedOnPress, false)) PreviewRow(row);
    });
    connect(m_itemList, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { OnListDoubleClick(); });

    auto* originalLabel = new QLabel(Qs(texts::kLabelOriginal), this);
    originalLabel->setGeometry(du.Rect(288, 48, 88, 9));
    m_original = new CPreviewWidget(this);
    m_original->setObjectName("originalPreview");
    // The frames follow the table and the current image whenever they paint.
    m_original->SetPictureSource([this]() -> std::optional<QImage> {
        if (!PreviewShowsImage()) return std::nullopt;
        return m_pictures.Source(m_session->m_image);
    });
    m_original->setGeometry(du.Rect(288, 58, 88, 96));
    auto* transferLabel = new QLabel(Qs(texts::kLabelTransfer), this);
    transferLabel->setGeometry(du.Rect(288, 156, 88, 9));
    m_transfer = new CPreviewWidget(this);
    m_transfer->setObjectName("transferPreview");
    m_transfer->SetPictureSource([this]() -> std::optional<QImage> {
        if (!PreviewShowsImage()) return std::nullopt;
        return m_pictures.Transfer(m_session->m_image);
    });
    m_transfer->setGeometry(du.Rect(288, 166, 88, 96));

    m_memoryGauge = new QProgressBar(this);
    m_memoryGauge->setObjectName("memoryGauge");
    m_memoryGauge->setTextVisible(false);
    m_memoryGauge->setGeometry(du.Rect(15, 263, 173, 10));
    m_memoryText = new QLabel(Qs(texts::kMemoryTextInitial), this);
    m_memoryText->setObjectName("memoryText");
    // Wider than the original 94 units: the text must fit in any font.
    m_memoryText->setGeometry(du.Rect(191, 263, 185, 10));

    GrowToFitTexts(*this);
    // The form is the smallest the view gets; a larger window gives the list the room.
    m_formSize = size();
    setMinimumSize(m_formSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const std::array<std::pair<QWidget*, Stretch>, 8> stretching{{{group, Stretch::Grow},
                                                                  {m_itemList, Stretch::Grow},
                                                                  {originalLabel, Stretch::Right},
                                                                  {m_original, Stretch::Right},
                                                                  {transferLabel, Stretch::Right},
                                                                  {m_transfer, Stretch::Right},
                                                                  {m_memoryGauge, Stretch::Down},
                                                                  {m_memoryText, Stretch::Down}}};
    for (const auto& [widget, stretch] : stretching) {
        m_stretching.push_back({widget, stretch, widget->geometry()});
    }
}

void CLogoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int dx = std::max(0, width() - m_formSize.width());
    const int dy = std::max(0, height() - m_formSize.height());
    for (const StretchingControl& control : m_stretching) {
        switch (control.m_stretch) {
            case Stretch::Grow:
                control.m_widget->setGeometry(control.m_formRect.adjusted(0, 0, dx, dy));
                break;
            case Stretch::Right:
                control.m_widget->setGeometry(control.m_formRect.translated(dx, 0));
                break;
            case Stretch::Down:
                control.m_widget->setGeometry(control.m_formRect.translated(0, dy));
                break;
        }
    }
}

bool CLogoView::OnInitialUpdate(const std::function<bool(QWidget* parent)>& askModel) {
    // The frame is sized to the form and centred by its owner; here come the steps that
    // need the operator.
    m_buttons[1]->setEnabled(false);
    if (!askModel(window())) {
        return false;
    }
    m_memoryGauge->setRange(0, kGaugeMax);
    m_session->m_items.ClearItemTable();
    RefreshItemList();
    RepaintPreviews();
    return true;
}

// ---- Operator interface ----

void CLogoView::ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) {
    const NormalCursor cursor;
    QMessageBox box(ToQtIcon(icon), Qs(caption), DisplayText(text), QMessageBox::Ok, window());
    box.setObjectName("message");
    box.setTextFormat(Qt::PlainText);
    box.raise();
    box.activateWindow();
    box.exec();
}

bool CLogoView::AskYesNo(const std::string& caption, const std::string& text, MessageIcon icon) {
    const NormalCursor cursor;
    QMessageBox box(ToQtIcon(icon), Qs(caption), DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, window());
    box.setObjectName("question");
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::shared_ptr<IProgressDisplay> CLogoView::OpenProgress() {
    auto* dialog = new CProgressDlg(window());
    connect(dialog, &CProgressDlg::controlsEnabled, this, &CLogoView::EnableControls);
    m_progressDlg = dialog;
    dialog->Open();
    return std::make_shared<CProgressDlgDisplay>(dialog);
}

void CLogoView::EnableControls(bool enable) {
    // While an operation runs, nothing may turn the controls back on; nor while a finished
    // operation's progress dialog is still open.
    if (enable && (m_busy > 0 || (m_progressDlg && !m_progressDlg->IsClosed()))) {
        return;
    }
    m_controlsEnabled = enable;
    setEnabled(enable);
    for (QPushButton* button : m_buttons) {
        button->setEnabled(enable);
    }
    if (enable) {
        m_buttons[1]->setEnabled(m_session->m_items.CountNew() > 0);
    }
    emit menusEnabled(enable);
}

void CLogoView::RefreshItemList() {
    const CItemTable& items = m_session->m_items;
    // Every row anew: no selection survives a refresh.
    m_itemList->setRowCount(0);
    m_itemList->setRowCount(kItemCount);
    for (int slot = 0; slot < kItemCount; ++slot) {
        const auto texts = RowTexts(slot, items[slot]);
        const RgbColor colour = RowColor(items[slot].m_state);
        const QColor background(colour.m_red, colour.m_green, colour.m_blue);
        for (int column = 0; column < kListColumnCount; ++column) {
            auto* cell = new QTableWidgetItem(Qs(texts[static_cast<std::size_t>(column)]));
            cell->setBackground(background);
            m_itemList->setItem(slot, column, cell);
        }
    }
    if (m_controlsEnabled) {
        m_buttons[1]->setEnabled(items.CountNew() > 0);
    }
    const std::int64_t total = items.GetMemoryTotal();
    m_memoryText->setText(Qs(::MemoryText(total)));
    m_memoryGauge->setValue(CItemTable::GaugePosition(total));
    FollowTableInPreviews();
}

void CLogoView::ClearItemList() {
    m_itemList->setRowCount(0);
    FollowTableInPreviews();
}

void CLogoView::FollowTableInPreviews() {
    // The preview slot may have just become registered or free.
    for (CPreviewWidget* frame : {m_original, m_transfer}) {
        frame->FollowSource();
        frame->update();
    }
}

void CLogoView::RepaintPreviews() {
    for (CPreviewWidget* frame : {m_original, m_transfer}) {
        frame->FollowSource();
        frame->repaint();
    }
}

bool CLogoView::PreviewShowsImage() const {
    const int slot = m_session->m_previewSlot;
    return CItemTable::IsValidSlot(slot) && m_session->m_items[slot].m_state == ITEM_NEW;
}

void CLogoView::PumpEvents() { QCoreApplication::processEvents(); }

bool CLogoView::IsBusy() const { return m_busy > 0 || m_session->IsBusy(); }

// ---- List ----

std::vector<int> CLogoView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_itemList->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CLogoView::FirstSelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void CLogoView::PreviewRow(int row) {
    m_session->m_previewSlot = row;
    m_session->m_reader.m_request.dotsPerMm = m_settings.m_dotsPerMm;
    m_session->ShowItemImage(row);
    RepaintPreviews();
}

bool CLogoView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_itemList && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && m_buttons[3]->isEnabled()) {
            OnClearIds();  // as the "クリア" button
            return true;
        }
        // Home and End go to the first and the last row, as in a list, not along a row.
        if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) &&
            key->modifiers() == Qt::NoModifier) {
            m_itemList->setCurrentCell(key->key() == Qt::Key_Home ? 0 : kItemCount - 1,
                                       std::max(0, m_itemList->currentColumn()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CLogoView::OnListDoubleClick() {
    const int row = FirstSelectedRow();
    if (row < 0) {
        return;
    }
    CFontPT& item = m_session->m_items[row];
    if (item.m_state == ITEM_REGISTERED) {
        const int count = std::clamp(item.m_patternCount, 0, kMaxEntries);
        const std::span<const std::uint8_t> entries(item.m_entries.data(),
                                                    static_cast<std::size_t>(count) * kEntrySize);
        if (item.IsLogo()) {
            CLogoDetail dialog(this, count, entries, item.m_header, m_settings.m_dotsPerMm);
            dialog.exec();
        } else if (item.m_patternCount != 0) {
            CFontDetail dialog(this, item.m_patternCount, entries, item.m_header);
            dialog.exec();
        }
    } else if (item.m_state == ITEM_NEW) {
        CItemSetDlg dialog(this, row, m_session->m_items);
        if (dialog.exec() == QDialog::Accepted) {
            RefreshItemList();
        }
    }
}

// ---- Operations ----

template <typename Operation>
void CLogoView::RunOperation(Operation operation) {
    if (IsBusy()) {
        return;
    }
    m_session->m_portName = m_settings.m_comPort;
    m_session->m_reader.m_request.dotsPerMm = m_settings.m_dotsPerMm;  // SVG at the model's size
    EnableControls(false);
    ++m_busy;
    operation();
    --m_busy;
    EnableControls(true);
    if (m_stoppedToClose && !IsBusy()) {
        emit closeWhenIdle();
    }
}

bool CLogoView::MayClose() {
    if (!IsBusy()) {
        return true;
    }
    // The running operation uses the view, its table and the port: the window goes only
    // once it has ended.
    if (!m_stoppedToClose &&
        AskYesNo(std::string(texts::kConfirmCaption), std::string(texts::kStopOperationQuestion),
                 MessageIcon::Question)) {
        m_stoppedToClose = true;
        m_session->RequestStop();
    }
    return false;
}

void CLogoView::OnAddFile() {
    if (!m_controlsEnabled || IsBusy()) {
        return;  // the key of a grayed menu
    }
    QFileDialog dialog(window(), Qs(texts::kAddFileTitle));
    dialog.setObjectName("addFileDialog");
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(
        {Qs(texts::kFilterBmp), Qs(texts::kFilterPld), Qs(texts::kFilterPictures)});
    FollowSemicolonPatterns(dialog);
    dialog.setDefaultSuffix("Bitmap");
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.selectFile(Qs(texts::kAddFileInitialName));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    AddFiles(dialog.selectedFiles());
}

void CLogoView::AddFiles(const QStringList& paths) {
    const int row = FirstSelectedRow();
    const int startSlot = row < 0 ? 0 : row;
    RunOperation([&] { m_session->AddFiles(ToPaths(paths), startSlot); });
    RefreshItemList();
    RepaintPreviews();
}

void CLogoView::OnStartTransfer() {
    RunOperation([&] { m_session->OnStartTransfer(); });
}

void CLogoView::OnGetInfo() {
    RunOperation([&] { m_session->OnGetInfo(); });
}

void CLogoView::OnClearIds() {
    const std::vector<int> rows = SelectedRows();
    RunOperation([&] { m_session->OnClearIds(rows); });
}

void CLogoView::OnAllClear() {
    RunOperation([&] { m_session->OnAllClear(); });
}

void CLogoView::OnConvertBmpToPld() {
    QFileDialog dialog(window(), Qs(texts::kConvertTitle));
    dialog.setObjectName("convertDialog");
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({Qs(texts::kFilterBmp)});
    dialog.setDefaultSuffix("Bitmap");
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const auto files = ToPaths(dialog.selectedFiles());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RunOperation([&] { m_session->OnConvertBmpToPld(files); });
    QApplication::restoreOverrideCursor();
}

void CLogoView::OnHelp() {
    // Without the page, or without a program on the desktop that can show it, the operator
    // learns where the page is.
    const QString page = Qs(m_settings.m_helpPath);
    if (QFileInfo::exists(page)) {
        m_helpOpener->Open(page);
    } else {
        ReportHelpNotOpened();
    }
}

void CLogoView::ReportHelpNotOpened() {
    ShowMessage(std::string(texts::StringTable(texts::IDS_ERROR_CAPTION)),
                std::string(texts::kHelpNotOpened) + m_settings.m_helpPath,
                MessageIcon::Exclamation);
}

// ---- Dropped files ----

void CLogoView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !IsBusy()) {
        event->acceptProposedAction();
    }
}

void CLogoView::dropEvent(QDropEvent* event) {
    if (IsBusy()) {
        return;
    }
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        // Something that is not a local file has no path to read; it is passed on by its
        // address and refused as an unsupported file like any other.
        paths.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    }
    event->acceptProposedAction();
    AddFiles(paths);
}
