// One keystroke with its repaint, as a user sees it: WM_CHAR through the KEDIT procedure and
// the repaint of a 640 x 480 view (WextlPrintWindow's path) in a text of 65,520 characters,
// at its start, middle and end; and the same work for QPlainTextEdit (a key event, grab()).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <memory>
#include <string>
#include <vector>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/model/CKEFontCatalog.h"
#include "editctl/qt/CKEQtFontEnumerator.h"
#include "editctl/qt/CKEQtPlatform.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

constexpr int kLength = 65520;
constexpr int kWidth = 640;
constexpr int kHeight = 480;

std::u16string MakeText() {
    std::u16string text;
    while (static_cast<int>(text.size()) + 62 <= kLength - 2) {
        text += u"The quick brown fox jumps over the lazy dog, 日本語のテキスト。\r\n";
    }
    text.resize(kLength - 2, u'x');
    return text;
}

// The fonts characters may be given: the system's, as the library finds them.
const CKEFontCatalog* Catalog() {
    static CKEFontCatalog catalog;
    static const bool built = [] {
        CKEQtFontEnumerator fonts;
        return catalog.buildForLoad(fonts);
    }();
    return built ? &catalog : nullptr;
}

struct Kedit {
    Kedit() : platform([] { return Catalog(); }), system(platform, classes) {
        platform.setSystem(&system);
        KERegisterEditClass(classes);
        edit = system.createWindow(0, "KEDIT", "",
                                   ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, 0, 0,
                                   kWidth + 17, kHeight, nullptr, 0, nullptr);
        LOGFONTA font{};
        font.lfHeight = -16;
        system.sendMessage(edit, WM_SETFONT,
                           reinterpret_cast<WPARAM>(system.gdi().createFont(font)), 0);
        system.sendMessage(edit, EM_LIMITTEXT, kLength, 0);
        const std::u16string text = MakeText();
        system.sendMessage(edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(text.c_str()));
        // A few characters of every screenful in a font of their own.
        LOGFONTA own{};
        if (const CKEFontCatalog* catalog = Catalog();
            catalog != nullptr && catalog->getFamily(catalog->entryCount(false) / 2, own)) {
            CKEditWindowData& data = *KEditDataOf(edit);
            for (int at = 4; at + 3 < kLength; at += 500) {
                data.setFaceName(at, 3, own.lfFaceName);
            }
        }
    }
    CKEQtPlatform platform;
    CKEClassRegistry classes;
    CKEWindowSystem system;
    HWND edit = nullptr;
};

void BM_KeditKeystrokeAndRepaint(benchmark::State& state) {
    Kedit k;
    const int at = static_cast<int>(state.range(0)) * (kLength - 2) / 2;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    for (auto _ : state) {
        state.PauseTiming();
        k.system.sendMessage(k.edit, EM_SETSEL, at, at);
        state.ResumeTiming();
        k.system.sendMessage(k.edit, WM_CHAR, 'a', 0);
        k.system.printWindow(k.edit, pixels.data(), kWidth, kHeight, kWidth * 4);
        state.PauseTiming();
        k.system.sendMessage(k.edit, WM_CHAR, 8, 0);  // keep the text at its length
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeditKeystrokeAndRepaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The two halves of a keystroke on their own: the edit, and a whole repaint of the view.
void BM_KeditKeystrokeOnly(benchmark::State& state) {
    Kedit k;
    const int at = (kLength - 2) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        k.system.sendMessage(k.edit, EM_SETSEL, at, at);
        state.ResumeTiming();
        k.system.sendMessage(k.edit, WM_CHAR, 'a', 0);
        state.PauseTiming();
        k.system.sendMessage(k.edit, WM_CHAR, 8, 0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeditKeystrokeOnly)->Unit(benchmark::kMicrosecond);

// Every row of the view changes between paints: the view moves a row up or down.
void BM_KeditWholeRepaint(benchmark::State& state) {
    Kedit k;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    bool down = true;
    for (auto _ : state) {
        state.PauseTiming();
        k.system.sendMessage(k.edit, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
        down = !down;
        state.ResumeTiming();
        k.system.printWindow(k.edit, pixels.data(), kWidth, kHeight, kWidth * 4);
    }
}
BENCHMARK(BM_KeditWholeRepaint)->Unit(benchmark::kMicrosecond);

// Holding Down through the text: one WM_KEYDOWN a row, each with its repaint.
void BM_KeditDownKeyStep(benchmark::State& state) {
    Kedit k;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight);
    for (auto _ : state) {
        state.PauseTiming();
        k.system.sendMessage(k.edit, EM_SETSEL, 0, 0);
        const auto rows = static_cast<int>(KEditDataOf(k.edit)->m_rows.size());
        state.ResumeTiming();
        for (int i = 1; i < rows; ++i) {
            k.system.sendMessage(k.edit, WM_KEYDOWN, VK_DOWN, 0);
            k.system.printWindow(k.edit, pixels.data(), kWidth, kHeight, kWidth * 4);
        }
        state.counters["steps"] = rows - 1;
    }
}
BENCHMARK(BM_KeditDownKeyStep)->Unit(benchmark::kMillisecond);

void BM_QPlainTextEditDownKeyStep(benchmark::State& state) {
    QPlainTextEdit edit;
    edit.resize(kWidth, kHeight);
    edit.setPlainText(QString::fromStdU16String(MakeText()));
    const int rows = edit.document()->blockCount();
    for (auto _ : state) {
        state.PauseTiming();
        edit.moveCursor(QTextCursor::Start);
        state.ResumeTiming();
        for (int i = 1; i < rows; ++i) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(&edit, &down);
            benchmark::DoNotOptimize(edit.grab());
        }
        state.counters["steps"] = rows - 1;
    }
}
BENCHMARK(BM_QPlainTextEditDownKeyStep)->Unit(benchmark::kMillisecond);

// KEM_SETTEXT of the whole text, with what the edit state then holds per character.
void BM_KeditSetText(benchmark::State& state) {
    Kedit k;
    const std::u16string text = MakeText();
    for (auto _ : state) {
        k.system.sendMessage(k.edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const CKEditWindowData& data = *KEditDataOf(k.edit);
    std::size_t bytes = data.m_text.capacity() * sizeof(char16_t) +
                        data.m_chars.capacity() * sizeof(CKEChar) +
                        data.m_rows.capacity() * sizeof(CKELine*) +
                        data.m_paras.capacity() * sizeof(std::unique_ptr<CKEPara>);
    for (const auto& para : data.m_paras) {
        bytes += sizeof(CKEPara) + para->m_lines.capacity() * sizeof(std::unique_ptr<CKELine>) +
                 para->m_lines.size() * sizeof(CKELine);
    }
    state.counters["bytes_per_char"] = static_cast<double>(bytes) / kLength;
}
BENCHMARK(BM_KeditSetText)->Unit(benchmark::kMicrosecond);

void BM_QPlainTextEditKeystrokeAndRepaint(benchmark::State& state) {
    QPlainTextEdit edit;
    edit.resize(kWidth, kHeight);
    edit.setPlainText(QString::fromStdU16String(MakeText()));
    const int at = static_cast<int>(state.range(0)) * (edit.document()->characterCount() - 1) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(at);
        edit.setTextCursor(cursor);
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&edit, &press);
        benchmark::DoNotOptimize(edit.grab());
        state.PauseTiming();
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(&edit, &back);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QPlainTextEditKeystrokeAndRepaint)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
