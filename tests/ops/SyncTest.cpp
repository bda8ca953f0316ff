// The logo manifest, the plan against a printer's registrations, and one port's sync
// against the virtual printer in process.
#include <fstream>

#include "SessionFixture.h"
#include "ops/CPortSync.h"
#include "ops/CSyncManifest.h"
#include "ops/SyncPlan.h"
#include "text/ShiftJis.h"

namespace {

class Sync : public SessionFixture {
  protected:
    std::filesystem::path WriteManifest(const std::string& text) {
        const std::filesystem::path path = m_files / "logos.toml";
        std::ofstream(path) << text;
        return path;
    }

    // Loads `text` as a manifest; the errors as "LINE: code[ subject][ number][ first LINE]".
    std::vector<std::string> Errors(const std::string& text) {
        std::vector<ManifestError> errors;
        EXPECT_FALSE(m_manifest.Load(WriteManifest(text), errors));
        std::vector<std::string> lines;
        for (const ManifestError& error : errors) {
            std::string line =
                std::to_string(error.line) + ": " + std::string(ManifestProblemCode(error.problem));
            if (!error.subject.empty()) line += " " + error.subject;
            if (error.number != 0) line += " " + std::to_string(error.number);
            if (error.firstLine != 0) line += " first " + std::to_string(error.firstLine);
            lines.push_back(line);
            m_details.push_back(error.detail);
        }
        return lines;
    }

    void Load(const std::string& text) {
        std::vector<ManifestError> errors;
        ASSERT_TRUE(m_manifest.Load(WriteManifest(text), errors))
            << (errors.empty() ? "" : ManifestProblemCode(errors[0].problem));
    }

    static std::string Logo(int id, const std::string& name, const std::string& file) {
        return "[[logo]]\nid = " + std::to_string(id) + "\nname = \"" + name + "\"\nfile = \"" +
               file + "\"\n";
    }

    std::unique_ptr<CPortSync> Port(SyncOptions options, CSimLink** link = nullptr) {
        auto own = std::make_unique<CSimLink>(m_model);
        if (link != nullptr) *link = own.get();
        return std::make_unique<CPortSync>("/dev/virtual-printer", m_manifest, options,
                                           std::move(own), nullptr);
    }

    // Plans and applies; true when both succeeded.
    bool SyncOnce(SyncOptions options) {
        auto port = Port(options);
        return port->ReadAndPlan() && port->Apply();
    }

    static std::vector<std::string> Actions(const CPortSync& port) {
        std::vector<std::string> actions;
        for (const SyncStep& step : port.Plan()) {
            actions.push_back(std::to_string(step.id) + " " +
                              std::string(SyncActionName(step.action)));
        }
        return actions;
    }

    CSyncManifest m_manifest;
    std::vector<std::string> m_details;  // what each error's loader said, in order
};

TEST_F(Sync, ManifestErrorsComeAllAtOnceWithTheirLines) {
    MakeBitmap("a.bmp", 16, 4);
    const std::string longName(33, 'x');
    const auto errors = Errors(
        "model = \"NV999\"\n"  // 1
        "colour = 3\n"         // 2
        "[[logo]]\n"           // 3
        "id = 120\n"           // 4
        "name = \"A\"\n"       // 5
        "file = \"a.bmp\"\n"   // 6
        "[[logo]]\n"           // 7
        "id = 2\n"             // 8
        "name = \"" +
        longName +
        "\"\n"                           // 9
        "file = \"missing.bmp\"\n"       // 10
        "[[logo]]\n"                     // 11
        "id = 2\n"                       // 12
        "name = \"\xF0\x9F\x98\x80\"\n"  // 13: not in Shift-JIS
        "file = \"a.bmp\"\n"             // 14
        "size = 4\n"                     // 15
        "[[logo]]\n"                     // 16
        "id = 3\n"                       // 17
        "file = \"a.txt\"\n");           // 18
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "1: model-unknown",
                          "2: unknown-key colour",
                          "4: id-not-a-number",
                          "9: name-too-long " + longName + " 33",
                          "10: file-not-found missing.bmp",
                          "12: id-twice 2 first 8",
                          "13: name-not-shift-jis \xF0\x9F\x98\x80",
                          "15: unknown-key size",
                          "16: no-name",
                          "18: file-not-found a.txt",
                      }));
    EXPECT_TRUE(m_manifest.Logos().empty());

    const auto syntax = Errors("model = \"NV210a\"\n[[logo]\n");
    ASSERT_EQ(syntax.size(), 1u);
    EXPECT_EQ(syntax[0], "2: syntax") << "a syntax error names its line";
    EXPECT_FALSE(m_details.back().empty()) << "and says what the parser found";
    EXPECT_EQ(Errors(Logo(1, "A", "a.bmp")), (std::vector<std::string>{"0: model-missing"}));
}

