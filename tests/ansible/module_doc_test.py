#!/usr/bin/env python3
"""The logos module's own documentation and argument-spec checks (what ansible-test's
validate-modules checks, for machines where ansible-test cannot fetch its requirements).

Usage: module_doc_test.py COLLECTION_DIR
"""
import ast
import os
import subprocess
import sys
import tempfile
import unittest

import yaml

COLLECTION = os.path.abspath(sys.argv[1])
MODULE = os.path.join(COLLECTION, 'plugins', 'modules', 'logos.py')


def module_literals():
    with open(MODULE, encoding='utf-8') as source:
        tree = ast.parse(source.read(), MODULE)
    literals = {}
    for node in tree.body:
        if isinstance(node, ast.Assign) and len(node.targets) == 1:
            name = getattr(node.targets[0], 'id', None)
            if name in ('DOCUMENTATION', 'EXAMPLES', 'RETURN', 'ARGUMENT_SPEC'):
                literals[name] = ast.literal_eval(node.value)
    return literals


class ModuleDocTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.literals = module_literals()
        cls.doc = yaml.safe_load(cls.literals['DOCUMENTATION'])

    def assertSpecMatchesDoc(self, spec, options, where):
        self.assertEqual(sorted(spec), sorted(options), where + ': documented options')
        for name, rule in spec.items():
            documented = options[name]
            here = '%s.%s' % (where, name)
            self.assertTrue(documented.get('description'), here + ': description')
            self.assertEqual(rule.get('type', 'str'), documented.get('type', 'str'), here)
            self.assertEqual(rule.get('required', False), documented.get('required', False), here)
            self.assertEqual(rule.get('default'), documented.get('default'), here)
            self.assertEqual(rule.get('choices'), documented.get('choices'), here)
            self.assertEqual(rule.get('elements'), documented.get('elements'), here)
            if 'options' in rule or 'suboptions' in documented:
                self.assertSpecMatchesDoc(rule.get('options', {}), documented.get('suboptions', {}),
                                          here)

    def test_documentation_describes_the_argument_spec(self):
        self.assertEqual(self.doc['module'], 'logos')
        self.assertTrue(self.doc['short_description'])
        self.assertSpecMatchesDoc(self.literals['ARGUMENT_SPEC'], self.doc['options'], 'options')

    def test_examples_use_documented_options_only(self):
        examples = yaml.safe_load(self.literals['EXAMPLES'])
        self.assertTrue(examples)
        options = self.doc['options']
        for example in examples:
            arguments = example['stampix.printers.logos']
            self.assertLessEqual(set(arguments), set(options), example['name'])
            self.assertIn('ports', arguments)
            self.assertEqual(len({'manifest', 'logos'} & set(arguments)), 1, example['name'])
            for logo in arguments.get('logos', []):
                self.assertEqual(set(logo), set(options['logos']['suboptions']))

    def test_return_values_are_documented(self):
        returned = yaml.safe_load(self.literals['RETURN'])
        for name in ('ports', 'failures', 'manifest_errors'):
            self.assertTrue(returned[name]['description'], name)
            self.assertTrue(returned[name]['returned'], name)
        self.assertEqual(set(returned['ports']['contains']), {'port', 'changed', 'plan', 'result'})

    def test_ansible_doc_reads_the_module(self):
        with tempfile.TemporaryDirectory() as folder:
            os.makedirs(os.path.join(folder, 'ansible_collections', 'stampix'))
            os.symlink(COLLECTION, os.path.join(folder, 'ansible_collections', 'stampix',
                                                'printers'))
            run = subprocess.run(['ansible-doc', '-t', 'module', 'stampix.printers.logos'],
                                 capture_output=True, text=True, timeout=60,
                                 env=dict(os.environ, ANSIBLE_COLLECTIONS_PATH=folder))
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertIn('> STAMPIX.PRINTERS.LOGOS', run.stdout)
        self.assertIn('= ports', run.stdout)  # required
        self.assertNotIn('WARNING', run.stderr)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
