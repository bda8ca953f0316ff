#include "editctl/qt/CKEQtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstring>

namespace {

QClipboard* Clipboard() {
    return QGuiApplication::instance() != nullptr ? QGuiApplication::clipboard() : nullptr;
}

std::vector<std::byte> ToBlock(const QByteArray& bytes, std::size_t terminator) {
    std::vector<std::byte> block(static_cast<std::size_t>(bytes.size()) + terminator);
    std::memcpy(block.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return block;
}

// The units of a CF_UNICODETEXT block up to its 0 (or its end).
QString TextOfBlock(const std::vector<std::byte>& block) {
    const std::size_t units = block.size() / 2;
    QString text(static_cast<qsizetype>(units), Qt::Uninitialized);
    std::memcpy(text.data(), block.data(), units * 2);
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) {
        text.truncate(nul);
    }
    return text;
}

}  // namespace

bool CKEQtClipboard::has(UINT format) const {
    const QClipboard* clipboard = Clipboard();
    const QMimeData* mime = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    if (mime == nullptr) {
        return false;
    }
    if (format == kUnicodeText) {
        return mime->hasText();
    }
    return format == kText && mime->hasFormat(kAnsiMimeType);
}

std::vector<std::byte> CKEQtClipboard::get(UINT format) const {
    if (!has(format)) {
        return {};
    }
    const QMimeData* mime = Clipboard()->mimeData();
    if (format == kUnicodeText) {
        const QString text = mime->text();
        QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        return ToBlock(bytes, 2);
    }
    QByteArray bytes = mime->data(kAnsiMimeType);
    // Whatever another program left under the type: the block ends with a 0 here.
    return ToBlock(bytes, bytes.endsWith('\0') ? 0 : 1);
}

void CKEQtClipboard::replace(const std::map<UINT, std::vector<std::byte>>& blocks) {
    QClipboard* clipboard = Clipboard();
    if (clipboard == nullptr) {
        return;
    }
    auto mime = std::make_unique<QMimeData>();
    for (const auto& [format, block] : blocks) {
        if (format == kUnicodeText) {
            mime->setText(TextOfBlock(block));
        } else if (format == kText) {
            const auto* bytes = reinterpret_cast<const char*>(block.data());
            const std::size_t length = strnlen(bytes, block.size());
            mime->setData(kAnsiMimeType, QByteArray(bytes, static_cast<qsizetype>(length)));
        }
    }
    if (blocks.empty()) {
        clipboard->clear();
        return;
    }
    clipboard->setMimeData(mime.release());
}