TEST_F(Sync, ManifestNamesWithControlCharactersAreRefused) {
    MakeBitmap("a.bmp", 16, 4);
    const auto errors = Errors("model = \"NV210a\"\n" + Logo(1, "A\\u0000B", "a.bmp") +
                               Logo(2, "\\u001b[31mred", "a.bmp") + Logo(3, "x\\u0085", "a.bmp") +
                               Logo(4, "tab\\there", "a.bmp"));
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "4: name-control-character " + std::string("A\0B", 3),
                          "8: name-control-character \x1B[31mred",
                          "12: name-control-character x\u0085",
                          "16: name-control-character tab\there",
                      }));
    Load("model = \"NV210a\"\n" + Logo(1, "ロゴ ¥100~", "a.bmp"));  // printable: kept
}

TEST_F(Sync, ManifestLimitsOfIdsMemoryAndFiles) {
    MakeBitmap("small.bmp", 8, 1);
    std::string many = "model = \"NV210a\"\n";
    for (int id = 0; id < 81; ++id) many += Logo(id, "L", "small.bmp");
    const auto tooMany = Errors(many);
    ASSERT_EQ(tooMany.size(), 1u);
    EXPECT_EQ(tooMany[0], "322: too-many-logos 81");  // the 81st table

    // Five logos of 44 Kbyte fit in 240 Kbyte (225,330 bytes); the sixth does not.
    MakeBitmap("big.bmp", 704, 512);
    std::string big = "model = \"NV210a\"\n";
    for (int id = 0; id < 5; ++id) big += Logo(id, "B", "big.bmp");
    Load(big);
    EXPECT_EQ(m_manifest.MemoryNeed(), 5 * (45056 + 10));
    const auto full = Errors(big + Logo(5, "B", "big.bmp"));
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0], "22: memory-full 270396");

    MakeBitmap("huge.bmp", 704, 513);  // one row over 44 Kbyte
    bmptest::WriteFile(m_files / "broken.bmp", {'B', 'M', 1, 2});
    const auto unusable =
        Errors("model = \"NV430a\"\n" + Logo(1, "H", "huge.bmp") + Logo(2, "X", "broken.bmp"));
    ASSERT_EQ(unusable.size(), 2u);
    EXPECT_EQ(unusable[0], "5: file-unusable huge.bmp");
    EXPECT_NE(m_details[m_details.size() - 2].find("44Kbyte"), std::string::npos)
        << "what the loader said comes with it";
    EXPECT_EQ(unusable[1], "9: file-unusable broken.bmp");
    EXPECT_FALSE(m_details.back().empty());
}

TEST_F(Sync, ManifestLogosInIdOrderWithTheirSizes) {
    std::filesystem::create_directory(m_files / "sub");
    MakeBitmap("sub/wide.bmp", 33, 2);
    MakeBitmap("tall.bmp", 8, 40);
    Load("model = \"NV450a\"\n" + Logo(9, "ロゴ", "sub/wide.bmp") + Logo(4, "T", "tall.bmp"));
    EXPECT_EQ(m_manifest.Model(), 2);
    ASSERT_EQ(m_manifest.Logos().size(), 2u);
    const CFontPT& tall = m_manifest.Logos()[0].item;
    const CFontPT& wide = m_manifest.Logos()[1].item;
    EXPECT_EQ(tall.m_id, 4);
    EXPECT_EQ(wide.m_id, 9);
    EXPECT_EQ(wide.m_name, *sjis::FromUtf8("ロゴ"));
    EXPECT_EQ(wide.m_name.size(), 4u);
    EXPECT_EQ(wide.m_width, 33);
    EXPECT_EQ(wide.m_patternSize, 2 * 5);
    EXPECT_EQ(wide.m_header[0], '0');
    EXPECT_EQ(wide.m_header[1], '9');
    EXPECT_EQ(m_manifest.Logos()[1].file, m_files / "sub" / "wide.bmp");
    EXPECT_EQ(m_manifest.Logos()[1].line, 2);
}

