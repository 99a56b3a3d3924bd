"""Where the bench finds its programs and folders. CTest passes them in the environment;
run by hand from a checkout with the default build folders, the defaults find them."""

import os

_HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.environ.get("SKYVANE_SOURCE_DIR", os.path.abspath(os.path.join(_HERE, "../../..")))
NATIVE_BUILD = os.environ.get("SKYVANE_NATIVE_BUILD", os.path.join(SOURCE_DIR, "build/native"))
WINDOWS_BUILD = os.environ.get("SKYVANE_WINDOWS_BUILD", os.path.join(SOURCE_DIR, "build/windows"))
WORK_DIR = os.environ.get("SKYVANE_E2E_WORK", os.path.join(NATIVE_BUILD, "tests/e2e/work"))
TEMPLATE_PREFIX = os.environ.get("SKYVANE_E2E_TEMPLATE",
                                 os.path.join(NATIVE_BUILD, "tests/e2e/wine-template"))

SIM_RECEIVER = os.path.join(NATIVE_BUILD, "tests/e2e/sim_receiver/skyvane-sim-receiver")
PROBE = os.path.join(WINDOWS_BUILD, "tests/e2e/probe/skyvane-probe.exe")
SKYVANE = os.path.join(WINDOWS_BUILD, "app/skyvane.exe")
SAMPLES = os.path.join(SOURCE_DIR, "samples")

SKYVANE_CLASS = "Skyvane K-7RT-03-1903041"
