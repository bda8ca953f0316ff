#!/usr/bin/python
# -*- coding: utf-8 -*-
# Brings a till's label printers to a logo manifest through `stampix-cli sync --json`.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: logos
short_description: Bring label printers to a logo manifest
description:
  - Runs C(stampix-cli sync --json) on the managed host for every port at once. It reads each
    printer, deletes (with I(prune)) what the manifest does not name, sends what is missing
    or different, and reads every printer back to verify it.
  - Check mode reads the printers and reports the plans without changing anything
    (C(--dry-run)). Diff mode shows per port the logos the printer holds before and after
    (ID, name, width x height in dots).
  - C(changed) is true exactly when a logo was (in check mode would be) sent or deleted.
  - A failure on any port fails the task, naming the port, the stage and the printer's
    message; the other ports still complete.
version_added: "1.0.0"
author: The Stampix developers
options:
  ports:
    description:
      - The printers' serial ports on the managed host, C(COM1) to C(COM20) or device paths;
        prefer the stable C(/dev/serial/by-id/...) names.
    type: list
    elements: str
    required: true
  manifest:
    description:
      - Path on the managed host of a TOML logo manifest; its files are relative to it.
      - Mutually exclusive with I(logos).
    type: path
  logos:
    description:
      - The logos inline, instead of a manifest file.
    type: list
    elements: dict
    suboptions:
      id:
        description: Registration ID, 0 to 99.
        type: int
        required: true
      name:
        description: Name; at most 32 bytes in Shift-JIS.
        type: str
        required: true
      src:
        description:
          - Absolute path of the logo file on the managed host (copy it there first, for
            example with M(ansible.builtin.copy)).
        type: path
        required: true
  model:
    description:
      - Printer model for inline I(logos); C(NV210a) when not given.
    type: str
    choices: [NV210a, NV430a, NV450a]
  prune:
    description: Also delete the IDs the manifest does not name.
    type: bool
    default: false
  force:
    description: Send every logo again, also those the printer holds.
    type: bool
    default: false
  cli:
    description: Path of C(stampix-cli); looked for on C(PATH) when not given.
    type: path
notes:
  - Runs on the managed host, which needs C(stampix-cli) and access to the serial ports
    (the C(dialout) group).
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
'''

EXAMPLES = r'''
- name: Bring both printers of the till to the brand's manifest
  stampix.printers.logos:
    ports:
      - /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K1C2D-if00-port0
    manifest: /var/lib/stampix/logos/manifest.toml
    prune: true

- name: Logos given inline, files copied before
  stampix.printers.logos:
    ports: [/dev/ttyUSB0]
    model: NV430a
    logos:
      - {id: 1, name: Shop, src: /var/lib/stampix/logos/shop.bmp}
'''

RETURN = r'''
ports:
  description: Every port's outcome, in the order given.
  returned: when the manifest was accepted
  type: list
  elements: dict
  contains:
    port:
      description: The port as given.
      type: str
    changed:
      description: Whether a logo was (would be) sent or deleted on this port.
      type: bool
    plan:
      description: The steps of C(sync --json) (id, action, name, differences).
      type: list
    result:
      description: The rest of the port's C(sync --json) entry (ok, sent, deleted, verified,
        mismatches, failed_while, messages, cause, failed_id).
      type: dict
failures:
  description: The ports that failed, each with port, stage and message, and, when a printer
    operation ended the work, cause (how its exchange ended, as in C(sync --json)).
  returned: always
  type: list
  elements: dict
manifest_errors:
  description: Why the manifest was refused (line, code and message); no printer was touched.
  returned: on a refused manifest
  type: list
  elements: dict
