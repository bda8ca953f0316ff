#!/usr/bin/env python3
"""ansible-playbook with the stampix.printers collection against local virtual printers.

Usage: playbook_test.py COLLECTION_DIR STAMPIX_CLI STAMPIX_PRINTER_SIM
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
COLLECTION, CLI, SIM = (os.path.abspath(path) for path in sys.argv[1:4])


class Printers:
    """stampix-printer-sim with `count` printers; its device paths."""

    def __init__(self, count, *options):
        self.process = subprocess.Popen([SIM, '--baud', '0', '--count', str(count)] + list(options),
                                        stdout=subprocess.PIPE, text=True)
        self.devices = [self.process.stdout.readline().strip() for _ in range(count)]
        self.process.stdout.close()

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def held(device):
    """The IDs and names a printer holds."""
    run = subprocess.run([CLI, 'info', '--json', '--port', device], capture_output=True,
                         text=True, check=True)
    return [(item['id'], item['name']) for item in json.loads(run.stdout)['items']]


class PlaybookTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix='stampix-ansible-')
        self.addCleanup(shutil.rmtree, self.folder)
        collections = os.path.join(self.folder, 'collections', 'ansible_collections', 'stampix')
        os.makedirs(collections)
        os.symlink(COLLECTION, os.path.join(collections, 'printers'))
        self.environment = dict(os.environ, ANSIBLE_COLLECTIONS_PATH=os.path.join(
            self.folder, 'collections'), ANSIBLE_STDOUT_CALLBACK='results_json',
            ANSIBLE_CALLBACK_PLUGINS=os.path.join(HERE, 'callback_plugins'),
            ANSIBLE_LOCAL_TEMP=os.path.join(self.folder, 'tmp'), ANSIBLE_NOCOLOR='1',
            STAMPIX_TIMEOUT_SCALE='0.2', ANSIBLE_PYTHON_INTERPRETER=sys.executable)

    def printers(self, count, *options):
        printers = Printers(count, *options)
        self.addCleanup(printers.stop)
        return printers.devices

    def play(self, playbook, inventory, extra, *options):
        """Runs a playbook; the exit status and the results of the task that is checked."""
        inventory_path = os.path.join(self.folder, 'inventory.json')
        with open(inventory_path, 'w') as out:
            json.dump(inventory, out)
        extra_path = os.path.join(self.folder, 'extra.json')
        with open(extra_path, 'w') as out:
            json.dump(extra, out)
        run = subprocess.run(['ansible-playbook', '-i', inventory_path, '-e', '@' + extra_path,
                              playbook] + list(options), capture_output=True, text=True,
                             env=self.environment, timeout=120)
        self.assertTrue(run.stdout.startswith('{'), run.stderr)
        report = json.loads(run.stdout)
        tasks = [task['result'] for task in report['tasks']
                 if task['task'].endswith(('Bring the printers to the manifest',
                                           'Bring the printers to the logos'))]
        self.assertEqual(len(tasks), 1, run.stdout[-2000:] + run.stderr)
        return run.returncode, tasks[0], report['stats']['localhost']

    def local(self, **variables):
        return {'all': {'hosts': {'localhost': dict(
            ansible_connection='local', **variables)}}}

    def task(self, extra):
        return self.play(os.path.join(HERE, 'logos_task.yml'), self.local(),
                         dict(extra, cli=CLI))

    def test_sample_play_changes_once_then_check_diff_changes_nothing(self):
        devices = self.printers(3)
        examples = os.path.join(self.folder, 'examples')
        shutil.copytree(os.path.join(COLLECTION, 'examples'), examples)
        inventory = {'tills': {'vars': {'brand': 'acme'},
                               'hosts': {'localhost': dict(ansible_connection='local',
                                                           printer_ports=devices)}}}
        extra = dict(printer_logos_install='binary', printer_logos_binary=CLI,
                     printer_logos_bindir=self.folder, printer_logos_user='',
                     printer_logos_dir=os.path.join(self.folder, 'till'), ansible_become=False)
        site = os.path.join(examples, 'site.yml')

        status, first, stats = self.play(site, inventory, extra)
        self.assertEqual(status, 0, first.get('msg'))
        self.assertTrue(first['changed'])
        self.assertEqual([port['changed'] for port in first['ports']], [True] * 3)
        expected = [(1, 'アクメ'), (2, 'セール'), (3, 'stamp')]
        for device in devices:
            self.assertEqual(held(device), expected)

        status, second, stats = self.play(site, inventory, extra)
        self.assertEqual(status, 0, second.get('msg'))
        self.assertEqual(stats['changed'], 0)
        self.assertEqual({step['action'] for port in second['ports'] for step in port['plan']},
                         {'keep'})

        manifest = os.path.join(examples, 'brands', 'acme', 'manifest.toml')
        with open(manifest, encoding='utf-8') as source:
            text = source.read().replace('"セール"', '"冬のセール"')
        with open(manifest, 'w', encoding='utf-8') as out:
            out.write(text)
        status, checked, stats = self.play(site, inventory, extra, '--check', '--diff')
        self.assertEqual(status, 0, checked.get('msg'))
        self.assertTrue(checked['changed'])
        self.assertEqual(len(checked['diff']), 3)
        diff = checked['diff'][0]
        self.assertEqual(diff['before_header'], devices[0])
        self.assertIn('02  "セール"  128x128\n', diff['before'])
        self.assertIn('02  "冬のセール"  128x128\n', diff['after'])
        self.assertIn('01  "アクメ"  160x124\n', diff['after'])
        for device in devices:
            self.assertEqual(held(device), expected)

    def test_prune_deletes_what_the_logos_do_not_name(self):
        devices = self.printers(2, '--preload-demo')  # IDs 1, 2, 5 and a font at 10
        logo = os.path.join(COLLECTION, 'examples', 'brands', 'acme', 'logos', 'star.bmp')
        logos = [{'id': 5, 'name': 'five', 'src': logo}]
        status, result, _ = self.task({'ports': devices, 'logos': logos, 'prune': True})
        self.assertEqual(status, 0, result.get('msg'))
        self.assertEqual([port['result']['deleted'] for port in result['ports']], [3, 3])
        for device in devices:
            self.assertEqual(held(device), [(5, 'five')])
        status, result, stats = self.task({'ports': devices, 'logos': logos, 'prune': True})
        self.assertEqual((status, stats['changed']), (0, 0))

    def test_a_hung_up_printer_fails_its_host_and_the_others_complete(self):
        good = self.printers(2)
        hanging = self.printers(1, '--fault', 'hang-up')
        logo = os.path.join(COLLECTION, 'examples', 'brands', 'acme', 'logos', 'disc.bmp')
        status, result, stats = self.task({'ports': good + hanging, 'logos': [
            {'id': 4, 'name': 'four', 'src': logo}]})
        self.assertNotEqual(status, 0)
        self.assertEqual(stats['failures'], 1)
        self.assertIn(hanging[0] + ' failed while sending', result['msg'])
        self.assertNotIn(good[0], result['msg'])
        self.assertEqual(result['failures'], [{'port': hanging[0], 'stage': 'sending',
                                               'message': 'the printer did not answer at ID 04',
                                               'cause': 'no-answer'}])
        self.assertEqual([port['result']['ok'] for port in result['ports']], [True, True, False])
        for device in good:
            self.assertEqual(held(device), [(4, 'four')])

    def test_a_bad_manifest_fails_before_any_printer_is_touched(self):
        devices = self.printers(1, '--preload-demo')
        before = held(devices[0])
        logos = [{'id': 100, 'name': 'x', 'src': '/nonexistent/stampix/a.bmp'},
                 {'id': 3, 'name': 'y', 'src': os.path.join(COLLECTION, 'galaxy.yml')}]
        status, result, _ = self.task({'ports': devices, 'logos': logos, 'prune': True})
        self.assertNotEqual(status, 0)
        self.assertIn('manifest refused', result['msg'])
        self.assertIn('logos[0] (id 100)', result['msg'])
        self.assertIn('logos[1] (id 3)', result['msg'])
        self.assertEqual(len(result['manifest_errors']), 2)
        self.assertNotIn('ports', result)
        self.assertEqual(held(devices[0]), before)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
