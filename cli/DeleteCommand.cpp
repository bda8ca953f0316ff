#include "cli/DeleteCommand.h"

#include <CLI/CLI.hpp>

#include "cli/CConfirmingOperator.h"
#include "cli/OutcomeText.h"

namespace {

// The exit status of a deletion, after saying what stopped it.
int Reported(CCliContext& context, const OperationOutcome& outcome) {
    if (outcome.Succeeded()) return 0;
    context.err << "delete: " << OutcomeText(outcome) << '\n';
    return 1;
}

}  // namespace

CLI::App* DeleteCommand::Register(CLI::App& app) {
    CLI::App* sub = app.add_subcommand(
        "delete", "Delete registrations from the printer: the IDs given, or everything (--all)");
    m_port.AddOption(*sub);
    CLI::Option* all = sub->add_flag("--all", m_all, "Delete every registration in the printer");
    sub->add_option("ID", m_ids, "Registration IDs to delete (0 to 99)")
        ->check(CLI::Range(0, kItemCount - 1))
        ->excludes(all);
    return sub;
}

int DeleteCommand::Run(CCliContext& context) {
    if (!m_all && m_ids.empty()) {
        context.err << "delete: give the IDs to delete, or --all\n";
        return 2;
    }
    if (m_all) return Reported(context, m_port.OpenSession(context.op)->OnAllClear());
    // The IDs named on the command line are what the operator wants deleted: no question.
    // The command line keeps no table, so every ID given counts as registered; for an ID
    // that holds nothing the printer answers that there was nothing to delete.
    CConfirmingOperator confirming(context.op);
    std::unique_ptr<CLogoSession> session = m_port.OpenSession(confirming);
    for (int id : m_ids) {
        CFontPT& item = session->m_items[id];
        item.m_id = static_cast<std::int16_t>(id);
        item.m_state = ITEM_REGISTERED;
    }
    return Reported(context, session->OnClearIds(m_ids));
}
