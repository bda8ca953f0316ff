#include "ops/SyncPlan.h"

#include "imaging/PatternHash.h"
#include "text/ShiftJis.h"

namespace {

std::string Quoted(const std::string& sjisText) { return '"' + sjis::ToUtf8(sjisText) + '"'; }

}  // namespace

std::string_view SyncActionName(SyncAction action) {
    switch (action) {
        case SyncAction::Add:
            return "add";
        case SyncAction::Replace:
            return "replace";
        case SyncAction::Resend:
            return "resend";
        case SyncAction::Keep:
            return "keep";
        case SyncAction::Delete:
            return "delete";
        case SyncAction::Extra:
            return "extra";
    }
    return "keep";
}

std::vector<SyncDifference> CompareRegistration(const CFontPT& wanted, const CFontPT& held) {
    if (held.m_state != ITEM_REGISTERED) return {{"logo", "registered", "nothing"}};
    // A font under the ID is never the logo, whatever its sizes.
    if (!held.IsLogo()) return {{"kind", "logo", "font"}};
    std::vector<SyncDifference> differences;
    if (held.m_name != wanted.m_name) {
        differences.push_back({"name", Quoted(wanted.m_name), Quoted(held.m_name)});
    }
    const auto number = [&](const char* field, std::int32_t want, std::int32_t have) {
        if (want != have)
            differences.push_back({field, std::to_string(want), std::to_string(have)});
    };
    number("width", wanted.m_width, held.m_width);
    number("height", wanted.m_height, held.m_height);
    number("pattern size", wanted.m_patternSize, held.m_patternSize);
    return differences;
}

std::vector<SyncStep> PlanSync(const CSyncManifest& manifest, const CItemTable& printer,
                               SyncOptions options, const SentPatterns& sent) {
    std::vector<SyncStep> steps;
    for (int id = 0; id < kItemCount; ++id) {
        const CFontPT& held = printer[id];
        const SyncLogo* logo = manifest.Find(id);
        if (logo == nullptr) {
            if (held.m_state != ITEM_REGISTERED) continue;
            steps.push_back({id,
                             options.prune ? SyncAction::Delete : SyncAction::Extra,
                             sjis::ToUtf8(held.m_name),
                             {}});
            continue;
        }
        SyncStep step{id, SyncAction::Keep, sjis::ToUtf8(logo->item.m_name), {}};
        if (held.m_state != ITEM_REGISTERED) {
            step.action = SyncAction::Add;
        } else {
            step.differences = CompareRegistration(logo->item, held);
            const auto last = sent.find(id);
            step.pixelsCompared = last != sent.end();
            if (step.differences.empty() && step.pixelsCompared &&
                last->second != logo->patternHash) {
                step.differences.push_back(
                    {"pixels", PatternHashText(logo->patternHash), PatternHashText(last->second)});
            }
            if (!step.differences.empty()) {
                step.action = SyncAction::Replace;
            } else if (options.force) {
                step.action = SyncAction::Resend;
            }
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

std::vector<std::string> VerifySync(const CSyncManifest& manifest, const CItemTable& printer,
                                    bool prune) {
    std::vector<std::string> faults;
    for (int id = 0; id < kItemCount; ++id) {
        const SyncLogo* logo = manifest.Find(id);
        if (logo == nullptr) {
            if (prune && printer[id].m_state == ITEM_REGISTERED) {
                faults.push_back("ID " + IdText(id) +
                                 ": still held, the manifest does not name it");
            }
            continue;
        }
        for (const SyncDifference& difference : CompareRegistration(logo->item, printer[id])) {
            faults.push_back("ID " + IdText(id) + ": " + difference.field + ": manifest " +
                             difference.wanted + ", printer " + difference.held);
        }
    }
    return faults;
}