'''

import json
import os
import subprocess

from ansible.module_utils.basic import AnsibleModule

# A literal, so that the documentation checks can read it without importing the module.
ARGUMENT_SPEC = {
    'ports': {'type': 'list', 'elements': 'str', 'required': True},
    'manifest': {'type': 'path'},
    'logos': {'type': 'list', 'elements': 'dict', 'options': {
        'id': {'type': 'int', 'required': True},
        'name': {'type': 'str', 'required': True},
        'src': {'type': 'path', 'required': True}}},
    'model': {'type': 'str', 'choices': ['NV210a', 'NV430a', 'NV450a']},
    'prune': {'type': 'bool', 'default': False},
    'force': {'type': 'bool', 'default': False},
    'cli': {'type': 'path'},
}

SENDING_ACTIONS = ('add', 'replace', 'resend')
CHANGING_ACTIONS = SENDING_ACTIONS + ('delete',)


def toml_string(text):
    """A TOML basic string: backslash, quote and control characters escaped."""
    out = []
    for char in text:
        if char in '"\\':
            out.append('\\' + char)
        elif ord(char) < 0x20 or ord(char) == 0x7f:
            out.append('\\u%04x' % ord(char))
        else:
            out.append(char)
    return '"' + ''.join(out) + '"'


def write_manifest(folder, model, logos):
    """Writes the inline logos as a manifest; returns its path and each logo's first line."""
    lines = ['model = %s' % toml_string(model)]
    starts = []
    for logo in logos:
        starts.append(len(lines) + 1)
        lines += ['[[logo]]', 'id = %d' % logo['id'], 'name = %s' % toml_string(logo['name']),
                  'file = %s' % toml_string(logo['src'])]
    path = os.path.join(folder, 'manifest.toml')
    with open(path, 'w', encoding='utf-8') as manifest:
        manifest.write('\n'.join(lines) + '\n')
    return path, starts


def inline_error(error, starts, logos):
    """A manifest error of the written manifest, told by the inline logo it concerns."""
    line = error.get('line', 0)
    index = max([i for i, start in enumerate(starts) if start <= line] or [-1])
    if index < 0:
        return error['message']
    return 'logos[%d] (id %s): %s' % (index, logos[index]['id'], error['message'])


def port_changed(entry, check_mode):
    if check_mode:
        return any(step['action'] in CHANGING_ACTIONS for step in entry.get('plan', []))
    return entry.get('sent', 0) + entry.get('deleted', 0) > 0


def failure_of(entry):
    messages = entry.get('messages', []) + entry.get('mismatches', [])
    failure = {'port': entry['port'], 'stage': entry.get('failed_while', 'unknown'),
               'message': ' / '.join(messages)}
    if 'cause' in entry:
        failure['cause'] = entry['cause']
    return failure


def read_printers(cli, ports):
    """The registrations of every port (`info --json`, all at once); None where unreadable."""
    runs = [subprocess.Popen([cli, 'info', '--json', '--port', port], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL) for port in ports]
    held = []
    for run in runs:
        out = run.communicate()[0]
        try:
            items = json.loads(out.decode('utf-8', 'replace'))['items'] if run.returncode == 0 else None
        except ValueError:
            items = None
        held.append(None if items is None else dict((item['id'], item) for item in items))
    return held


def picture_size(cli, path, cache):
    """Width and height in dots of a logo file as the printer gets it (`show`)."""
    if path not in cache:
        size = None
        run = subprocess.run([cli, 'show', '--ascii', path], stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL)
        fields = dict(line.split(': ', 1) for line in run.stdout.decode('utf-8', 'replace').splitlines()
                      if line.startswith(('width: ', 'height: ')))
        if run.returncode == 0 and 'width' in fields and 'height' in fields:
            size = (int(fields['width']), int(fields['height']))
        cache[path] = size
    return cache[path]


def manifest_files(manifest):
    """ID -> absolute file path of a manifest file's logos (empty without tomllib)."""
    try:
        import tomllib
    except ImportError:
        return {}
    try:
        with open(manifest, 'rb') as source:
            data = tomllib.load(source)
    except (OSError, ValueError):
        return {}
    folder = os.path.dirname(os.path.abspath(manifest))
    return dict((logo['id'], os.path.join(folder, logo['file'])) for logo in data.get('logo', [])
                if isinstance(logo, dict) and 'id' in logo and 'file' in logo)


def describe(logos):
    """One line per logo: 'ID  "name"  WxH'."""
    lines = []
    for logo_id in sorted(logos):
        name, size = logos[logo_id]
        text = '%02d  %s' % (logo_id, json.dumps(name, ensure_ascii=False))
        lines.append(text + ('  %dx%d' % size if size else ''))
    return '\n'.join(lines) + ('\n' if lines else '')


def port_diff(entry, held, files, cli, sizes):
    """Ansible's before/after of one port, from the plan and what the printer held."""
    before = {}
    if held is not None:
        for logo_id, item in held.items():
            before[logo_id] = (item['name'], (item['width'], item['height']))
    after = dict(before)
    for step in entry.get('plan', []):
        logo_id = step['id']
        if step['action'] == 'delete':
            after.pop(logo_id, None)
        elif step['action'] in SENDING_ACTIONS:
            path = files.get(logo_id)
            after[logo_id] = (step['name'], picture_size(cli, path, sizes) if path else None)
    if held is None:
        before_text = '(the printer could not be read)\n'
    else:
        before_text = describe(before)
    return {'before_header': entry['port'], 'after_header': entry['port'],
            'before': before_text, 'after': describe(after)}


def main():
    module = AnsibleModule(
        argument_spec=ARGUMENT_SPEC,
        required_one_of=[('manifest', 'logos')],
        mutually_exclusive=[('manifest', 'logos'), ('manifest', 'model')],
        supports_check_mode=True,
    )
    params = module.params
    if not params['ports']:
        module.fail_json(msg='ports: at least one port is needed')
    cli = params['cli'] or module.get_bin_path('stampix-cli', required=True)

    logos = params['logos']
    starts = []
    if logos is not None:
        for index, logo in enumerate(logos):
            if not os.path.isabs(logo['src']):
                module.fail_json(msg='logos[%d]: src must be an absolute path on the managed host'
                                 % index)
        manifest, starts = write_manifest(module.tmpdir, params['model'] or 'NV210a', logos)
        files = dict((logo['id'], logo['src']) for logo in logos)
    else:
        manifest = params['manifest']
        files = manifest_files(manifest) if module._diff else {}

    held = read_printers(cli, params['ports']) if module._diff else None

    command = [cli, 'sync', manifest, '--json']
    for port in params['ports']:
        command += ['--port', port]
    for flag, wanted in (('--dry-run', module.check_mode), ('--prune', params['prune']),
                         ('--force', params['force'])):
        if wanted:
            command.append(flag)
    rc, out, err = module.run_command(command)
    try:
        report = json.loads(out)
    except ValueError:
        module.fail_json(msg='stampix-cli sync failed (exit status %d): %s' % (rc, err.strip()),
                         rc=rc, stderr=err, failures=[])

    if 'manifest_errors' in report:
        errors = report['manifest_errors']
        texts = [inline_error(e, starts, logos) if logos is not None else
                 ('line %d: %s' % (e['line'], e['message']) if e['line'] else e['message'])
                 for e in errors]
        module.fail_json(msg='manifest refused, no printer touched: ' + '; '.join(texts),
                         manifest_errors=errors, rc=rc, failures=[])

    ports = []
    failures = []
    diffs = []
    sizes = {}
    for index, entry in enumerate(report['ports']):
        changed = port_changed(entry, module.check_mode)
        result = dict((key, value) for key, value in entry.items() if key not in ('port', 'plan'))
        ports.append({'port': entry['port'], 'changed': changed, 'plan': entry.get('plan', []),
                      'result': result})
        if not entry['ok']:
            failures.append(failure_of(entry))
        if module._diff and entry.get('planned'):
            diffs.append(port_diff(entry, held[index], files, cli, sizes))

    outcome = dict(changed=any(port['changed'] for port in ports), ports=ports,
                   failures=failures, rc=rc)
    if module._diff:
        outcome['diff'] = diffs
    if failures or rc != 0:
        reasons = ['%s failed while %s: %s' % (f['port'], f['stage'], f['message'])
                   for f in failures] or ['stampix-cli sync exited with status %d' % rc]
        module.fail_json(msg='; '.join(reasons), stderr=err, **outcome)
    module.exit_json(**outcome)


if __name__ == '__main__':
    main()
