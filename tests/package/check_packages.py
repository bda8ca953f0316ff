#!/usr/bin/env python3
"""Builds the .deb packages with CPack and checks their files, dependencies and lintian.

Usage: check_packages.py BUILD_DIR OUT_DIR
"""
import glob
import os
import shutil
import subprocess
import sys
import unittest

BUILD, OUT = (os.path.abspath(path) for path in sys.argv[1:3])

# What each package must hold (paths under /usr) and which libraries it must depend on.
EXPECTED = {
    'stampix': (['bin/stampix', 'share/man/man1/stampix.1.gz', 'share/doc/Stampix/Stampix.html',
                 'share/applications/stampix.desktop',
                 'share/metainfo/io.github.stampix.Stampix.metainfo.xml',
                 'share/icons/hicolor/scalable/apps/stampix.svg'],
                ['libc6', 'libqt6widgets6']),
    'stampix-cli': (['bin/stampix-cli', 'share/man/man1/stampix-cli.1.gz',
                     'share/bash-completion/completions/stampix-cli', 'lib/stampix/stampix-decode.so'],
                    ['libc6', 'libudev1', 'libqt6svg6']),
    'stampix-printer-sim': (['bin/stampix-printer-sim', 'share/man/man1/stampix-printer-sim.1.gz'],
                            ['libc6']),
    'libwextl': (['lib/libwextl.so.1', 'lib/libwextl.so.1.0.0'], ['libc6', 'libqt6widgets6']),
    'libwextl-dev': (['lib/libwextl.so', 'include/wextl/wextl.h', 'include/wextl/win32.h',
                      'lib/pkgconfig/wextl.pc', 'lib/cmake/Wextl/WextlConfig.cmake'],
                     ['libwextl']),
}


def Listed(line):
    """The path of one line of dpkg-deb -c: a link's own path, not its target's."""
    path = line.split(' -> ')[0].split()[-1]
    return path.lstrip('.')


def dpkg_deb(*arguments):
    return subprocess.run(['dpkg-deb'] + list(arguments), capture_output=True, text=True,
                          check=True).stdout


class DebianPackagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(OUT, ignore_errors=True)
        run = subprocess.run(['cpack', '-B', OUT, '--config',
                              os.path.join(BUILD, 'CPackConfig.cmake')],
                             capture_output=True, text=True, timeout=500)
        if run.returncode != 0:
            raise AssertionError('cpack failed:\n' + run.stdout + run.stderr)
        cls.debs = {}
        for deb in glob.glob(os.path.join(OUT, '*.deb')):
            cls.debs[dpkg_deb('-f', deb, 'Package').strip()] = deb

    def test_every_package_holds_its_files_and_depends_on_its_libraries(self):
        self.assertEqual(sorted(self.debs), sorted(EXPECTED))
        for package, (files, libraries) in EXPECTED.items():
            deb = self.debs[package]
            listed = {Listed(line) for line in dpkg_deb('-c', deb).splitlines()}
            for path in files + ['share/doc/%s/copyright' % package,
                                 'share/doc/%s/changelog.gz' % package]:
                self.assertIn('/usr/' + path, listed, package)
            self.assertFalse([path for path in listed if path.startswith('/usr/local')], package)
            depends = [item.split()[0] for item in
                       dpkg_deb('-f', deb, 'Depends').replace('|', ',').split(',') if item.strip()]
            for library in libraries:
                self.assertIn(library, depends, package)
            self.assertEqual(dpkg_deb('-f', deb, 'Version').strip(), '9.1.0.20')

    def test_the_core_programs_need_no_qt(self):
        depends = dpkg_deb('-f', self.debs['stampix-printer-sim'], 'Depends')
        self.assertNotIn('libqt6', depends)

    def test_lintian_finds_no_errors(self):
        if shutil.which('lintian') is None:
            self.skipTest('lintian is not installed')
        run = subprocess.run(['lintian', '--no-tag-display-limit'] + sorted(self.debs.values()),
                             capture_output=True, text=True, timeout=300)
        errors = [line for line in run.stdout.splitlines() if line.startswith('E:')]
        self.assertEqual(errors, [], run.stdout)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