TEST_F(Sync, PlanAppliesPrunesAndVerifies) {
    MakeBitmap("a.bmp", 16, 4);
    MakeBitmap("b.bmp", 24, 4);
    MakeBitmap("c.bmp", 8, 8);
    // The printer first holds A at 5, B at 6 and an extra logo at 9.
    Load("model = \"NV210a\"\n" + Logo(5, "A", "a.bmp") + Logo(6, "B", "b.bmp") +
         Logo(9, "old", "c.bmp"));
    ASSERT_TRUE(SyncOnce({}));
    EXPECT_EQ(m_registrations.Ids(), (std::vector<int>{5, 6, 9}));

    // Now 6 is another picture, 7 is new and 9 is no longer named.
    Load("model = \"NV210a\"\n" + Logo(5, "A", "a.bmp") + Logo(6, "B", "c.bmp") +
         Logo(7, "C", "c.bmp"));
    auto dry = Port({});
    ASSERT_TRUE(dry->ReadAndPlan());
    EXPECT_EQ(Actions(*dry), (std::vector<std::string>{"5 keep", "6 replace", "7 add", "9 extra"}));
    const std::vector<SyncDifference> changed = dry->Plan()[1].differences;
    ASSERT_EQ(changed.size(), 3u);
    EXPECT_EQ(changed[0].field, "width");
    EXPECT_EQ(changed[0].wanted, "8");
    EXPECT_EQ(changed[0].held, "24");
    EXPECT_EQ(changed[1].field, "height");
    EXPECT_EQ(changed[2].field, "pattern size");

    CSimLink* link = nullptr;
    auto pruning = Port({.prune = true}, &link);
    ASSERT_TRUE(pruning->ReadAndPlan());
    EXPECT_EQ(Actions(*pruning),
              (std::vector<std::string>{"5 keep", "6 replace", "7 add", "9 delete"}));
    ASSERT_TRUE(pruning->Apply()) << CPortSync::StageName(pruning->FailedAt());
    EXPECT_EQ(pruning->Deleted(), 1);
    EXPECT_EQ(pruning->Sent(), 2);
    EXPECT_TRUE(pruning->Verified());
    EXPECT_EQ(m_registrations.Ids(), (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(m_registrations.Find(6)->record[53], 8);  // width 8, big-endian
    EXPECT_TRUE(LeftoverTransferFiles().empty());

    // In step now: nothing to do, and --force sends everything again.
    auto again = Port({.prune = true});
    ASSERT_TRUE(again->ReadAndPlan());
    EXPECT_EQ(Actions(*again), (std::vector<std::string>{"5 keep", "6 keep", "7 keep"}));
    const int frames = m_model.FramesReceived();
    ASSERT_TRUE(again->Apply());
    EXPECT_EQ(m_model.FramesReceived(), frames) << "a printer in step is only read";
    auto forced = Port({.force = true});
    ASSERT_TRUE(forced->ReadAndPlan());
    EXPECT_EQ(Actions(*forced), (std::vector<std::string>{"5 resend", "6 resend", "7 resend"}));
    ASSERT_TRUE(forced->Apply());
    EXPECT_EQ(forced->Sent(), 3);
}

TEST_F(Sync, AFontUnderAnIdIsNeverTheLogoAndVerifyNamesTheFaults) {
    MakeBitmap("a.bmp", 16, 4);
    Load("model = \"NV210a\"\n" + Logo(5, "A", "a.bmp"));
    CItemTable printer;
    printer.ClearItemTable();
    printer[5] = m_manifest.Logos()[0].item;
    printer[5].m_state = ITEM_REGISTERED;
    EXPECT_TRUE(VerifySync(m_manifest, printer, true).empty());
    EXPECT_EQ(PlanSync(m_manifest, printer, {})[0].action, SyncAction::Keep);

    printer[5].m_name = "B";
    printer[8].m_state = ITEM_REGISTERED;
    EXPECT_EQ(VerifySync(m_manifest, printer, true),
              (std::vector<std::string>{"ID 05: name: manifest \"A\", printer \"B\"",
                                        "ID 08: still held, the manifest does not name it"}));
    EXPECT_EQ(VerifySync(m_manifest, printer, false).size(), 1u) << "without --prune extras stay";

    printer[5] = m_manifest.Logos()[0].item;
    printer[5].m_state = ITEM_REGISTERED;
    printer[5].m_patternCount = 3;  // a font of the same name and size
    const auto plan = PlanSync(m_manifest, printer, {});
    EXPECT_EQ(plan[0].action, SyncAction::Replace);
    ASSERT_EQ(plan[0].differences.size(), 1u);
    EXPECT_EQ(plan[0].differences[0].field, "kind");
}

TEST_F(Sync, AFailingPrinterEndsItsOwnWorkWithTheFailureText) {
    MakeBitmap("a.bmp", 16, 4);
    Load("model = \"NV210a\"\n" + Logo(5, "A", "a.bmp") + Logo(6, "B", "a.bmp"));
    CSimLink* link = nullptr;
    auto unopened = Port({}, &link);
    link->SetOpenFails(true);
    EXPECT_FALSE(unopened->ReadAndPlan());
    EXPECT_FALSE(unopened->Apply());
    EXPECT_EQ(unopened->FailedAt(), CPortSync::Stage::Reading);
    ASSERT_FALSE(unopened->Failure().messages.empty());
    EXPECT_EQ(unopened->Failure().messages[0].rfind("COMﾎﾟｰﾄをｵｰﾌﾟﾝできませんでした。", 0), 0u);

    auto hangingUp = Port({});
    ASSERT_TRUE(hangingUp->ReadAndPlan());
    m_model.SetFault(SimFault::HangUp);
    EXPECT_FALSE(hangingUp->Apply());
    EXPECT_EQ(hangingUp->FailedAt(), CPortSync::Stage::Sending);
    EXPECT_TRUE(hangingUp->Failure().messages.empty());
    const std::optional<OperationOutcome>& sending = hangingUp->Failure().step;
    ASSERT_TRUE(sending.has_value());
    EXPECT_EQ(sending->status, OperationStatus::Failed);
    EXPECT_EQ(sending->text, OperationText::DownloadFailed);
    EXPECT_EQ(sending->cause, TransactionStatus::NoAnswer);
    EXPECT_EQ(sending->failedId, 5);
    EXPECT_FALSE(hangingUp->Failure().stopped);
    EXPECT_EQ(hangingUp->Sent(), 0);
    EXPECT_TRUE(LeftoverTransferFiles().empty());

    m_model.SetFault(SimFault::None);
    auto stoppedFirst = Port({});
    stoppedFirst->RequestStop();
    EXPECT_FALSE(stoppedFirst->ReadAndPlan());
    EXPECT_TRUE(stoppedFirst->Failure().stopped);
    EXPECT_FALSE(stoppedFirst->Failure().step.has_value());  // the read never began
}

TEST_F(Sync, AStopWhileSendingEndsThePortCleanly) {
    MakeBitmap("a.bmp", 16, 4);
    Load("model = \"NV210a\"\n" + Logo(5, "A", "a.bmp") + Logo(6, "B", "a.bmp"));
    CPortSync* self = nullptr;
    auto port = std::make_unique<CPortSync>(
        "/dev/virtual-printer", m_manifest, SyncOptions{}, std::make_unique<CSimLink>(m_model),
        [&self](CPortSync::Stage stage, int, int, const std::string& text) {
            // Ctrl+C, say, once the download has begun.
            if (stage == CPortSync::Stage::Sending && !text.empty()) self->RequestStop();
        });
    self = port.get();
    ASSERT_TRUE(port->ReadAndPlan());
    EXPECT_FALSE(port->Apply());
    EXPECT_EQ(port->FailedAt(), CPortSync::Stage::Sending);
    ASSERT_TRUE(port->Failure().step.has_value());
    EXPECT_EQ(port->Failure().step->status, OperationStatus::Stopped);
    EXPECT_EQ(port->Failure().step->failedId, 5);
    EXPECT_TRUE(port->Failure().stopped);
    EXPECT_TRUE(m_registrations.Empty());
    EXPECT_TRUE(LeftoverTransferFiles().empty());
}

}  // namespace
