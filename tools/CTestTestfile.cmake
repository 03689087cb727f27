# One ctest run over both configurations: the host unit tests and the Windows
# tests under Wine, ending in one summary.
subdirs("host")
subdirs("win32")
