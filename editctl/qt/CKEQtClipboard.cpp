#include "editctl/qt/CKEQtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstring>
#include <memory>

namespace {

QClipboard* Clipboard() {
    return QGuiApplication::instance() != nullptr ? QGuiApplication::clipboard() : nullptr;
}

const QMimeData* DesktopData() {
    const QClipboard* clipboard = Clipboard();
    return clipboard != nullptr ? clipboard->mimeData() : nullptr;
}

std::vector<std::byte> ToBlock(const char* bytes, std::size_t size, std::size_t terminator) {
    std::vector<std::byte> block(size + terminator);
    std::memcpy(block.data(), bytes, size);
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

bool CKEQtClipboard::open(HWND) {
    if (m_open || Clipboard() == nullptr) {
        return false;
    }
    m_open = true;
    m_changed = false;
    m_pending.clear();
    return true;
}

bool CKEQtClipboard::empty() {
    if (!m_open) {
        return false;
    }
    m_pending.clear();
    m_changed = true;
    return true;
}

bool CKEQtClipboard::setData(UINT format, std::vector<std::byte> data) {
    if (!m_open || (format != CF_TEXT && format != CF_UNICODETEXT)) {
        return false;
    }
    if (!m_changed) {
        // Setting without emptying adds to what the clipboard holds.
        for (UINT kept : {CF_TEXT, CF_UNICODETEXT}) {
            if (auto block = getData(kept)) {
                m_pending[kept] = std::move(*block);
            }
        }
        m_changed = true;
    }
    m_pending[format] = std::move(data);
    return true;
}

bool CKEQtClipboard::close() {
    if (!m_open) {
        return false;
    }
    m_open = false;
    QClipboard* clipboard = Clipboard();
    if (!m_changed || clipboard == nullptr) {
        return true;
    }
    m_changed = false;
    if (m_pending.empty()) {
        clipboard->clear();
        return true;
    }
    auto mime = std::make_unique<QMimeData>();
    for (const auto& [format, block] : m_pending) {
        if (format == CF_UNICODETEXT) {
            mime->setText(TextOfBlock(block));
        } else {
            const auto* bytes = reinterpret_cast<const char*>(block.data());
            const std::size_t length = strnlen(bytes, block.size());
            mime->setData(kAnsiMimeType, QByteArray(bytes, static_cast<qsizetype>(length)));
        }
    }
    m_pending.clear();
    clipboard->setMimeData(mime.release());
    return true;
}

bool CKEQtClipboard::isFormatAvailable(UINT format) const {
    if (m_changed) {
        return m_pending.count(format) != 0;
    }
    const QMimeData* mime = DesktopData();
    if (mime == nullptr) {
        return false;
    }
    if (format == CF_UNICODETEXT) {
        return mime->hasText();
    }
    return format == CF_TEXT && mime->hasFormat(kAnsiMimeType);
}

std::optional<std::vector<std::byte>> CKEQtClipboard::getData(UINT format) const {
    if (!m_open || !isFormatAvailable(format)) {
        return std::nullopt;
    }
    if (m_changed) {
        return m_pending.at(format);
    }
    const QMimeData* mime = DesktopData();
    if (format == CF_UNICODETEXT) {
        const QString text = mime->text();
        return ToBlock(reinterpret_cast<const char*>(text.utf16()),
                       static_cast<std::size_t>(text.size()) * 2, 2);
    }
    const QByteArray bytes = mime->data(kAnsiMimeType);
    // Whatever another program left under the type: here the block ends with a 0.
    return ToBlock(bytes.constData(), static_cast<std::size_t>(bytes.size()),
                   bytes.endsWith('\0') ? 0 : 1);
}
