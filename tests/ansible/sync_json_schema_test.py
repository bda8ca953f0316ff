#!/usr/bin/env python3
"""The JSON of `stampix-cli sync --json`, as printed in every situation, against its schema.

Usage: sync_json_schema_test.py SCHEMA STAMPIX_CLI STAMPIX_PRINTER_SIM LOGO_BMP
"""
import copy
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import jsonschema

SCHEMA_PATH, CLI, SIM, LOGO = (os.path.abspath(path) for path in sys.argv[1:5])


def start_printers(count, *options):
    process = subprocess.Popen([SIM, '--baud', '0', '--count', str(count)] + list(options),
                               stdout=subprocess.PIPE, text=True)
    devices = [process.stdout.readline().strip() for _ in range(count)]
    process.stdout.close()
    return process, devices


class SyncJsonSchemaTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(SCHEMA_PATH) as source:
            cls.schema = json.load(source)
        jsonschema.Draft202012Validator.check_schema(cls.schema)
        cls.validator = jsonschema.Draft202012Validator(cls.schema)

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix='stampix-schema-')
        self.addCleanup(shutil.rmtree, self.folder)
        shutil.copy(LOGO, os.path.join(self.folder, 'a.bmp'))
        self.manifest('[[logo]]\nid = 1\nname = "ロゴ"\nfile = "a.bmp"\n'
                      '[[logo]]\nid = 5\nname = "five"\nfile = "a.bmp"\n')

    def manifest(self, logos):
        with open(os.path.join(self.folder, 'm.toml'), 'w', encoding='utf-8') as out:
            out.write('model = "NV210a"\n' + logos)

    def printers(self, count, *options):
        process, devices = start_printers(count, *options)
        self.addCleanup(process.wait, 10)
        self.addCleanup(process.terminate)
        return devices

    def sync(self, devices, *flags):
        command = [CLI, 'sync', 'm.toml', '--json'] + list(flags)
        for device in devices:
            command += ['--port', device]
        run = subprocess.run(command, cwd=self.folder, capture_output=True, text=True,
                             env=dict(os.environ, STAMPIX_TIMEOUT_SCALE='0.2'), timeout=60)
        return run.returncode, json.loads(run.stdout)

    def assertValid(self, report):
        errors = [error.message for error in self.validator.iter_errors(report)]
        self.assertEqual(errors, [], json.dumps(report, ensure_ascii=False, indent=1))

    def test_plans_results_and_failures_follow_the_schema(self):
        demo = self.printers(1, '--preload-demo')  # IDs 1, 2, 5 and a font at 10
        silent = self.printers(1, '--fault', 'silence')
        hanging = self.printers(1, '--fault', 'hang-up')
        status, dry = self.sync(demo, '--dry-run', '--prune')
        self.assertEqual(status, 0)
        self.assertValid(dry)
        self.assertEqual({step['action'] for step in dry['ports'][0]['plan']},
                         {'replace', 'delete'})

        status, failing = self.sync(demo + silent + hanging)
        self.assertEqual(status, 1)
        self.assertValid(failing)
        self.assertEqual([port.get('failed_while') for port in failing['ports']],
                         [None, 'reading', 'sending'])

        status, forced = self.sync(demo, '--force', '--prune')
        self.assertEqual(status, 0)
        self.assertValid(forced)
        self.assertEqual([step['action'] for step in forced['ports'][0]['plan']],
                         ['resend', 'delete', 'resend', 'delete'])

    def test_a_refused_manifest_follows_the_schema(self):
        self.manifest('[[logo]]\nid = 100\nname = "x"\nfile = "gone.bmp"\n')
        status, refusal = self.sync(['/dev/nonexistent-stampix-port'])
        self.assertEqual(status, 2)
        self.assertValid(refusal)

    def test_the_schema_refuses_what_the_contract_does_not_name(self):
        report = {'dry_run': False, 'ok': True, 'ports': [{
            'port': 'COM1', 'ok': True, 'planned': True, 'deleted': 0, 'sent': 0,
            'verified': True, 'mismatches': [],
            'plan': [{'id': 1, 'action': 'keep', 'name': 'x', 'differences': []}]}]}
        self.assertValid(report)
        for broken in ('unknown field', 'unknown action', 'id out of range', 'half a result'):
            changed = copy.deepcopy(report)
            port = changed['ports'][0]
            if broken == 'unknown field':
                port['colour'] = 'red'
            elif broken == 'unknown action':
                port['plan'][0]['action'] = 'move'
            elif broken == 'id out of range':
                port['plan'][0]['id'] = 100
            else:
                del port['verified']
            self.assertFalse(self.validator.is_valid(changed), broken)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
