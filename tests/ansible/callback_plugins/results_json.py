# A stdout callback for the tests: every task's result per host and the play recap, as one
# JSON document (ansible-core alone brings no JSON callback).
from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json

from ansible.plugins.callback import CallbackBase

DOCUMENTATION = '''
    name: results_json
    type: stdout
    short_description: task results and recap as JSON, for tests
    description: Prints each task's result per host and the recap as one JSON document.
'''


class CallbackModule(CallbackBase):
    CALLBACK_VERSION = 2.0
    CALLBACK_TYPE = 'stdout'
    CALLBACK_NAME = 'results_json'

    def __init__(self):
        super(CallbackModule, self).__init__()
        self.tasks = []

    def _record(self, result, *_, **__):
        self.tasks.append({'task': result._task.get_name(), 'host': result._host.get_name(),
                           'result': result._result})

    v2_runner_on_ok = v2_runner_on_failed = v2_runner_on_skipped = _record
    v2_runner_on_unreachable = _record

    def v2_playbook_on_stats(self, stats):
        recap = dict((host, stats.summarize(host)) for host in sorted(stats.processed))
        self._display.display(json.dumps({'tasks': self.tasks, 'stats': recap}, default=str))
