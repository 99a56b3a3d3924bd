"""Wine prefixes of the bench: a template made once per test run, and a fresh copy of it
for every scenario, each with its own wineserver."""

import os
import shutil
import subprocess

# Wine's own settings for every process the bench starts: its error messages only, into
# each process's stderr file, so that a Wine process that fails says why; and no Mono or
# Gecko installer dialogs while a prefix is made. (A WINEDEBUG that starts with -all also
# keeps Debian's wine wrapper from printing its hint about 32-bit support.)
BASE_ENVIRONMENT = {"WINEDEBUG": "-all,err+all", "WINEDLLOVERRIDES": "mscoree,mshtml="}

# The DLL folders are most of a prefix's size and nothing writes them once the prefix is
# made, so a copy links them instead of copying; everything else is copied.
LINKED_FOLDERS = ("drive_c/windows/system32", "drive_c/windows/syswow64")


def wine_environment(prefix, display=None):
    env = dict(os.environ)
    env.update(BASE_ENVIRONMENT)
    env["WINEPREFIX"] = prefix
    if display is not None:
        env["DISPLAY"] = display
    else:
        env.pop("DISPLAY", None)
    return env


def run_wine_tool(argv, env, timeout=300):
    return subprocess.run(argv, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          timeout=timeout)


def make_template(path):
    """Creates a prefix at `path` (replacing an old one) and waits until Wine has saved it.
    The new prefix is made beside the old one and swapped in at the end, so a scenario
    copying the template meanwhile still finds a whole one."""
    path = os.path.abspath(path)
    building = f"{path}.building-{os.getpid()}"
    shutil.rmtree(building, ignore_errors=True)
    env = wine_environment(building)
    steps = [
        ["wineboot", "-i"],
        # A crash must end the process, not open a debugger dialog nobody will close.
        ["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
         "/t", "REG_DWORD", "/d", "0", "/f"],
        ["wineserver", "-w"],
    ]
    for argv in steps:
        result = run_wine_tool(argv, env)
        if result.returncode != 0:
            raise RuntimeError(f"{' '.join(argv)} failed: {result.stdout.decode(errors='replace')}")
    old = f"{path}.old-{os.getpid()}"
    if os.path.isdir(path):
        os.rename(path, old)
    os.rename(building, path)
    shutil.rmtree(old, ignore_errors=True)


def copy_prefix(template, destination):
    """A fresh prefix for one scenario: hard links for the DLL folders, copies elsewhere."""
    shutil.rmtree(destination, ignore_errors=True)
    linked = [os.path.join(template, folder) for folder in LINKED_FOLDERS]

    def ignore_linked(folder, names):
        return [name for name in names if os.path.join(folder, name) in linked]

    shutil.copytree(template, destination, symlinks=True, ignore=ignore_linked)
    for folder in LINKED_FOLDERS:
        source = os.path.join(template, folder)
        if os.path.isdir(source):
            subprocess.run(["cp", "-al", source, os.path.join(destination, folder)], check=True)


# How long the wineserver outlives its last process. The probe runs for the whole
# scenario, so this only bridges gaps, and a server left behind by a killed test ends.
PERSIST_SECONDS = 30


def start_wineserver(env, log_path):
    """A persistent wineserver, so that volatile registry keys (the serial device map)
    live until the scenario ends, whatever processes come and go. What it prints (a dump
    of its objects when it is killed) goes to the log, not into the test's output."""
    with open(log_path, "ab") as log:
        subprocess.run(["wineserver", f"-p{PERSIST_SECONDS}"], env=env, check=True, timeout=60,
                       stdout=log, stderr=log, stdin=subprocess.DEVNULL)


def server_pids(prefix):
    """The running wineservers of `prefix` (one while its bench runs), found by the
    WINEPREFIX in their environment."""
    wanted = b"WINEPREFIX=" + os.fsencode(prefix)
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/comm", "rb") as comm:
                if not comm.read().startswith(b"wineserver"):
                    continue
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if wanted in environ.read().split(b"\0"):
                    pids.append(int(entry))
        except OSError:
            continue  # gone meanwhile, or not ours to read
    return pids


def stop_wineserver(env):
    """Ends every Wine process of this prefix, then the server itself."""
    subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60)
    subprocess.run(["wineserver", "-w"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=60)
